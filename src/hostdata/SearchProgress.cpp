#include "hostdata/SearchProgress.h"

#include <QCoreApplication>

#include <chrono>
#include <thread>

namespace {

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

void SearchProgress::Begin(Unit unit, qint32 total)
{
    m_unit.store(int(unit));
    m_done.store(0);
    m_total.store(total);
}

void SearchProgress::AddTotal(qint32 units)
{
    m_total.fetch_add(units, std::memory_order_relaxed);
}

void SearchProgress::Step()
{
    CheckStop();
    const qint32 done = m_done.fetch_add(1, std::memory_order_relaxed) + 1;
    const bool directories = m_unit.load(std::memory_order_relaxed) == int(Unit::Directories);
    if (onProgress && (directories || done % kReportEvery == 0))
        onProgress(Current());
}

void SearchProgress::CheckStop() const
{
    PauseForTests();
    ThrowIfStopped();
}

void SearchProgress::ThrowIfStopped() const
{
    if (m_stop.load(std::memory_order_relaxed))
        throw SearchStopped();
}

void SearchProgress::PauseForTests() const
{
    const int delay = gStepDelayUs.load(std::memory_order_relaxed);
    if (delay == 0)
        return;
    const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(delay);
    while (!m_stop.load() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

SearchProgress::EndGuard::~EndGuard()
{
    if (m_progress.onProgress) {
        Figures figures = m_progress.Current();
        figures.ended = true;
        m_progress.onProgress(figures);
    }
}

void SearchProgress::SetStepDelayForTests(int microseconds)
{
    gStepDelayUs.store(microseconds);
}
