#pragma once

#include "cli/CliOptions.h"
#include "hostdata/ResultTexts.h"

#include <QString>

class CliOutput;
class CModels;

// Exit status of kluni-cli.
enum CliExit : int { kExitFound = 0, kExitNothingFound = 1, kExitError = 2 };

// Runs one command of kluni-cli: the installation check, then the same steps
// the main window runs for it. Messages go to the installed MessageSink.
class CliCommands {
public:
    CliCommands(const CliOptions& options, CliOutput& output);
    int Run();

    // Points the registry read at --resbase (when given), sets the category
    // language and runs the installation check; a "Resourcen.Pak" notice is
    // passed on to the message sink and reported in resourcenPak. Shared with
    // the benchmarks.
    static bool OpenInstallation(const QString& resBaseArgument, const QString& nameKey,
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
    int InInstallation(const QString& procedure, Step step) const;
    int ShowModels(const CModels& models, ListSource source);

    const CliOptions& m_options;
    CliOutput& m_output;
};
