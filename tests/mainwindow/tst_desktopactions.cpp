// The command lines that file managers run from the installed desktop files:
// the menu entry's for model files, Dolphin's and Nemo's "In Kluni suchen" for
// folders, expanded as each file manager expands them, with names that hold
// blanks; the models named show up in the list.

#include "ControlLookup.h"
#include "SampleInstallation.h"
#include "hostdata/CommandLine.h"
#include "mainwindow/FMain.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QListView>
#include <QProcess>
#include <QtTest>

namespace {

// The value of a key in a group of a desktop-style file of the data folder.
QString DesktopValue(const QString& fileName, const QString& group, const QString& key)
{
    QFile file(QStringLiteral(KLUNI_DATA_DIR "/") + fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    bool inGroup = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line == QLatin1Char('[') + group + QLatin1Char(']');
        else if (inGroup && line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    }
    return QString();
}

// The program's arguments as the file manager passes them: %F is one argument
// per name (desktop entries), or, with Nemo's quoting, the quoted names put
// into the line that is then split as a shell splits it.
QStringList Expand(const QString& exec, const QString& quote, const QStringList& names)
{
    if (quote.isEmpty()) {
        QStringList arguments = QProcess::splitCommand(exec);
        const qsizetype at = arguments.indexOf(QStringLiteral("%F"));
        arguments.remove(at);
        for (qsizetype i = 0; i < names.size(); ++i)
            arguments.insert(at + i, names[i]);
        return arguments;
    }
    QStringList quoted;
    for (const QString& name : names)
        quoted << QLatin1Char('"') + name + QLatin1Char('"');
    return QProcess::splitCommand(QString(exec).replace(QLatin1String("%F"), quoted.join(QLatin1Char(' '))));
}

} // namespace

class TestDesktopActions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsTheNamedModels_data();
    void showsTheNamedModels();
};

void TestDesktopActions::showsTheNamedModels_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("rows");

    const QString haus1 = QStringLiteral("haus1 -- \\immobilien\\stadt\\");
    const QString neu = QStringLiteral("neu -- \\immobilien\\mit leer\\");
    const QString hausBaum = QStringLiteral("haus_baum -- \\lselemente\\baum\\");
    QTest::newRow("menu entry, model files") << "io.github.kluni.Kluni.desktop" << "Desktop Entry"
        << QStringList{"Immobilien/Mit Leer/neu.gsb", "Immobilien/Stadt/haus1.gsb"} << QStringList{neu, haus1};
    QTest::newRow("Dolphin, folders") << "io.github.kluni.Kluni.servicemenu.desktop"
        << "Desktop Action searchInKluni" << QStringList{"Immobilien/Mit Leer", "LSElemente"}
        << QStringList{neu, hausBaum, hausBaum};
    QTest::newRow("Nemo, folder and file") << "io.github.kluni.Kluni.nemo_action" << "Nemo Action"
        << QStringList{"Immobilien/Mit Leer", "Immobilien/Stadt/haus1.gsb"} << QStringList{haus1, neu};
}

void TestDesktopActions::showsTheNamedModels()
{
    QFETCH(QString, file);
    QFETCH(QString, group);
    QFETCH(QStringList, names);
    QFETCH(QStringList, rows);

    SampleInstallation inst;
    inst.WriteBytes(QStringLiteral("Immobilien/Mit Leer/neu.gsb"), TestInstallation::GsbBytes({}));
    inst.Activate();
    FMain window;
    window.show();
    QVERIFY(window.Init());
    for (QString& name : names)
        name = inst.NativePath(name);

    QStringList arguments = Expand(DesktopValue(file, group, QStringLiteral("Exec")),
                                   DesktopValue(file, group, QStringLiteral("Quote")), names);
    QCOMPARE(arguments.takeFirst(), QStringLiteral("kluni"));
    window.StartParams(CommandLine::NamesFromArguments(arguments));
    const QAbstractItemModel* list = C<QListView>(&window, "lbModels")->model();
    QStringList shown;
    for (int row = 0; row < list->rowCount(); ++row)
        shown << list->index(row, 0).data().toString();
    QCOMPARE(shown, rows);
}

QTEST_MAIN(TestDesktopActions)
#include "tst_desktopactions.moc"
