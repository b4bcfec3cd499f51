// Where no registry names EEP's folder, start-up asks for it with a folder
// dialog: a folder without Models.ini is refused and asked for again, a valid
// one is remembered, cancel stops as before. The dialog is driven in place.

#include "ControlLookup.h"
#include "SampleInstallation.h"
#include "mainwindow/FMain.h"
#include "mainwindow/Startup.h"
#include "platformui/QtFolderChooser.h"
#include "startup/modRegApi.h"
#include "startup/modTools.h"
#include "platform/FolderChooser.h"

#include <QFileDialog>
#include <QTemporaryDir>
#include <QtTest>

class TestFolderChooser : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { FolderChooser::Install(nullptr); }
    void asksUntilValidAndRemembers();
    void cancelStops();

private:
    // Answers each dialog with the next folder; an empty one cancels.
    void Answer(const QStringList& folders);

    QTemporaryDir m_emptyWinePrefix;   // so that no registry of this machine is read
    QtFolderChooser m_chooser;
    QStringList m_titles;
};

void TestFolderChooser::init()
{
    qputenv("WINEPREFIX", m_emptyWinePrefix.path().toLocal8Bit());
    qunsetenv("KLUNI_RESBASE");
    m_titles.clear();
    FolderChooser::Install(&m_chooser);
}

void TestFolderChooser::Answer(const QStringList& folders)
{
    m_chooser.SetDriver([this, folders, next = 0](QDialog& dialog) mutable {
        m_titles << dialog.windowTitle();
        auto* view = dialog.findChild<QFileDialog*>();
        QVERIFY(view && view->filter().testFlag(QDir::Hidden));
        const QString folder = folders.value(next++);
        if (folder.isEmpty())
            return dialog.reject();
        view->selectFile(folder);
        QMetaObject::invokeMethod(view, "accept");   // as the dialog's "Choose" button does
    });
}

void TestFolderChooser::asksUntilValidAndRemembers()
{
    SampleInstallation inst;
    QTemporaryDir notEep;
    Answer({notEep.path(), inst.NativeRoot()});

    QVERIFY(RunStartup(QString()));
    QCOMPARE(m_titles, QStringList(2, QStringLiteral("EEP-Ordner \"Resourcen\" wählen")));
    const QStringList refusals = CriticalTexts(inst.Messages());
    QCOMPARE(refusals.size(), 1);
    QVERIFY(refusals[0].contains(notEep.path()) && refusals[0].contains(QStringLiteral("Categories\\Models.ini")));

    // The next start finds the folder without asking (a question would cancel).
    Answer({});
    QCOMPARE(GetResBase(), inst.ResBase());
    QVERIFY(RunStartup(QString()));
    QCOMPARE(m_titles.size(), 2);
}

void TestFolderChooser::cancelStops()
{
    TestInstallation inst;
    Answer({QString()});

    QVERIFY(!RunStartup(QStringLiteral("x.gsb")));
    QCOMPARE(m_titles.size(), 1);
    QCOMPARE(CriticalTexts(inst.Messages()),
             QStringList{FormatMsg(QStringLiteral("Kann das EEP %1-Verzeichnis nicht finden!%mBedenken Sie, dass Kluni "
                                                  "nur mit EEP bis einschliesslich Version 6%nzurecht kommt.%mDas "
                                                  "Programm wird daher abgebrochen!"),
                                   {QStringLiteral("Resourcen")})});
}

QTEST_MAIN(TestFolderChooser)
#include "tst_folderchooser.moc"
