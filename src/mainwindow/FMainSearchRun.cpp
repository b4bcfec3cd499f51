// Searches beside the window: a search that has not ended after half a
// second shows its progress in the notice area and can be stopped with
// "Abbrechen" or Escape; the window stays usable meanwhile. The search works
// on its own input, and the window takes the output over only when it has
// ended, so a stopped search leaves the list, the detail and the history as
// they were. SearchOwner keeps the search and its states.

#include "mainwindow/FMain.h"

#include "mainwindow/NoticeArea.h"
#include "mainwindow/SearchOwner.h"

#include <QPushButton>

void FMain::CreateSearchOwner()
{
    cmdStop = new QPushButton(tr("Abbrechen"), this);
    cmdStop->setObjectName(QStringLiteral("cmdStop"));
    cmdStop->setGeometry(m_notice->IniButton()->geometry());
    cmdStop->setVisible(false);
    SearchOwner::View view;
    view.stopButton = cmdStop;
    view.showProgress = [this](const SearchProgress::Figures& figures) { ShowSearchProgress(figures); };
    view.showStopped = [this] {
        m_notice->Show(tr("Die Suche wurde abgebrochen; die Liste ist unverändert."), false);
    };
    view.updateSearchButton = [this] { UpdateSearchButton(); };
    m_searchOwner = new SearchOwner(this, std::move(view));
}

bool FMain::SearchBusy() const
{
    return m_searchOwner->Busy();
}

bool FMain::LeftSearchRunning() const
{
    return m_searchOwner->Abandoned();
}

// A search that extends the list, or scans into it as the start parameters
// do, starts from a copy of it; the others from an empty catalogue.
SearchInput FMain::NewSearchInput(bool gbExtend, bool keepList) const
{
    SearchInput input;
    input.installation = m_installation;
    if (gbExtend || keepList)
        input.catalogue = moModels;
    input.gbExtend = gbExtend;
    input.gtNameKey = gtNameKey;
    return input;
}

// work runs beside the window; takeOver then gets the ended search's output.
// While one search runs, no other starts.
void FMain::RunSearch(const QString& procedure, SearchWork work, SearchTakeOver takeOver)
{
    m_searchOwner->Start(procedure, std::move(work), std::move(takeOver));
}

FMain::SearchTakeOver FMain::ListTakeOver(int listSource)
{
    return [this, listSource](SearchOutput& output) {
        mlListSource = listSource;
        moModels = std::move(output.models);
        fillLbModels(moModels);
    };
}

void FMain::ShowSearchProgress(const SearchProgress::Figures& figures)
{
    const QString text = SearchProgress::Text(figures);
    m_notice->Show(text + QLatin1Char('\n') + tr("Esc oder \"Abbrechen\" beendet die Suche."), false);
}
