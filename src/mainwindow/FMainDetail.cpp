// The detail of the selected model, the category language and the
// ini-problems notice.

#include "mainwindow/FMain.h"

#include "hostdata/ModelDetail.h"
#include "mainwindow/DisplayText.h"
#include "mainwindow/ResultListModel.h"
#include "mainwindow/SearchOwner.h"
#include "platform/LookupCache.h"
#include "sidewindows/FMod2.h"
#include "sidewindows/FVorschau.h"
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
    LookupCache lookup;
    const ModelDetail detail = ModelDetail::Of(moModels, index, moCategories, moGsb, *m_installation, lookup);

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

// While a search's result is taken over, the preview gets no pass of the
// event loop: a click or a drop there would start the next search inside
// this one's takeover.
void FMain::ShowFileInSideWindows()
{
    const bool takingOver = m_searchOwner->Current() == SearchOwner::State::TakingOver;
    if (mbVorschau && m_vorschau)
        m_vorschau->ShowFile(moGsb, gtNameKey, takingOver ? FVorschau::Events::Hold : FVorschau::Events::Run);
    if (mbMod2 && m_mod2)
        m_mod2->ShowFile(moGsb, gtNameKey);
}

void FMain::cbLang_Click()
{
    try {
        gtNameKey = QStringLiteral("Name_") + cbLang->currentText();
        if (!m_installation)
            return;
        moCategories.Init(*m_installation, gtNameKey);
        if (m_listModel->rowCount() >= 1 && lbModels->currentIndex().isValid())
            lbModels_Click();
    } catch (...) {
        ReportError(QStringLiteral("FMain.cbLang_Click"));
    }
}

void FMain::IniProblemsText()
{
    const QString text = IniProblemsNoticeText(m_iniProblems, gtSearchNameKey, gtNameKey);
    if (text.isEmpty())
        HideNotice();
    else
        ShowNotice(text, true);
}
