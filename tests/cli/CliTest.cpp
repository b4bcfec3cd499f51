// kluni-cli run as a separate process: one case per path through each
// command (a result, nothing found, an error) in text and JSON form.
#include "TestHost.h"
#include "SampleInstallation.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

std::string Compact(const QJsonObject& object) { return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString(); }

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
    QJsonObject Json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

// Runs kluni-cli in German with no input, no Wine prefix and no settings of
// the user (the whole file system is drive Z:, as in TestInstallation).
CliRun RunCli(const QStringList& arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("KLUNI_RESBASE");
    env.insert("LANGUAGE", "de");   // the tests read the German texts, whatever the machine's language
    env.insert("WINEPREFIX", QDir::temp().filePath("kluni-no-wine-prefix"));
    env.insert("XDG_CONFIG_HOME", QDir::temp().filePath("kluni-no-settings"));   // no remembered EEP folder
    QProcess process;
    process.setProcessEnvironment(env);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(KLUNI_CLI_EXE, arguments);
    CliRun run;
    // The bound only keeps a broken build from hanging the suite.
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    // Windows ends the program's text lines with CR LF; the texts compared are the same.
    run.out = QString::fromUtf8(process.readAllStandardOutput()).replace("\r\n", "\n");
    run.err = QString::fromUtf8(process.readAllStandardError()).replace("\r\n", "\n");
    return run;
}

// The strings of an array, or "file | section" of its records, one a line.
std::string Lines(const QJsonValue& array)
{
    QString out;
    for (const QJsonValue& v : array.toArray())
        out += (v.isObject() ? v["file"].toString() + " | " + v["section"].toString() : v.toString()) + "\n";
    return out.toStdString();
}

class Cli : public ::testing::Test {
protected:
    SampleInstallation inst;
    CliRun Run(QStringList args)
    {
        args.replaceInStrings("<root>", inst.NativeRoot());
        args.replaceInStrings("<today>", QDate::currentDate().toString("dd.MM.yyyy"));
        return RunCli(QStringList{"--resbase", inst.NativeRoot()} + args);
    }
};

