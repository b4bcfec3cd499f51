#pragma once

#include "cli/CliOptions.h"
#include "hostdata/ResultTexts.h"
#include "hostdata/SearchInput.h"
#include "startup/Installation.h"

#include <QString>
#include <memory>

class CliOutput;
class SearchProgress;
struct SearchOutput;

// Exit status of kluni-cli.
enum CliExit : int { kExitFound = 0, kExitNothingFound = 1, kExitError = 2 };

// Runs one command of kluni-cli: the installation check, then the same steps
// the main window runs for it, reporting to progress. Messages go to the
// installed MessageSink.
class CliCommands {
public:
    CliCommands(const CliOptions& options, CliOutput& output, SearchProgress& progress);
    int Run();

    // Points the registry read at --resbase (when given) and runs the
    // installation check; a "Resourcen.Pak" notice is passed on to the
    // message sink and reported in resourcenPak. Null when the check stopped.
    // Shared with the benchmarks.
    static std::shared_ptr<const Installation> OpenInstallation(const QString& resBaseArgument,
                                                                bool* resourcenPak = nullptr);

private:
    int RunCheck();
    int RunSearch();
    int RunDate();
    int RunScan();
    int RunMod2();
    // Opens the installation, then runs step the way the window's handler
    // does: a run-time error is reported under the handler's name and ends
    // the command.
    template <typename Step>
    int InInstallation(const QString& procedure, Step step);
    // What a search of this command starts from: the installation, an empty
    // catalogue, the command's language.
    SearchInput Input() const;
    // The search's messages, then its list.
    int ShowModels(const SearchOutput& search, ListSource source);

    const CliOptions& m_options;
    CliOutput& m_output;
    SearchProgress& m_progress;
    std::shared_ptr<const Installation> m_installation;
};
