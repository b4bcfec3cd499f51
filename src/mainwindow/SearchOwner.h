#pragma once

#include "hostdata/SearchOutput.h"
#include "hostdata/SearchProgress.h"

#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <memory>

class BackgroundSearch;
class QPushButton;
class QShortcut;
class QTimer;
class QWidget;

// The one owner of the search that runs beside the main window: its thread,
// the progress shown meanwhile, Escape and the stop button, and with its
// state the search button's.
//
//   Idle -Start-> Running -Stop-> Stopping
//   Running, Stopping -the thread ends-> TakingOver -> Idle
//
// A search that ends within half a second is taken over at once, as if it
// had run right in the window. The result is taken over only when no stop was
// asked for. The owner has let go of the search object before it shows the
// search's messages (modal boxes run an event loop) and hands the output
// over; the takeover itself must run no event loop. What is asked for while
// the owner is busy (a drop) waits, and runs once it is idle again.
class SearchOwner : public QObject {
    Q_OBJECT
public:
    enum class State { Idle, Running, Stopping, TakingOver };
    using Work = std::function<SearchOutput(SearchProgress&)>;
    using TakeOver = std::function<void(SearchOutput&)>;

    // How the window shows what the owner does.
    struct View {
        QPushButton* stopButton = nullptr;
        std::function<void(const SearchProgress::Figures&)> showProgress;
        std::function<void()> showStopped;
        std::function<void()> updateSearchButton;   // follows Busy()
    };

    SearchOwner(QWidget* window, View view);
    ~SearchOwner() override;

    State Current() const { return m_state; }
    bool Busy() const { return m_state != State::Idle; }
    // The figures of the running search (empty when none runs).
    SearchProgress::Figures Figures() const;
    // The running search's thread has ended; its result waits to be taken over.
    bool WorkEnded() const;

    // Runs work beside the window (only when idle) and hands its output to
    // takeOver. procedure names the handler in the report of a run-time
    // error. Throws when the search's thread cannot be started.
    void Start(const QString& procedure, Work work, TakeOver takeOver);
    // "Abbrechen" and Escape: a running search is asked to stop.
    void Stop();
    // Runs the task now when idle, else once the owner is idle again, in the
    // order asked for.
    void WhenIdle(std::function<void()> task);
    // The window closes: nothing waiting runs any more, a running search is
    // asked to stop and waited for at most so long. A search that has not
    // ended by then is abandoned (see Abandoned).
    void End(int milliseconds);
    // A search was left running at the end: the program must then end without
    // the clean-up that its thread might still need (std::_Exit).
    bool Abandoned() const { return m_abandoned; }

private:
    // Posted by the search's thread when it has ended; by name, so that
    // nothing that thread wrote travels with the event.
    Q_INVOKABLE void SearchEnded();
    void Finish();
    void TakeOverResult(SearchOutput& output, const std::exception_ptr& error);
    void ShowRunning();
    void BecomeIdle();

    View m_view;
    QTimer* m_progressTimer = nullptr;
    QShortcut* m_escape = nullptr;
    State m_state = State::Idle;
    std::unique_ptr<BackgroundSearch> m_search;
    QString m_procedure;
    TakeOver m_takeOver;
    std::deque<std::function<void()>> m_waiting;
    bool m_abandoned = false;
};