TEST_F(Cli, EveryCommandWithItsResultNothingFoundAndError)
{
    QTemporaryDir elsewhere;
    // Where no link can be made (Windows) the row that goes through one is left out.
    const bool linked = TestHost::MakeLink(inst.NativePath("Immobilien"), elsewhere.filePath("Haeuser"));
    const QString notFound = "Sorry, aber in EEP\nist kein passendes Modell bekannt!\n";
    const QString dated = "haus_baum -- \\lselemente\\baum\\\tHaeuser\nhaus_baum -- \\lselemente\\baum\\\tBaeume\n";
    const QString stadtBrief = "haus1 -- \\immobilien\\stadt\\\tHaeuser\nhaus2 -- \\immobilien\\stadt\\\tHaeuser\n"
                               "huette -- \\immobilien\\stadt\\\tSchuppen\n";
    const struct {
        QStringList args;
        int exitCode;
        QString out;   // all of standard output
        QString err;   // a part of standard error
    } rows[] = {
        {{"search", "--name", "ini", "--op", "begins", "stadt"}, 0,
         QStringLiteral("haus1 -- \\immobilien\\stadt\\\n  finden Sie in EEP im Editor Immobilien\n  Gebäude\n"
                        "  -- Häuser\n  -- -- Stadthaus\n\n1 Modell\n1 ini-Datei wird vermisst\n"), ""},
        {{"search", "zzz"}, 1, notFound, ""},
        {{"search", "--op", "like", "[x"}, 2, "", "FilelistFromName"},
        {{"--brief", "date", "--preset", "today"}, 0, dated + stadtBrief, ""},
        {{"--brief", "date", "<today>", "01.01.2000"}, 0, dated + stadtBrief, ""},   // given backwards
        {{"date", "1.1.90", "31.12.1999"}, 1,
         "Im angegebenen Zeitraum sind keine Modelle\nzum ersten Mal installiert worden.\n", ""},
        {{"date", "32.01.2020", "01.02.2020"}, 2, "", QStringLiteral("Ungültiger Datums-Eintrag.")},
        {{"--brief", "scan", "<root>/Immobilien/Stadt"}, 0, stadtBrief, ""},
        {{"--brief", "scan", elsewhere.filePath("Haeuser") + "/Stadt/haus1.gsb"}, 0,
         "haus1 -- \\immobilien\\stadt\\\tHaeuser\n", ""},
        {{"scan", "<root>/LSElemente/Baum/eiche.ini"}, 1,
         "Unter den verschobenen Dateien\nbefand sich keine Modell Datei.\n", ""},
        {{"mod2", "\\immobilien\\stadt\\haus2.gsb"}, 0,
         "\\haus2.gsb\n[ ] Stadt\\fehlt\n[x] Stadt\\haus2\n1 mod2-Datei ist nicht vorhanden.\n", ""},
        {{"mod2", "<root>/LSElemente/Baum/eiche.gsb"}, 1, "Eiche\nKeine Anzeige möglich ohne die gsb-Datei.\n", ""},
        {{"frobnicate"}, 2, "", "Unbekannter Befehl: frobnicate"},
        {{"--version"}, 0, "kluni-cli " KLUNI_VERSION "\n", ""},
    };
    for (const auto& row : rows) {
        if (!linked && row.args.join(' ').contains(elsewhere.path()))
            continue;
        const CliRun run = Run(row.args);
        const std::string name = row.args.join(' ').toStdString();
        EXPECT_EQ(run.exitCode, row.exitCode) << name << "\n" << run.err.toStdString();
        EXPECT_EQ(run.out.toStdString(), row.out.toStdString()) << name;
        EXPECT_TRUE(run.err.contains(row.err)) << name << "\n" << run.err.toStdString();
    }
    EXPECT_TRUE(RunCli({"--help"}).out.startsWith("Aufruf: kluni-cli"));
}

TEST_F(Cli, JsonCarriesTheDetailAndTheProblemCounts)
{
    inst.WriteModel("Immobilien/Neu/neu.gsb", {});
    const QJsonObject search = Run({"--json", "--lang", "ENG", "search", "--name", "both", "haus"}).Json();
    EXPECT_EQ(search["count"].toInt(), 4);
    const QJsonObject haus1 = search["models"][0].toObject();
    EXPECT_EQ(Compact(haus1),
              R"({"categories":["Buildings","Houses"],"editor":4,"editorName":"Immobilien",)"
              R"("file":"\\immobilien\\stadt\\haus1.gsb","gsb":"haus1","gsbExists":true,"known":true,)"
              R"("mod2Missing":0,"name":"Town house","path":"\\immobilien\\stadt\\","section":"Haeuser"})");
    EXPECT_EQ(search["models"][1]["mod2Missing"].toInt(), 1);
    EXPECT_EQ(Lines(search["missingIni"]["files"]), "\\immobilien\\stadt\\haus2.ini\n");
    EXPECT_EQ(search["noNameIni"]["count"].toInt(), 2);   // Eiche and Hütte have no English name

    const QJsonObject scan = Run({"--json", "scan", "<root>/Immobilien/Neu", "<root>/LSElemente/Baum/haus_baum.gsb"}).Json();
    EXPECT_EQ(Lines(scan["models"]), "\\lselemente\\baum\\haus_baum.gsb | Haeuser\n"
                                     "\\lselemente\\baum\\haus_baum.gsb | Baeume\n\\immobilien\\neu\\neu.gsb | \tDropped\n");
    EXPECT_TRUE(!scan["models"][2]["known"].toBool() && scan["models"][2]["editor"].isNull());

    const QJsonObject mod2 = Run({"--json", "mod2", "<root>/Immobilien/Stadt/haus1.gsb"}).Json();
    EXPECT_EQ(Compact(mod2),
              QString(R"({"gsb":")" + inst.WindowsPath("Immobilien\\Stadt\\haus1.gsb").replace("\\", "\\\\")
               + R"(","gsbExists":true,"missing":0,"mod2":[{"exists":true,"name":"Stadt\\haus1"}],"name":"Stadthaus","note":""})")
                  .toStdString());

    // The check: its notices on standard error, a failed one stops before any output.
    inst.WriteBytes("../Resourcen.Pak", "PAK");
    const CliRun check = RunCli({"--resbase", inst.NativeRoot() + "/", "--json", "check"});
    EXPECT_EQ(check.exitCode, 0);
    EXPECT_EQ(check.Json()["resBase"].toString(), inst.ResBase());
    EXPECT_TRUE(check.Json()["resourcenPak"].toBool());
    EXPECT_TRUE(check.err.contains("Es wurde Datei 'Resourcen.Pak' im EEP-Verzeichnis gefunden!"));
    TestInstallation empty;
    const CliRun failed = RunCli({"--resbase", empty.NativeRoot(), "--json", "search", "haus"});
    EXPECT_EQ(failed.exitCode, 2);
    EXPECT_TRUE(failed.out.isEmpty());
    EXPECT_TRUE(failed.err.contains("Kann das EEP Categories-Verzeichnis nicht finden!"));
    const CliRun unnamed = RunCli({"check"});   // nothing names the folder: the tool names its option
    EXPECT_EQ(unnamed.exitCode, 2);
    EXPECT_TRUE(unnamed.err.contains("Resourcen-Verzeichnis") && unnamed.err.contains("--resbase"));
}

} // namespace

