#include "cli/CliCommands.h"

#include "cli/CheckReport.h"
#include "cli/CliOutput.h"
#include "cli/CliPaths.h"
#include "cli/DetailLookup.h"
#include "cli/Mod2Report.h"
#include "hostdata/CGsb.h"
#include "hostdata/CModels.h"
#include "hostdata/DateText.h"
#include "hostdata/InstallationPath.h"
#include "hostdata/Searches.h"
#include "platform/MessageSink.h"
#include "startup/modMain.h"
#include "startup/modRegApi.h"
#include "startup/modTools.h"

#include <QCoreApplication>
#include <QDate>
#include <utility>

namespace {

// The arguments as the window takes dropped names: paths that reach the
// installation through a link or another drive get its own spelling, so that
// "Models.ini" knows the models found there.
QStringList ProgramPaths(const QStringList& arguments, const QString& resBase)
{
    const InstallationPath installation(resBase);
    QStringList paths;
    for (const QString& argument : arguments)
        paths << installation.Recognise(CliPaths::ToProgramPath(argument, resBase));
    return paths;
}

// The messages a search raised, as the window shows them when it takes the
// search over.
void ShowMessages(const SearchOutput& search)
{
    for (const QString& message : search.messages)
        MsgError(message);
}

} // namespace

CliCommands::CliCommands(const CliOptions& options, CliOutput& output, SearchProgress& progress)
    : m_options(options)
    , m_output(output)
    , m_progress(progress)
{
}

int CliCommands::Run()
{
    switch (m_options.command) {
    case CliOptions::Command::Check: return RunCheck();
    case CliOptions::Command::Search: return RunSearch();
    case CliOptions::Command::Date: return RunDate();
    case CliOptions::Command::Scan: return RunScan();
    case CliOptions::Command::Mod2: return RunMod2();
    case CliOptions::Command::None: break;
    }
    return kExitError;
}

std::shared_ptr<const Installation> CliCommands::OpenInstallation(const QString& resBaseArgument,
                                                                 bool* resourcenPak)
{
    if (!resBaseArgument.isEmpty())
        SetResBaseOverride(CliPaths::ResBaseFromArgument(resBaseArgument));
    const InstallationCheck check = CheckInstallation();
    if (!check.installation) {
        // The tool never asks for the folder; it says how to name it.
        if (check.resBase.isEmpty())
            MessageSink::Current().Plain(QCoreApplication::translate(
                "CliCommands", "Den EEP-Ordner \"Resourcen\" nennt die Option --resbase PFAD."));
        return nullptr;
    }
    if (!check.pakNotice.isEmpty())
        MessageSink::Current().Plain(check.pakNotice);
    if (resourcenPak != nullptr)
        *resourcenPak = !check.pakNotice.isEmpty();
    return check.installation;
}

SearchInput CliCommands::Input() const
{
    SearchInput input;
    input.installation = m_installation;
    input.gtNameKey = m_options.NameKey();
    return input;
}

template <typename Step>
int CliCommands::InInstallation(const QString& procedure, Step step)
{
    m_installation = OpenInstallation(m_options.resBase);
    if (!m_installation)
        return kExitError;
    try {
        return step();
    } catch (...) {
        ReportError(procedure);
        return kExitError;
    }
}

int CliCommands::RunCheck()
{
    bool resourcenPak = false;
    m_installation = OpenInstallation(m_options.resBase, &resourcenPak);
    if (!m_installation)
        return kExitError;
    m_output.Check(CheckReport::From(*m_installation, resourcenPak));
    return kExitFound;
}

int CliCommands::RunSearch()
{
    return InInstallation(QStringLiteral("FMain.FilelistFromName"), [this] {
        const SearchOutput search =
            Searches::ByName(Input(), m_progress, m_options.oper, m_options.arguments.first(), m_options.nameSource);
        if (!search.result) {
            ShowMessages(search);
            return int(kExitError);
        }
        return ShowModels(search, ListSource::Name);
    });
}

int CliCommands::RunDate()
{
    QDate from;
    QDate to;
    if (m_options.preset >= 0) {
        to = QDate::currentDate();
        from = DateText::PresetFrom(m_options.preset, to);
    } else {
        from = DateText::Parse(m_options.arguments.at(0));
        to = DateText::Parse(m_options.arguments.at(1));
        if (!from.isValid() || !to.isValid()) {
            MsgError(FormatMsg(QCoreApplication::translate("FMain", "Ungültiger Datums-Eintrag.%mBitte korrigieren.")));
            return kExitError;
        }
    }
    // The window asks whether to swap a reversed range; here nobody can answer,
    // and the range meant is plain.
    if (from > to)
        std::swap(from, to);
    return InInstallation(QStringLiteral("FMain.FilelistFromDate"), [&] {
        return ShowModels(Searches::ByDate(Input(), m_progress, from, to), ListSource::Date);
    });
}

int CliCommands::RunScan()
{
    return InInstallation(QStringLiteral("FMain.FilelistDropped"), [this] {
        const QStringList paths = ProgramPaths(m_options.arguments, m_installation->gtResBase);
        return ShowModels(Searches::Dropped(Input(), m_progress, paths), ListSource::Dropped);
    });
}

int CliCommands::RunMod2()
{
    return InInstallation(QStringLiteral("FMod2.ShowFile"), [this] {
        CGsb gsb;
        gsb.Init(CliPaths::ToProgramPath(m_options.arguments.first(), m_installation->gtResBase),
                 m_installation->gtModelsDir);
        m_output.Mod2(Mod2Report::Of(gsb, m_options.NameKey()));
        return int(gsb.GsbExists() ? kExitFound : kExitNothingFound);
    });
}

int CliCommands::ShowModels(const SearchOutput& search, ListSource source)
{
    ShowMessages(search);
    if (m_options.brief) {
        m_output.Models(search, source, nullptr);
    } else {
        DetailLookup details(m_installation, m_options.NameKey());
        if (search.models.Count() > 0)
            details.Init();
        m_output.Models(search, source, &details);
    }
    return search.models.Count() > 0 ? kExitFound : kExitNothingFound;
}
