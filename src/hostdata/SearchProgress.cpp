#include "hostdata/SearchProgress.h"

#include <QCoreApplication>

#include <chrono>
#include <thread>

namespace {

thread_local SearchProgress* tCurrent = nullptr;
std::atomic<int> gStepDelayUs{0};

// onProgress is called for every directory, and once per so many model
// entries: often enough for a line that moves, rarely enough to cost nothing
// against the work.
constexpr qint32 kReportEvery = 64;

} // namespace

SearchProgress::Figures SearchProgress::Current() const
{
    return Figures{Unit(m_unit.load()), m_done.load(), m_total.load()};
}

QString SearchProgress::Text(const Figures& figures)
{
    // The noun takes its numerus form from the number it follows: the total
    // in "%1 von %n", the count done when there is no total.
    if (figures.unit == Unit::Directories)
        return QCoreApplication::translate("SearchProgress", "Suche läuft: %1 von %n Verzeichnissen durchsucht ...",
                                           nullptr, figures.total)
            .arg(figures.done);
    if (figures.total > 0)
        return QCoreApplication::translate("SearchProgress", "Suche läuft: %1 von %n Modelldateien geprüft ...",
                                           nullptr, figures.total)
            .arg(figures.done);
    return QCoreApplication::translate("SearchProgress", "Suche läuft: %n Modelleinträge geprüft ...", nullptr,
                                       figures.done);
}

SearchProgress::Scope::Scope(SearchProgress& progress) : m_previous(tCurrent)
{
    tCurrent = &progress;
}

SearchProgress::Scope::~Scope()
{
    tCurrent = m_previous;
}

bool SearchProgress::Reporting()
{
    return tCurrent != nullptr;
}

void SearchProgress::Begin(Unit unit, qint32 total)
{
    if (!tCurrent)
        return;
    tCurrent->m_unit.store(int(unit));
    tCurrent->m_done.store(0);
    tCurrent->m_total.store(total);
}

void SearchProgress::AddTotal(qint32 units)
{
    if (tCurrent)
        tCurrent->m_total.fetch_add(units, std::memory_order_relaxed);
}

void SearchProgress::Step()
{
    SearchProgress* progress = tCurrent;
    if (!progress)
        return;
    if (progress->m_stop.load(std::memory_order_relaxed))
        throw SearchStopped();
    if (const int delay = gStepDelayUs.load(std::memory_order_relaxed))
        std::this_thread::sleep_for(std::chrono::microseconds(delay));
    const qint32 done = progress->m_done.fetch_add(1, std::memory_order_relaxed) + 1;
    const bool directories = progress->m_unit.load(std::memory_order_relaxed) == int(Unit::Directories);
    if (progress->onProgress && (directories || done % kReportEvery == 0))
        progress->onProgress(progress->Current());
}

SearchProgress::EndGuard::~EndGuard()
{
    if (tCurrent && tCurrent->onProgress) {
        Figures figures = tCurrent->Current();
        figures.ended = true;
        tCurrent->onProgress(figures);
    }
}

void SearchProgress::SetStepDelayForTests(int microseconds)
{
    gStepDelayUs.store(microseconds);
}
