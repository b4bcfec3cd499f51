// Model files and directories named on the command line: how the one string
// is split, names relative to the working directory, and names that reach
// the installation through another drive.

#include "MainWindowFixture.h"

#include "hostdata/CommandLine.h"
#include "platform/HostPath.h"
#include "startup/ModuleState.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

namespace {

const QString kHaus1 = QStringLiteral("haus1 -- \\immobilien\\stadt\\");
const QString kHaus2 = QStringLiteral("haus2 -- \\immobilien\\stadt\\");
const QString kHuette = QStringLiteral("huette -- \\immobilien\\stadt\\");
const QString kHausBaum = QStringLiteral("haus_baum -- \\lselemente\\baum\\");
const QString kNeu = QStringLiteral("neu -- \\immobilien\\mit leer\\");
const QString kNotice = QStringLiteral("\n\nUnter den übergebenen Dateien\nbefand sich keine Modell Datei.");

// The fixture's installation and a model in a directory whose name holds a space.
class StartParamsWindow : public MainWindowUnderTest {
public:
    StartParamsWindow()
    {
        Fixture().Inst().WriteBytes(QStringLiteral("Immobilien/Mit Leer/neu.gsb"), MainWindowFixture::GsbBytes({}));
    }

    // The command line with the placeholders <haus1>, <haus2>, <neu> and
    // <stadt> replaced by the Windows paths of those models / that directory.
    QString CommandLineOf(QString text)
    {
        TestInstallation& inst = Fixture().Inst();
        text.replace(QLatin1String("<haus1>"), inst.WindowsPath(QStringLiteral("Immobilien\\Stadt\\haus1.gsb")));
        text.replace(QLatin1String("<haus2>"), inst.WindowsPath(QStringLiteral("Immobilien\\Stadt\\haus2.gsb")));
        text.replace(QLatin1String("<neu>"), inst.WindowsPath(QStringLiteral("Immobilien\\Mit Leer\\neu.gsb")));
        text.replace(QLatin1String("<stadt>"), inst.WindowsPath(QStringLiteral("Immobilien\\Stadt")));
        return text;
    }
};

} // namespace

class TestStartParams : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void splitsCommandLine_data();
    void splitsCommandLine();
    void relativeNamesAgainstWorkingDirectory();
    void namesThroughAnotherDriveFindTheirPlace();
};

void TestStartParams::splitsCommandLine_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("quoted with a space, then a plain name") << "\"<neu>\" <haus1>" << QStringList{kNeu, kHaus1};
    QTest::newRow("unclosed quote") << "\"<haus1> <haus2>" << QStringList{};
    QTest::newRow("names before an unclosed quote stay") << "<haus1> \"<haus2>" << QStringList{kHaus1};
    QTest::newRow("runs of spaces") << "   <haus1>      <haus2>   " << QStringList{kHaus1, kHaus2};
    QTest::newRow("empty quotes") << "\"\" <haus2>" << QStringList{kHaus2};
    QTest::newRow("blanks only") << "     " << QStringList{};
    QTest::newRow("name right behind a closing quote") << "\"<haus1>\"<haus2>" << QStringList{kHaus1, kHaus2};
    QTest::newRow("quote inside a plain name") << "<haus1>\" <haus2>" << QStringList{kHaus2};
    QTest::newRow("files before directories") << "<stadt> <haus2>" << QStringList{kHaus2, kHaus1, kHaus2, kHuette};
}

void TestStartParams::splitsCommandLine()
{
    QFETCH(QString, commandLine);
    QFETCH(QStringList, rows);

    StartParamsWindow ui;
    FMain* w = ui.Window();
    w->StartParams(ui.CommandLineOf(commandLine));
    QCOMPARE(ListRows(w), rows);
    QLabel* notice = ChildOf<QLabel>(w, "lblNothingFound");
    QCOMPARE(notice->isVisible(), rows.isEmpty());
    if (rows.isEmpty())
        QCOMPARE(notice->text(), kNotice);
    QVERIFY(ui.Messages().Entries().isEmpty());
}

void TestStartParams::relativeNamesAgainstWorkingDirectory()
{
    StartParamsWindow ui;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(ui.Fixture().Inst().NativePath(QStringLiteral("Immobilien"))));
    // As the arguments arrive on a system that splits them itself.
    const QStringList names = CommandLine::NamesFromArguments(
        {QStringLiteral("Stadt/haus1.gsb"), QStringLiteral("Mit Leer"), QStringLiteral("../LSElemente")});
    QDir::setCurrent(previous);

    ui.Window()->StartParams(names);
    QCOMPARE(ListRows(ui.Window()), (QStringList{kHaus1, kNeu, kHausBaum, kHausBaum}));
    QCOMPARE(LabelText(ui.Window(), "lblResult_2"), QStringLiteral("Immobilien"));
}

void TestStartParams::namesThroughAnotherDriveFindTheirPlace()
{
    // The installation is "C:\EEP\Resourcen"; the command line names its
    // model through "Z:", as Wine spells a path it got from the host.
    MainWindowFixture fixture;
    TestInstallation& inst = fixture.Inst();
    const QString driveC = QFileInfo(inst.NativePath(QStringLiteral("../.."))).canonicalFilePath();
    HostPath::SetDriveTable({{QLatin1Char('C'), driveC}, {QLatin1Char('Z'), QStringLiteral("/")}});
    inst.Activate();
    QCOMPARE(gMod.gtResBase, QStringLiteral("C:\\EEP\\Resourcen"));
    const QString viaZ = QStringLiteral("Z:") + driveC.toUpper().replace(QLatin1Char('/'), QLatin1Char('\\'))
        + QStringLiteral("\\EEP\\RESOURCEN\\Immobilien\\Stadt\\haus1.gsb");

    FMain window;
    window.show();
    QVERIFY(window.Init());
    window.StartParams(viaZ);
    QCOMPARE(ListRows(&window), QStringList{kHaus1});
    QCOMPARE(LabelText(&window, "lblResult_2"), QStringLiteral("Immobilien"));
}

QTEST_MAIN(TestStartParams)
#include "tst_startparams.moc"
