// Files and directories dropped onto the result list or the nothing-found
// notice: replacing and extending, what counts as a model file, content that
// is no file list, and paths that reach the installation by other routes.

#include "MainWindowFixture.h"

#include "platform/HostPath.h"
#include "startup/ModuleState.h"

#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

const QString kHaus1 = QStringLiteral("haus1 -- \\immobilien\\stadt\\");
const QString kHaus2 = QStringLiteral("haus2 -- \\immobilien\\stadt\\");
const QString kDroppedNotice = QStringLiteral("\n\nUnter den verschobenen Dateien\nbefand sich keine Modell Datei.");

QWidget* ListTarget(QWidget* w)
{
    return ChildOf<QListView>(w, "lbModels")->viewport();
}

QWidget* NoticeTarget(QWidget* w)
{
    return ChildOf<QLabel>(w, "lblNothingFound");
}

// Drags the data over the target and drops it there, as a file manager does.
void DropData(QWidget* target, const QMimeData& data, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPointF(centre), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
}

void DropFiles(QWidget* target, const QStringList& nativePaths, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QList<QUrl> urls;
    for (const QString& path : nativePaths)
        urls << QUrl::fromLocalFile(path);
    QMimeData data;
    data.setUrls(urls);
    DropData(target, data, modifiers);
}

class DropWindow : public MainWindowUnderTest {
public:
    QString Native(const QString& rel) { return Fixture().Inst().NativePath(rel); }
};

} // namespace

class TestDrops : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void replacesListWithWhatWasDropped();
    void sameFileTwiceWithShiftShowsOnce();
    void dropOnNoticeKeepsSearchText();
    void shiftAppendsBehindDateResult();
    void upperCaseGsbCountsOnlyInsideDirectory();
    void ignoresContentThatIsNoLocalFile();
    void wineDriveAndLinksLeadToTheInstallation();
};

void TestDrops::replacesListWithWhatWasDropped()
{
    DropWindow ui;
    QWidget* w = ui.Window();
    DropFiles(ListTarget(w), {ui.Native("Immobilien/Stadt/haus1.gsb")});
    QCOMPARE(ListRows(w), QStringList{kHaus1});
    QCOMPARE(LabelText(w, "lblCount"), QStringLiteral("1 Modell"));
    QCOMPARE(LabelText(w, "lblResult_2"), QStringLiteral("Immobilien"));

    // A directory without models: the notice, and the detail of the model
    // shown before stays beside it.
    DropFiles(ListTarget(w), {ui.Native("Modelle")});
    QVERIFY(ListRows(w).isEmpty());
    QVERIFY(NoticeTarget(w)->isVisible());
    QCOMPARE(LabelText(w, "lblNothingFound"), kDroppedNotice);
    QVERIFY(!ChildOf<QListView>(w, "lbModels")->isVisible());
    QCOMPARE(LabelText(w, "lblResult_0"), QStringLiteral("\\immobilien\\stadt\\haus1.gsb"));
    QVERIFY(ui.Messages().Entries().isEmpty());
}

void TestDrops::sameFileTwiceWithShiftShowsOnce()
{
    DropWindow ui;
    QWidget* w = ui.Window();
    const QString haus1 = ui.Native("Immobilien/Stadt/haus1.gsb");
    DropFiles(ListTarget(w), {haus1});
    DropFiles(ListTarget(w), {haus1}, Qt::ShiftModifier);
    QCOMPARE(ListRows(w), QStringList{kHaus1});

    // Shift extends this one drop; the box stays unticked and the next drop replaces.
    DropFiles(ListTarget(w), {ui.Native("Immobilien/Stadt/haus2.gsb"), haus1}, Qt::ShiftModifier);
    QCOMPARE(ListRows(w), (QStringList{kHaus1, kHaus2}));
    QVERIFY(!ChildOf<QCheckBox>(w, "chkExtend")->isChecked());
    DropFiles(ListTarget(w), {ui.Native("Immobilien/Stadt/haus2.gsb")});
    QCOMPARE(ListRows(w), QStringList{kHaus2});

    // The ticked box extends as Shift does.
    ChildOf<QCheckBox>(w, "chkExtend")->setChecked(true);
    DropFiles(ListTarget(w), {haus1, ui.Native("Immobilien/Stadt/haus2.gsb")});
    QCOMPARE(ListRows(w), (QStringList{kHaus2, kHaus1}));
}

void TestDrops::dropOnNoticeKeepsSearchText()
{
    DropWindow ui;
    QWidget* w = ui.Window();
    auto* name = ChildOf<QComboBox>(w, "cbModel");
    auto* search = ChildOf<QPushButton>(w, "cmdSearch");
    ui.Search(QStringLiteral("nirgends"));
    QVERIFY(NoticeTarget(w)->isVisible());

    DropFiles(NoticeTarget(w), {ui.Native("Immobilien/Stadt/haus1.gsb")});
    QCOMPARE(ListRows(w), QStringList{kHaus1});
    QCOMPARE(name->currentText(), QStringLiteral("nirgends"));
    QVERIFY(search->isEnabled());

    // A drop on the list empties the name, and so disables the search.
    DropFiles(ListTarget(w), {ui.Native("Immobilien/Stadt/haus2.gsb")});
    QCOMPARE(ListRows(w), QStringList{kHaus2});
    QCOMPARE(name->currentText(), QString());
    QVERIFY(!search->isEnabled());
}

