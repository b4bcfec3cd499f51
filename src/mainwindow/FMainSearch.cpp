// The name search: the search button, its enabled state, one search run and
// the history of searched names.

#include "mainwindow/FMain.h"

#include "hostdata/SearchContext.h"
#include "hostdata/Searches.h"
#include "startup/ModuleState.h"
#include "startup/modTools.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

void FMain::cmdSearch_Click()
{
    if (SearchRunning())
        return;
    gMod.gbExtend = chkExtend->isChecked();
    if (rbSearchStyle[0]->isChecked())
        FilelistFromName();
    else if (rbSearchStyle[1]->isChecked())
        FilelistFromDate();
}

void FMain::UpdateSearchButton()
{
    if (SearchRunning())
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
    cmdSearch->setEnabled(!SearchRunning() && !cbModel->currentText().isEmpty());
}

NameSource FMain::SelectedNameSource() const
{
    if (rbModelName[1]->isChecked())
        return NameSource::Ini;
    if (rbModelName[2]->isChecked())
        return NameSource::Both;
    return NameSource::Gsb;
}

void FMain::FilelistFromName()
{
    const qint16 oper = qint16(cbOper->currentIndex());
    const QString text = cbModel->currentText();
    const NameSource source = SelectedNameSource();
    // Starts a fresh catalogue unless extending, and drops repeated records.
    const auto search = [oper, text, source](SearchContext& context) {
        context.result = Searches::ByName(context.models, oper, text, source);
    };
    RunSearch(QStringLiteral("FMain.FilelistFromName"), search, [this, text](SearchContext& context) {
        mlListSource = 2;
        AddToModelHistory(text);
        if (!context.state.gbExtend)
            ClearResults();
        moModels = std::move(context.models);
        // Without its model index the program cannot go on; the user was told.
        if (!context.result) {
            close();
            return;
        }
        fillLbModels(moModels);
    });
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
