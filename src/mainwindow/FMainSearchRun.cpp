// Searches beside the window: a search that has not ended after half a
// second shows its progress in the notice area and can be stopped with
// "Abbrechen" or Escape; the window stays usable meanwhile. The search works
// on its own context, and the window takes the results over only when it has
// ended, so a stopped search leaves the list, the detail and the history as
// they were.

#include "mainwindow/FMain.h"

#include "mainwindow/BackgroundSearch.h"
#include "mainwindow/BusyCursor.h"
#include "mainwindow/NoticeArea.h"
#include "startup/ModuleState.h"
#include "startup/modTools.h"

#include <QPushButton>
#include <QTimer>

namespace {

// A search that ends within this time is taken over at once, as if it had
// run right in the window: the user sees the busy cursor and then the list.
constexpr int kQuietMilliseconds = 500;
constexpr int kProgressEveryMilliseconds = 100;

} // namespace

void FMain::CreateSearchStop()
{
    cmdStop = new QPushButton(tr("Abbrechen"), this);
    cmdStop->setObjectName(QStringLiteral("cmdStop"));
    cmdStop->setGeometry(m_notice->IniButton()->geometry());
    cmdStop->setVisible(false);
    connect(cmdStop, &QPushButton::clicked, this, &FMain::cmdStop_Click);
    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(kProgressEveryMilliseconds);
    connect(m_progressTimer, &QTimer::timeout, this, &FMain::ShowSearchProgress);
}

// work runs beside the window on a context that starts from the module state
// and a copy of the catalogue; takeOver then gets the ended search's context.
// While one search runs, no other starts.
FMain::SearchTakeOver FMain::ListTakeOver(int listSource)
{
    return [this, listSource](SearchContext& context) {
        mlListSource = listSource;
        moModels = std::move(context.models);
        fillLbModels(moModels);
    };
}

void FMain::RunSearch(const QString& procedure, SearchWork work, SearchTakeOver takeOver)
{
    if (SearchRunning())
        return;
    m_searchProcedure = procedure;
    m_searchTakeOver = std::move(takeOver);
    m_search = std::make_unique<BackgroundSearch>(std::make_unique<SearchContext>(gMod, moModels), std::move(work));
    m_search->setParent(this);
    connect(m_search.get(), &BackgroundSearch::Ended, this, [this, search = m_search.get()] {
        if (m_search.get() == search)
            SearchEnded();
    });
    bool ended = false;
    {
        BusyCursor busy;
        ended = m_search->WaitFor(kQuietMilliseconds);
    }
    if (ended) {
        SearchEnded();
        return;
    }
    cmdSearch->setEnabled(false);
    cmdStop->setVisible(true);
    cmdStop->raise();
    ShowSearchProgress();
    m_progressTimer->start();
}

void FMain::ShowSearchProgress()
{
    const QString text = SearchProgress::Text(m_search->Context().progress.Current());
    m_notice->Show(text + QLatin1Char('\n') + tr("Esc oder \"Abbrechen\" beendet die Suche."), false);
}

void FMain::cmdStop_Click()
{
    if (SearchRunning())
        m_search->Stop();
}

void FMain::SearchEnded()
{
    m_progressTimer->stop();
    cmdStop->setVisible(false);
    // The search may have sent the signal that brought us here: it goes once
    // the event has been handled.
    BackgroundSearch* search = m_search.release();
    search->deleteLater();
    const SearchTakeOver takeOver = std::move(m_searchTakeOver);
    UpdateSearchButton();
    SearchContext& context = search->Context();
    if (context.stopped) {
        m_notice->Show(tr("Die Suche wurde abgebrochen; die Liste ist unverändert."), false);
        return;
    }
    try {
        BusyCursor busy;
        for (const QString& message : context.messages)
            MsgError(message);
        if (context.error)
            std::rethrow_exception(context.error);
        context.Publish();
        takeOver(context);
    } catch (...) {
        ReportError(m_searchProcedure);
    }
}
