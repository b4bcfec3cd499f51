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
#include "startup/ModuleState.h"
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
QStringList ProgramPaths(const QStringList& arguments)
{
    const InstallationPath installation(gMod.gtResBase);
    QStringList paths;
    for (const QString& argument : arguments)
        paths << installation.Recognise(CliPaths::ToProgramPath(argument));
    return paths;
}

} // namespace

CliCommands::CliCommands(const CliOptions& options, CliOutput& output)
    : m_options(options)
    , m_output(output)
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

bool CliCommands::OpenInstallation(const QString& resBaseArgument, const QString& nameKey, bool* resourcenPak)
{
    if (!resBaseArgument.isEmpty())
        SetResBaseOverride(CliPaths::ResBaseFromArgument(resBaseArgument));
    gMod.gtNameKey = nameKey;
    QString pakNotice;
    if (!CheckInstallation(&pakNotice)) {
        // The tool never asks for the folder; it says how to name it.
        if (gMod.gtResBase.isEmpty())
            MessageSink::Current().Plain(QCoreApplication::translate(
                "CliCommands", "Den EEP-Ordner \"Resourcen\" nennt die Option --resbase PFAD."));
        return false;
    }
    if (!pakNotice.isEmpty())
        MessageSink::Current().Plain(pakNotice);
    if (resourcenPak != nullptr)
        *resourcenPak = !pakNotice.isEmpty();
    return true;
}

template <typename Step>
int CliCommands::InInstallation(const QString& procedure, Step step) const
{
    if (!OpenInstallation(m_options.resBase, m_options.NameKey()))
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
    if (!OpenInstallation(m_options.resBase, m_options.NameKey(), &resourcenPak))
        return kExitError;
    m_output.Check(CheckReport::FromModuleState(resourcenPak));
    return kExitFound;
}

int CliCommands::RunSearch()
{
    return InInstallation(QStringLiteral("FMain.FilelistFromName"), [this] {
        CModels models;
        if (!Searches::ByName(models, m_options.oper, m_options.arguments.first(), m_options.nameSource))
            return int(kExitError);
        return ShowModels(models, ListSource::Name);
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
        CModels models;
        Searches::ByDate(models, from, to);
        return ShowModels(models, ListSource::Date);
    });
}

int CliCommands::RunScan()
{
    return InInstallation(QStringLiteral("FMain.FilelistDropped"), [this] {
        CModels models;
        Searches::Dropped(models, ProgramPaths(m_options.arguments));
        return ShowModels(models, ListSource::Dropped);
    });
}

int CliCommands::RunMod2()
{
    return InInstallation(QStringLiteral("FMod2.ShowFile"), [this] {
        CGsb gsb;
        gsb.Init(CliPaths::ToProgramPath(m_options.arguments.first()));
        m_output.Mod2(Mod2Report::Of(gsb));
        return int(gsb.GsbExists() ? kExitFound : kExitNothingFound);
    });
}

int CliCommands::ShowModels(const CModels& models, ListSource source)
{
    if (m_options.brief) {
        m_output.Models(models, source, nullptr);
    } else {
        DetailLookup details;
        if (models.Count() > 0)
            details.Init();
        m_output.Models(models, source, &details);
    }
    return models.Count() > 0 ? kExitFound : kExitNothingFound;
}
