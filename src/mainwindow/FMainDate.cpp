// The installation-date search: presets, the date boxes (key filter and
// validation on leaving) and one search run.

#include "mainwindow/FMain.h"

#include "hostdata/DateText.h"
#include "hostdata/Searches.h"
#include "startup/KluniError.h"
#include "startup/modTools.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <algorithm>

namespace {

// A date box that does not hold a date when the search starts.
QDate DateOf(const QLineEdit* box)
{
    const QDate date = DateText::Parse(box->text());
    if (!date.isValid())
        throw KluniError(13, QCoreApplication::translate("FMain", "Typen unverträglich"));
    return date;
}

bool IsDateCharacter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.');
}

// Keys that move the cursor, delete, leave the box or start the search, and
// the clipboard keys: they never count as typed characters.
bool IsEditingKey(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Insert:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut)
            || event->matches(QKeySequence::Paste);
    }
}

// A focus change inside the window; not one caused by another window, a
// pop-up or a menu taking the focus.
bool LeavesForAnotherControl(const QFocusEvent* event)
{
    switch (event->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        return true;
    }
}

} // namespace

void FMain::cmdTimeSpan_Click(int index)
{
    const QDate today = m_hooks.today ? m_hooks.today() : QDate::currentDate();
    txDate[1]->setText(DateText::Format(today));
    txDate[0]->setText(DateText::Format(DateText::PresetFrom(index, today)));
}

int FMain::DateBoxIndex(const QObject* watched) const
{
    for (int i = 0; i < 2; ++i) {
        if (txDate[i] && watched == txDate[i])
            return i;
    }
    return -1;
}

bool FMain::DateBoxEvent(int index, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        return txDate_KeyPress(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::FocusOut && !m_keepingDateFocus
        && LeavesForAnotherControl(static_cast<QFocusEvent*>(event)) && !txDate_Validate(index)) {
        // The message and the way back wait until the focus change under way
        // has ended; taking the focus back also keeps a pressed button from
        // firing.
        QMetaObject::invokeMethod(this, [this, index] { KeepFocusOnInvalidDate(index); }, Qt::QueuedConnection);
    }
    return false;
}

// True when the key is discarded: only digits, "." and the editing keys reach the box.
bool FMain::txDate_KeyPress(const QKeyEvent* event)
{
    const QString typed = event->text();
    if (typed.isEmpty() || IsEditingKey(event) || std::all_of(typed.cbegin(), typed.cend(), IsDateCharacter))
        return false;
    if (m_hooks.beep)
        m_hooks.beep();
    return true;
}

// Rewrites the box as dd.MM.yyyy; false when it holds no date.
bool FMain::txDate_Validate(int index)
{
    const QDate date = DateText::Parse(txDate[index]->text());
    if (!date.isValid())
        return false;
    txDate[index]->setText(DateText::Format(date));
    return true;
}

void FMain::KeepFocusOnInvalidDate(int index)
{
    QLineEdit* box = txDate[index];
    // Meanwhile the box may have been filled by a preset, or hidden.
    if (!box->isVisible() || txDate_Validate(index))
        return;
    MsgError(FormatMsg(tr("Ungültiger Datums-Eintrag.%mBitte korrigieren.")));
    // The control that took the focus meanwhile is not validated on giving it back.
    const QScopedValueRollback<bool> keeping(m_keepingDateFocus, true);
    box->setFocus(Qt::OtherFocusReason);
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
    if (!AskYesNo(FormatMsg(tr("Das von-Datum liegt später als das bis-Datum!%mAustauschen?"))))
        return false;
    const QString from = txDate[0]->text();
    txDate[0]->setText(txDate[1]->text());
    txDate[1]->setText(from);
    mdDateFrom = DateOf(txDate[0]);
    mdDateTo = DateOf(txDate[1]);
    return true;
}

void FMain::FilelistFromDate(bool gbExtend)
{
    try {
        if (!CheckDateRange())
            return;
        const QDate from = mdDateFrom;
        const QDate to = mdDateTo;
        // New problem lists, and a fresh catalogue unless extending.
        const auto search = [input = NewSearchInput(gbExtend, false), from, to](SearchProgress& progress) mutable {
            return Searches::ByDate(std::move(input), progress, from, to);
        };
        RunSearch(QStringLiteral("FMain.FilelistFromDate"), search, [this, gbExtend](SearchOutput& output) {
            mlListSource = 3;
            if (!gbExtend)
                ClearResults();
            m_iniProblems = std::move(output.problems);
            moModels = std::move(output.models);
            fillLbModels(moModels);
        });
    } catch (...) {
        ReportError(QStringLiteral("FMain.FilelistFromDate"));
    }
}