// The streamed JSON against QJsonDocument's writing of the same document,
// byte for byte, on the generated demo installation.
namespace {

// The document as QJsonDocument writes it, its top-level members in the
// order the stream gives them (the problem lists after the records).
QByteArray WrittenWhole(const QJsonObject& doc, bool compact)
{
    const QStringList order{"count", "models", "missingIni", "noNameIni"};
    const auto format = compact ? QJsonDocument::Compact : QJsonDocument::Indented;
    QByteArray out = compact ? "{" : "{\n";
    for (qsizetype i = 0; i < order.size(); ++i) {
        const QJsonValue v = doc.value(order.at(i));
        QByteArray value = v.isDouble() ? QByteArray::number(v.toInteger())
                           : v.isArray() ? QJsonDocument(v.toArray()).toJson(format)
                                         : QJsonDocument(v.toObject()).toJson(format);
        if (!compact) {
            value = value.trimmed().replace("\n", "\n    ");
            out += "    ";
        }
        out += "\"" + order.at(i).toUtf8() + (compact ? "\":" : "\": ") + value;
        if (i + 1 < order.size())
            out += compact ? "," : ",\n";
    }
    return out + (compact ? "}" : "\n}\n");
}

TEST(CliJsonStream, EqualsTheWholeDocumentWrittenAtOnce)
{
    const QString today = QDate::currentDate().toString("dd.MM.yyyy");
    const struct {
        QStringList arguments;
        int exitCode;
    } cases[] = {
        {{"search", "--name", "both", "_"}, 0},          // every model, details, both problem lists
        {{"--brief", "date", "01.01.1980", today}, 0},   // compact, no details
        {{"search", "zzzzqq"}, 1},                       // nothing found: an empty list
    };
    for (const auto& c : cases) {
        const QString name = c.arguments.join(' ');
        const CliRun run = RunCli(QStringList{"--resbase", KLUNI_DEMO_DIR "/Resourcen", "--json"} + c.arguments);
        ASSERT_EQ(run.exitCode, c.exitCode) << name.toStdString() << ": " << run.err.toStdString();
        const QJsonObject doc = run.Json();
        EXPECT_EQ(run.out.toUtf8(), WrittenWhole(doc, c.arguments.contains("--brief"))) << name.toStdString();
        if (c.exitCode == 0)
            EXPECT_GT(doc.value("models").toArray().size(), 10) << name.toStdString();
    }
}

} // namespace