void TestDrops::shiftAppendsBehindDateResult()
{
    DropWindow ui;
    QWidget* w = ui.Window();
    ui.Fixture().Inst().WriteBytes(QStringLiteral("Extra/neu.gsb"), MainWindowFixture::GsbBytes({}));
    ChildOf<QRadioButton>(w, "rbSearchStyle_1")->setChecked(true);
    ChildOf<QPushButton>(w, "cmdTimeSpan_0")->click();
    ChildOf<QPushButton>(w, "cmdSearch")->click();
    const QStringList dated = ListRows(w);
    QVERIFY(dated.contains(kHaus1));
    QVERIFY(!dated.contains(QStringLiteral("neu -- \\extra\\")));   // not below a date search root

    DropFiles(ListTarget(w), {ui.Native("Extra")}, Qt::ShiftModifier);
    QCOMPARE(ListRows(w), dated + QStringList{QStringLiteral("neu -- \\extra\\")});
    QCOMPARE(LabelText(w, "lblCount"), QStringLiteral("%1 Modelle").arg(dated.size() + 1));
}

void TestDrops::upperCaseGsbCountsOnlyInsideDirectory()
{
    DropWindow ui;
    QWidget* w = ui.Window();
    ui.Fixture().Inst().WriteBytes(QStringLiteral("Drop/Inner.GSB"), MainWindowFixture::GsbBytes({}));
    ui.Fixture().Inst().WriteText(QStringLiteral("Drop/Inner.ini"), QStringLiteral("[Info]\nName_GER=Innen\n"));

    DropFiles(ListTarget(w), {ui.Native("Drop/Inner.GSB"), ui.Native("Drop/Inner.ini")});
    QVERIFY(NoticeTarget(w)->isVisible());
    QCOMPARE(LabelText(w, "lblNothingFound"), kDroppedNotice);

    DropFiles(NoticeTarget(w), {ui.Native("Drop")});
    QCOMPARE(ListRows(w), QStringList{QStringLiteral("inner -- \\drop\\")});
    QCOMPARE(LabelText(w, "lblResult_1"), QStringLiteral("ist im EEP nicht bekannt"));
}

void TestDrops::ignoresContentThatIsNoLocalFile()
{
    DropWindow ui;
    QWidget* w = ui.Window();
    DropFiles(ListTarget(w), {ui.Native("Immobilien/Stadt/haus2.gsb")});

    // Text and a web address, with Shift: the list is rebuilt as it was.
    QMimeData text;
    text.setText(ui.Native("Immobilien/Stadt/haus1.gsb"));
    DropData(ListTarget(w), text, Qt::ShiftModifier);
    QCOMPARE(ListRows(w), QStringList{kHaus2});
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.org/haus1.gsb"))});
    DropData(ListTarget(w), web, Qt::ShiftModifier);
    QCOMPARE(ListRows(w), QStringList{kHaus2});
    QCOMPARE(ChildOf<QListView>(w, "lbModels")->currentIndex().row(), 0);

    // Without extending, the list gives way to the notice.
    DropData(ListTarget(w), text);
    QVERIFY(ListRows(w).isEmpty());
    QCOMPARE(LabelText(w, "lblNothingFound"), kDroppedNotice);
    QVERIFY(ui.Messages().Entries().isEmpty());
}

void TestDrops::wineDriveAndLinksLeadToTheInstallation()
{
    // The installation lies on drive C: of a Wine prefix, "C:\EEP\Resourcen",
    // whose drive the prefix names through a link. A file manager hands over
    // real paths, or paths through other links.
    MainWindowFixture fixture;
    TestInstallation& inst = fixture.Inst();
    const QString realDrive = QFileInfo(inst.NativePath(QStringLiteral("../.."))).canonicalFilePath();
    QTemporaryDir prefix;
    const QString linkedDrive = prefix.filePath(QStringLiteral("drive_c"));
    QVERIFY(QFile::link(realDrive, linkedDrive));
    QVERIFY(QFile::link(inst.NativePath(QStringLiteral("Immobilien")), prefix.filePath(QStringLiteral("immo"))));
    HostPath::SetDriveTable({{QLatin1Char('C'), linkedDrive}, {QLatin1Char('Z'), QStringLiteral("/")}});
    gMod.gtResBase = QStringLiteral("C:\\EEP\\Resourcen");
    gMod.gtCategoriesDir = gMod.gtResBase + QStringLiteral("\\Categories");
    gMod.gtModelsDir = gMod.gtResBase + QStringLiteral("\\Modelle");
    gMod.gtModelsIni = gMod.gtCategoriesDir + QStringLiteral("\\Models.ini");
    gMod.gtNameKey = QStringLiteral("Name_GER");

    FMain window;
    window.show();
    QVERIFY(window.Init());
    DropFiles(ListTarget(&window), {inst.NativePath(QStringLiteral("Immobilien/Stadt/haus1.gsb")),
                                    prefix.filePath(QStringLiteral("immo/Stadt")),
                                    linkedDrive + QStringLiteral("/EEP/Resourcen/LSElemente")});
    QCOMPARE(ListRows(&window), (QStringList{kHaus1, kHaus1, kHaus2, QStringLiteral("huette -- \\immobilien\\stadt\\"),
                                             QStringLiteral("haus_baum -- \\lselemente\\baum\\"),
                                             QStringLiteral("haus_baum -- \\lselemente\\baum\\")}));
    QCOMPARE(LabelText(&window, "lblResult_2"), QStringLiteral("Immobilien"));
}

QTEST_MAIN(TestDrops)
#include "tst_drops.moc"
