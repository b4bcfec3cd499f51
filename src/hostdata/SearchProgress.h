#pragma once

#include <QString>
#include <QtGlobal>

#include <atomic>
#include <functional>

// Thrown inside a search whose progress was asked to stop.
struct SearchStopped {};

// How far one search has come (units done of units known so far) and whether
// it is to stop. The search code of a thread reports to the progress made
// current there by a Scope; without one, the reports cost nothing. Counters
// and the stop request may be read and set from another thread.
class SearchProgress {
public:
    enum class Unit { ModelEntries, Directories };

    struct Figures {
        Unit unit = Unit::ModelEntries;
        qint32 done = 0;
        qint32 total = 0;   // 0: not known (yet)
        bool ended = false;
    };

    Figures Current() const;
    // "Suche läuft: 120 von 340 Verzeichnissen durchsucht ..." and the like.
    static QString Text(const Figures& figures);
    void RequestStop() { m_stop.store(true); }
    bool StopRequested() const { return m_stop.load(); }

    // Called on the search's thread now and then while the figures move.
    std::function<void(const Figures&)> onProgress;

    // Makes a progress current on this thread while the scope lives.
    class Scope {
    public:
        explicit Scope(SearchProgress& progress);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        SearchProgress* m_previous;
    };

    // Reports of the search code to the current progress of this thread.
    // Step counts one unit done; it throws SearchStopped when a stop was asked.
    static bool Reporting();   // a progress is current on this thread
    static void Begin(Unit unit, qint32 total = 0);
    static void AddTotal(qint32 units);
    static void Step();
    // Tells onProgress that the search has ended (its results follow), as
    // the guard does when it goes out of scope.
    struct EndGuard {
        EndGuard() = default;
        ~EndGuard();
        EndGuard(const EndGuard&) = delete;
        EndGuard& operator=(const EndGuard&) = delete;
    };

    // A pause before every unit of work, so that a test can follow a long search.
    static void SetStepDelayForTests(int microseconds);

private:
    std::atomic<int> m_unit{int(Unit::ModelEntries)};
    std::atomic<qint32> m_done{0};
    std::atomic<qint32> m_total{0};
    std::atomic<bool> m_stop{false};
};
