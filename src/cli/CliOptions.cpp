#include "cli/CliOptions.h"

#include <QCoreApplication>
#include <array>

namespace {

using Command = CliOptions::Command;

struct CommandName {
    const char* name;
    Command command;
};

constexpr std::array<CommandName, 5> kCommands{{
    {"check", Command::Check},
    {"search", Command::Search},
    {"date", Command::Date},
    {"scan", Command::Scan},
    {"mod2", Command::Mod2},
}};

const QStringList& Operators() { static const QStringList l{"contains", "exact", "begins", "ends", "like"}; return l; }
const QStringList& NameSources() { static const QStringList l{"gsb", "ini", "both"}; return l; }
const QStringList& Presets() { static const QStringList l{"today", "yesterday", "week", "month"}; return l; }
const QStringList& Languages() { static const QStringList l{"ENG", "GER", "FRA", "POL"}; return l; }

// Reads the command line front to back; the first error found wins.
class Parser {
public:
    explicit Parser(const QStringList& arguments) : m_args(arguments) {}

    CliParseResult Run()
    {
        for (int i = 0; i < m_args.size() && m_result.ok(); ++i)
            Take(i);
        if (m_result.ok() && !m_result.options.help && !m_result.options.version)
            CheckCommand();
        return m_result;
    }

private:
    void Take(int& i)
    {
        const QString& arg = m_args[i];
        if (m_endOfOptions || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            m_positional << arg;
            return;
        }
        if (arg == QLatin1String("--")) {
            m_endOfOptions = true;
            return;
        }
        QString name = arg;
        QString value;
        bool hasValue = false;
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        if (arg.startsWith(QLatin1String("--")) && eq > 2) {
            name = arg.left(eq);
            value = arg.mid(eq + 1);
            hasValue = true;
        }
        if (TakeFlag(name)) {
            if (hasValue)
                Fail(QCoreApplication::translate("CliOptions", "Die Option %1 nimmt keinen Wert.").arg(name));
            return;
        }
        if (!IsValueOption(name)) {
            Fail(QCoreApplication::translate("CliOptions", "Unbekannte Option: %1").arg(arg));
            return;
        }
        if (!hasValue) {
            if (i + 1 >= m_args.size()) {
                Fail(QCoreApplication::translate("CliOptions", "Die Option %1 braucht einen Wert.").arg(name));
                return;
            }
            value = m_args[++i];
        }
        TakeValue(name, value);
    }

    bool TakeFlag(const QString& name)
    {
        CliOptions& o = m_result.options;
        if (name == QLatin1String("--json"))
            o.json = true;
        else if (name == QLatin1String("--brief"))
            o.brief = true;
        else if (name == QLatin1String("--help") || name == QLatin1String("-h"))
            o.help = true;
        else if (name == QLatin1String("--version"))
            o.version = true;
        else
            return false;
        return true;
    }

    static bool IsValueOption(const QString& name)
    {
        static const QStringList names{"--resbase", "--lang", "--op", "--name", "--preset"};
        return names.contains(name);
    }

    void TakeValue(const QString& name, const QString& value)
    {
        CliOptions& o = m_result.options;
        if (name == QLatin1String("--resbase")) {
            if (value.isEmpty())
                Fail(QCoreApplication::translate("CliOptions", "Die Option --resbase braucht einen Pfad."));
            o.resBase = value;
        } else if (name == QLatin1String("--lang")) {
            const int i = Choice(name, value.toUpper(), Languages());
            if (i >= 0)
                o.language = Languages().at(i);
        } else if (name == QLatin1String("--op")) {
            o.oper = qint16(Choice(name, value, Operators()));
            m_searchOption = name;
        } else if (name == QLatin1String("--name")) {
            o.nameSource = NameSource(Choice(name, value, NameSources()));
            m_searchOption = name;
        } else {
            o.preset = Choice(name, value, Presets());
        }
    }

    int Choice(const QString& option, const QString& value, const QStringList& choices)
    {
        const int i = int(choices.indexOf(value));
        if (i < 0)
            Fail(QCoreApplication::translate("CliOptions", "Ungültiger Wert für %1: %2 (erlaubt: %3)")
                     .arg(option, value, choices.join(QLatin1Char('|'))));
        return i;
    }

