#pragma once

#include <QString>
#include <QtGlobal>

#include <atomic>
#include <functional>

// Thrown inside a search whose progress was asked to stop.
struct SearchStopped {};

// How far one search has come (units done of units known so far), and the
// stop token: whether it is to stop. The search code is handed the object of
// its search and reports to it; every loop that can take long asks it
// whether to stop. Counters and the stop request may be read and set from
// another thread.
class SearchProgress {
public:
    enum class Unit { ModelEntries, Directories };

    struct Figures {
        Unit unit = Unit::ModelEntries;
        qint32 done = 0;
        qint32 total = 0;   // 0: not known (yet)
        bool ended = false;
    };

    // withTotals: someone shows the figures, so a search that can count its
    // units in advance (a read of "Models.ini") does so.
    explicit SearchProgress(bool withTotals = false) : m_withTotals(withTotals) {}

    Figures Current() const;
    // "Suche läuft: 120 von 340 Verzeichnissen durchsucht ..." and the like.
    static QString Text(const Figures& figures);
    void RequestStop() { m_stop.store(true); }
    bool StopRequested() const { return m_stop.load(); }
    bool WithTotals() const { return m_withTotals; }

    // Called on the search's thread now and then while the figures move.
    std::function<void(const Figures&)> onProgress;

    // Reports of the search code.
    void Begin(Unit unit, qint32 total = 0);
    void AddTotal(qint32 units);
    // One unit done; throws SearchStopped when a stop was asked for.
    void Step();
    // The same without counting, for loops that are not units of the progress.
    void CheckStop() const;
    // Only the question, without the test pause: cheap enough for every
    // directory entry, and safe on reading threads beside the search.
    void ThrowIfStopped() const;

    // Tells onProgress that the search has ended (its results follow) when
    // it goes out of scope.
    class EndGuard {
    public:
        explicit EndGuard(SearchProgress& progress) : m_progress(progress) {}
        ~EndGuard();
        EndGuard(const EndGuard&) = delete;
        EndGuard& operator=(const EndGuard&) = delete;

    private:
        SearchProgress& m_progress;
    };

    // A pause at every unit of work and every stop check, cut short by a
    // stop request, so that a test can follow (or stop) a long search.
    static void SetStepDelayForTests(int microseconds);

private:
    void PauseForTests() const;

    const bool m_withTotals;
    std::atomic<int> m_unit{int(Unit::ModelEntries)};
    std::atomic<qint32> m_done{0};
    std::atomic<qint32> m_total{0};
    std::atomic<bool> m_stop{false};
};
