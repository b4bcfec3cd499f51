// The name search: the search button, its enabled state, one search run and
// the history of searched names.

#include "mainwindow/FMain.h"

#include "hostdata/Searches.h"
#include "startup/modTools.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

void FMain::cmdSearch_Click()
{
    if (SearchBusy())
        return;
    const bool gbExtend = chkExtend->isChecked();
    if (rbSearchStyle[0]->isChecked())
        FilelistFromName(gbExtend);
    else if (rbSearchStyle[1]->isChecked())
        FilelistFromDate(gbExtend);
}

void FMain::UpdateSearchButton()
{
    if (SearchBusy())
        cmdSearch->setEnabled(false);
    else if (rbSearchStyle[0]->isChecked())
        cmdSearch->setEnabled(!cbModel->currentText().isEmpty());
    else
        cmdSearch->setEnabled(!txDate[0]->text().isEmpty() && !txDate[1]->text().isEmpty());
}

void FMain::cbModel_Change()
{
    UpdateSearchButton();
}

void FMain::cbModel_Click()
{
    cmdSearch->setEnabled(!SearchBusy() && !cbModel->currentText().isEmpty());
}

NameSource FMain::SelectedNameSource() const
{
    if (rbModelName[1]->isChecked())
        return NameSource::Ini;
    if (rbModelName[2]->isChecked())
        return NameSource::Both;
    return NameSource::Gsb;
}

void FMain::FilelistFromName(bool gbExtend)
{
    try {
        const qint16 oper = qint16(cbOper->currentIndex());
        const QString text = cbModel->currentText();
        const NameSource source = SelectedNameSource();
        // Starts a fresh catalogue unless extending, and drops repeated records.
        SearchInput input = NewSearchInput(gbExtend, false);
        const auto search = [input = std::move(input), oper, text, source](SearchProgress& progress) mutable {
            return Searches::ByName(std::move(input), progress, oper, text, source);
        };
        RunSearch(QStringLiteral("FMain.FilelistFromName"), search, [this, text, gbExtend](SearchOutput& output) {
            mlListSource = 2;
            AddToModelHistory(text);
            if (!gbExtend)
                ClearResults();
            m_iniProblems = std::move(output.problems);
            gtSearchNameKey = output.gtSearchNameKey;
            moModels = std::move(output.models);
            // Without its model index the program cannot go on; the user was told.
            if (!output.result) {
                close();
                return;
            }
            fillLbModels(moModels);
        });
    } catch (...) {
        ReportError(QStringLiteral("FMain.FilelistFromName"));
    }
}

// The text searched for; the box keeps what it holds now.
void FMain::AddToModelHistory(const QString& typed)
{
    const QString lowered = typed.toLower();
    for (int i = 0; i < cbModel->count(); ++i) {
        if (cbModel->itemText(i).toLower() == lowered)
            return;
    }
    // Inserting into the list must not replace the text being searched.
    const QSignalBlocker quiet(cbModel);
    const QString current = cbModel->currentText();
    cbModel->insertItem(0, typed);
    cbModel->setCurrentIndex(-1);
    cbModel->setEditText(current);
}
