#include "mainwindow/SearchOwner.h"

#include "mainwindow/BackgroundSearch.h"
#include "mainwindow/BusyCursor.h"
#include "startup/modTools.h"

#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QWidget>

namespace {

// A search that ends within this time is taken over at once, as if it had
// run right in the window: the user sees the busy cursor and then the list.
constexpr int kQuietMilliseconds = 500;
constexpr int kProgressEveryMilliseconds = 100;

} // namespace

SearchOwner::SearchOwner(QWidget* window, View view)
    : QObject(window)
    , m_view(std::move(view))
{
    setObjectName(QStringLiteral("searchOwner"));
    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(kProgressEveryMilliseconds);
    connect(m_progressTimer, &QTimer::timeout, this, [this] {
        if (m_search)
            m_view.showProgress(m_search->Figures());
    });
    // Escape stops the search wherever the focus is in the window, also in
    // a box that takes keys for itself; only while a search runs.
    m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    m_escape->setContext(Qt::WindowShortcut);
    m_escape->setEnabled(false);
    connect(m_escape, &QShortcut::activated, this, &SearchOwner::Stop);
    connect(m_view.stopButton, &QPushButton::clicked, this, &SearchOwner::Stop);
}

SearchOwner::~SearchOwner()
{
    m_search.reset();   // stops and joins a search still running
}

SearchProgress::Figures SearchOwner::Figures() const
{
    return m_search ? m_search->Figures() : SearchProgress::Figures();
}

bool SearchOwner::WorkEnded() const
{
    return m_search && m_search->WaitFor(0);
}

void SearchOwner::Start(const QString& procedure, Work work, TakeOver takeOver)
{
    if (Busy())
        return;
    // Called on the search's thread: the end is handled here, on the window's.
    m_search = std::make_unique<BackgroundSearch>(
        std::move(work), [this] { QMetaObject::invokeMethod(this, "SearchEnded", Qt::QueuedConnection); });
    m_procedure = procedure;
    m_takeOver = std::move(takeOver);
    m_state = State::Running;
    bool ended = false;
    {
        BusyCursor busy;
        ended = m_search->WaitFor(kQuietMilliseconds);
    }
    if (ended)
        Finish();
    else
        ShowRunning();
}

void SearchOwner::ShowRunning()
{
    m_view.updateSearchButton();
    m_view.stopButton->setVisible(true);
    m_view.stopButton->raise();
    m_escape->setEnabled(true);
    m_view.showProgress(m_search->Figures());
    m_progressTimer->start();
}

void SearchOwner::Stop()
{
    if (m_state != State::Running)
        return;
    m_state = State::Stopping;
    m_search->Stop();
}

void SearchOwner::WhenIdle(std::function<void()> task)
{
    if (Busy())
        m_waiting.push_back(std::move(task));
    else
        task();
}

void SearchOwner::End(int milliseconds)
{
    m_waiting.clear();
    m_progressTimer->stop();
    m_escape->setEnabled(false);
    if (!m_search)
        return;   // idle, or the takeover under way closes the window
    m_search->Stop();
    if (!m_search->WaitFor(milliseconds)) {
        m_search->Abandon();
        m_abandoned = true;
    }
    m_search.reset();
    m_view.stopButton->setVisible(false);
    m_state = State::Idle;
}

void SearchOwner::SearchEnded()
{
    // Also the late news of a search taken over already (it ended within
    // the quiet time) or let go when the window closed; the question goes
    // to the search itself, under its lock, which orders what its thread
    // wrote before everything read here.
    if (m_search && m_search->WaitFor(0))
        Finish();
}

void SearchOwner::Finish()
{
    m_progressTimer->stop();
    m_escape->setEnabled(false);
    m_view.stopButton->setVisible(false);
    BackgroundSearch::Result result = m_search->TakeResult();
    const bool stopped = result.stopped || m_search->StopRequested();
    m_search.reset();   // from here on nothing refers to the search
    m_state = State::TakingOver;
    m_view.updateSearchButton();
    if (stopped)
        m_view.showStopped();
    else
        TakeOverResult(result.output, result.error);
    BecomeIdle();
}

void SearchOwner::TakeOverResult(SearchOutput& output, const std::exception_ptr& error)
{
    const TakeOver takeOver = std::move(m_takeOver);
    try {
        BusyCursor busy;
        for (const QString& message : output.messages)
            MsgError(message);
        if (error)
            std::rethrow_exception(error);
        takeOver(output);
    } catch (...) {
        ReportError(m_procedure);
    }
}

void SearchOwner::BecomeIdle()
{
    m_state = State::Idle;
    m_view.updateSearchButton();
    while (!Busy() && !m_waiting.empty()) {
        const std::function<void()> task = std::move(m_waiting.front());
        m_waiting.pop_front();
        task();
    }
}
