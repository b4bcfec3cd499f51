// The result list: filling it, the nothing-found notice, the pop-up menu and
// the copy to the clipboard.

#include "mainwindow/FMain.h"

#include "hostdata/ResultTexts.h"
#include "mainwindow/BusyCursor.h"
#include "mainwindow/DisplayText.h"
#include "mainwindow/ResultListModel.h"
#include "startup/modTools.h"

#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>

void FMain::fillLbModels(CModels& models)
{
    try {
        m_listModel->Clear();
        const bool found = models.Count() >= 1;
        ShowNothingFound(!found);
        const QWidgetList resultControls{lblListboxTitle, lblCount, lbModels, cmdMod2, cmdVorschau, txEepPlace};
        for (QWidget* control : resultControls)
            control->setVisible(found);
        if (!found) {
            IniProblemsText();
            return;
        }
        lblCount->setText(ResultTexts::CountText(models.Count()));
        m_listModel->Show(models);
        {
            // Selecting row 0 from here shows the model once, below.
            const QScopedValueRollback<bool> filling(m_fillingList, true);
            lbModels->setCurrentIndex(m_listModel->index(0));
        }
        lbModels_Click();
    } catch (...) {
        ReportError(QStringLiteral("FMain.fillLbModels"));
    }
}

void FMain::ClearResults()
{
    lblCount->setText(QString());
    lblNothingFound->setVisible(false);
    m_listModel->Clear();
    lbModels->setVisible(true);
    for (QLabel* label : lblResult)
        label->setText(QString());
    txEepPlace->setPlainText(QString());
    // No pass of the event loop here: the list is emptied while a finished
    // search's result is taken over, and a click or a drop handled now would
    // start the next search inside it. The list is filled right after.
}

void FMain::ShowNothingFound(bool pbShow)
{
    if (pbShow)
        lblNothingFound->setText(ForDisplay(ResultTexts::NothingFoundText(mlListSource)));
    lblNothingFound->setVisible(pbShow);
}

void FMain::lbModels_MouseDown(const QPoint& globalPos)
{
    mnuPop->popup(globalPos);
}

void FMain::mnuPopClipbrd_Click()
{
    try {
        BusyCursor busy;
        const QString text = ResultTexts::ClipboardText(moModels);
        if (m_hooks.setClipboardText)
            m_hooks.setClipboardText(text);
    } catch (...) {
        ReportError(QStringLiteral("FMain.mnuPopClipbrd_Click"));
    }
}
