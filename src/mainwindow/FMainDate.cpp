// The installation-date search: presets, the date boxes and one search run.

#include "mainwindow/FMain.h"

#include "hostdata/DateText.h"
#include "hostdata/Searches.h"
#include "mainwindow/BusyCursor.h"
#include "startup/KluniError.h"
#include "startup/ModuleState.h"
#include "startup/modTools.h"

#include <QLineEdit>

namespace {

// A date box that does not hold a date when the search starts.
QDate DateOf(const QLineEdit* box)
{
    const QDate date = DateText::Parse(box->text());
    if (!date.isValid())
        throw KluniError(13, QStringLiteral("Typen unverträglich"));
    return date;
}

} // namespace

void FMain::cmdTimeSpan_Click(int index)
{
    const QDate today = QDate::currentDate();
    txDate[1]->setText(DateText::Format(today));
    txDate[0]->setText(DateText::Format(DateText::PresetFrom(index, today)));
}

void FMain::txDate_Change()
{
    UpdateSearchButton();
}

bool FMain::CheckDateRange()
{
    mdDateFrom = DateOf(txDate[0]);
    mdDateTo = DateOf(txDate[1]);
    if (mdDateFrom <= mdDateTo)
        return true;
    if (!AskYesNo(FormatMsg(QStringLiteral("Das von-Datum liegt später als das bis-Datum!%mAustauschen?"))))
        return false;
    const QString from = txDate[0]->text();
    txDate[0]->setText(txDate[1]->text());
    txDate[1]->setText(from);
    mdDateFrom = DateOf(txDate[0]);
    mdDateTo = DateOf(txDate[1]);
    return true;
}

void FMain::FilelistFromDate()
{
    try {
        if (!CheckDateRange())
            return;
        BusyCursor busy;
        mlListSource = 3;
        if (!gMod.gbExtend)
            ClearResults();
        // Resets the problem lists and starts a fresh catalogue unless extending.
        Searches::ByDate(moModels, mdDateFrom, mdDateTo);
        fillLbModels(moModels);
    } catch (...) {
        ReportError(QStringLiteral("FMain.FilelistFromDate"));
    }
}
