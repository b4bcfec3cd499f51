// The detail of the selected model, the category language and the
// ini-problems notice.

#include "mainwindow/FMain.h"

#include "hostdata/ModelDetail.h"
#include "mainwindow/DisplayText.h"
#include "mainwindow/ResultListModel.h"
#include "sidewindows/FMod2.h"
#include "sidewindows/FVorschau.h"
#include "startup/ModuleState.h"
#include "startup/modTools.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>

namespace {

const QColor kUnknownColour(182, 0, 0);

void SetTextLook(QLabel* label, const QColor& colour, bool bold)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

} // namespace

void FMain::lbModels_SelectionChanged()
{
    if (m_fillingList || !lbModels->currentIndex().isValid())
        return;
    try {
        lbModels_Click();
    } catch (...) {
        // The click has no handler of its own; the report names no procedure.
        ReportError(QString());
    }
}

void FMain::lbModels_Click()
{
    IniProblemsText();
    const qint32 index = lbModels->currentIndex().row();
    // The path is shown before the gsb file is read, so that a read error's
    // message stands beside the file it is about.
    const QString file = moModels.Filename(index);
    // A path as wide as the label shows its end, where the file name is.
    const bool tooWide = QFontMetrics(lblResult[0]->font()).horizontalAdvance(file) >= lblResult[0]->width();
    lblResult[0]->setAlignment((tooWide ? Qt::AlignRight : Qt::AlignHCenter) | Qt::AlignVCenter);
    lblResult[0]->setText(file);
    const ModelDetail detail = ModelDetail::Of(moModels, index, moCategories, moGsb);

    lblMissingFile->setText(detail.fileState);
    lblMissingFile->setVisible(!detail.fileState.isEmpty());
    ShowFileInSideWindows();

    lblResult[1]->setText(detail.resultSentence);
    if (detail.known)
        SetTextLook(lblResult[1], lblResult[0]->palette().color(QPalette::WindowText), false);
    else
        SetTextLook(lblResult[1], kUnknownColour, true);
    lblResult[2]->setText(detail.known ? detail.editorName : QString());
    txEepPlace->setPlainText(detail.known ? ForDisplay(detail.placeText) : QString());
    lbModels->setFocus();
}

void FMain::ShowFileInSideWindows()
{
    if (mbVorschau && m_vorschau)
        m_vorschau->ShowFile(moGsb);
    if (mbMod2 && m_mod2)
        m_mod2->ShowFile(moGsb);
}

void FMain::cbLang_Click()
{
    try {
        gMod.gtNameKey = QStringLiteral("Name_") + cbLang->currentText();
        if (gMod.gtCategoriesDir.isEmpty())
            return;
        moCategories.Init();
        if (m_listModel->rowCount() >= 1 && lbModels->currentIndex().isValid())
            lbModels_Click();
    } catch (...) {
        ReportError(QStringLiteral("FMain.cbLang_Click"));
    }
}

void FMain::IniProblemsText()
{
    const QString text = IniProblemsNoticeText();
    if (text.isEmpty())
        HideNotice();
    else
        ShowNotice(text, true);
}
