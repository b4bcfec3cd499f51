// The name search: the search button, its enabled state, one search run and
// the history of searched names.

#include "mainwindow/FMain.h"

#include "hostdata/Searches.h"
#include "mainwindow/BusyCursor.h"
#include "startup/ModuleState.h"
#include "startup/modTools.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

void FMain::cmdSearch_Click()
{
    gMod.gbExtend = chkExtend->isChecked();
    if (rbSearchStyle[0]->isChecked())
        FilelistFromName();
    else if (rbSearchStyle[1]->isChecked())
        FilelistFromDate();
}

void FMain::UpdateSearchButton()
{
    if (rbSearchStyle[0]->isChecked())
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
    cmdSearch->setEnabled(!cbModel->currentText().isEmpty());
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
    bool ok = true;
    try {
        BusyCursor busy;
        mlListSource = 2;
        AddToModelHistory();
        if (!gMod.gbExtend)
            ClearResults();
        // Starts a fresh catalogue unless extending, and drops repeated records.
        ok = Searches::ByName(moModels, qint16(cbOper->currentIndex()), cbModel->currentText(),
                              SelectedNameSource());
        if (ok)
            fillLbModels(moModels);
    } catch (...) {
        ReportError(QStringLiteral("FMain.FilelistFromName"));
        return;
    }
    // Without its model index the program cannot go on; the user was told.
    if (!ok)
        close();
}

void FMain::AddToModelHistory()
{
    const QString typed = cbModel->currentText();
    const QString lowered = typed.toLower();
    for (int i = 0; i < cbModel->count(); ++i) {
        if (cbModel->itemText(i).toLower() == lowered)
            return;
    }
    // Inserting into the list must not replace the text being searched.
    const QSignalBlocker quiet(cbModel);
    cbModel->insertItem(0, typed);
    cbModel->setCurrentIndex(-1);
    cbModel->setEditText(typed);
}