    void CheckCommand()
    {
        if (m_positional.isEmpty()) {
            Fail(QCoreApplication::translate("CliOptions", "Kein Befehl angegeben."));
            return;
        }
        CliOptions& o = m_result.options;
        const QString name = m_positional.takeFirst();
        for (const CommandName& c : kCommands)
            if (name == QLatin1String(c.name))
                o.command = c.command;
        o.arguments = m_positional;
        if (o.command == Command::None)
            Fail(QCoreApplication::translate("CliOptions", "Unbekannter Befehl: %1").arg(name));
        else if (!m_searchOption.isEmpty() && o.command != Command::Search)
            Fail(QCoreApplication::translate("CliOptions",
                "Die Option %1 gilt nur für den Befehl search.").arg(m_searchOption));
        else if (o.preset >= 0 && o.command != Command::Date)
            Fail(QCoreApplication::translate("CliOptions", "Die Option --preset gilt nur für den Befehl date."));
        else
            CheckArgumentCount();
    }

    void CheckArgumentCount()
    {
        const CliOptions& o = m_result.options;
        const qsizetype n = o.arguments.size();
        switch (o.command) {
        case Command::Check:
            if (n != 0)
                Fail(QCoreApplication::translate("CliOptions", "check nimmt keine Argumente."));
            break;
        case Command::Search:
            if (n != 1 || o.arguments.first().isEmpty())
                Fail(QCoreApplication::translate("CliOptions", "search braucht genau einen nicht leeren Suchtext."));
            break;
        case Command::Date:
            if (o.preset >= 0 ? n != 0 : n != 2)
                Fail(QCoreApplication::translate("CliOptions", "date braucht entweder VON und BIS oder --preset."));
            break;
        case Command::Scan:
            if (n == 0)
                Fail(QCoreApplication::translate("CliOptions", "scan braucht mindestens einen Pfad."));
            break;
        case Command::Mod2:
            if (n != 1)
                Fail(QCoreApplication::translate("CliOptions", "mod2 braucht genau eine gsb-Datei."));
            break;
        case Command::None:
            break;
        }
    }

    void Fail(const QString& text)
    {
        if (m_result.ok())
            m_result.error = text;
    }

    const QStringList& m_args;
    CliParseResult m_result;
    QStringList m_positional;
    QString m_searchOption;     // --op or --name, when given
    bool m_endOfOptions = false;
};

} // namespace

CliParseResult ParseCliArguments(const QStringList& arguments)
{
    return Parser(arguments).Run();
}

QString CliHelpText()
{
    return QCoreApplication::translate("CliOptions",
        "Aufruf: kluni-cli [--resbase PFAD] [--lang ENG|GER|FRA|POL] [--json] [--brief] BEFEHL ...\n"
        "\n"
        "Kluni sagt, wo man ein Modell im EEP findet.\n"
        "\n"
        "Befehle:\n"
        "  check              prüft die EEP-Installation und zeigt, was gefunden wurde\n"
        "  search [--op contains|exact|begins|ends|like] [--name gsb|ini|both] TEXT\n"
        "                     sucht Modelle nach dem Namen (Vorgabe: --op contains --name gsb)\n"
        "  date VON BIS | date --preset today|yesterday|week|month\n"
        "                     sucht Modelle, die im Zeitraum zum 1. Mal installiert worden sind\n"
        "                     (Datum als TT.MM.JJJJ)\n"
        "  scan PFAD...       nimmt Modell-Dateien und Verzeichnisse wie beim Ziehen auf das Fenster\n"
        "  mod2 DATEI         die mod2-Liste einer gsb-Datei\n"
        "\n"
        "Optionen:\n"
        "  --resbase PFAD     das EEP-Verzeichnis \"Resourcen\" (statt des Registry-Eintrags)\n"
        "  --lang SPRACHE     Sprache für Kategorien: ENG, GER, FRA oder POL (Vorgabe: GER)\n"
        "  --json             ein JSON-Dokument statt Text\n"
        "  --brief            nur die Liste (Zeile und Sektion), ohne Einzelheiten\n"
        "  -h, --help         diese Hilfe\n"
        "  --version          die Version\n"
        "\n"
        "Pfade dürfen in der Form des Systems oder in Windows-Form angegeben werden; ein Pfad,\n"
        "der mit \\ beginnt, gilt relativ zum Resourcen-Verzeichnis.\n"
        "\n"
        "Rückgabewert: 0 mit Ergebnis, 1 wenn nichts gefunden wurde,\n"
        "2 bei Fehlern im Aufruf oder in der Installation.\n");
}
