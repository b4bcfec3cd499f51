#include "SideWindowFixture.h"
#include "platformui/ShellOpen.h"
#include "sidewindows/FAbout.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// Answers every open request with a fixed result and remembers the paths.
class FakeShellOpen : public ShellOpen {
public:
    explicit FakeShellOpen(int result) : m_result(result) {}
    int Open(const QString& windowsPath, QWidget*) override
    {
        opened << windowsPath;
        return m_result;
    }
    QStringList opened;

private:
    int m_result;
};

} // namespace

class TestAbout : public QObject, SideWindowTest::Fixture {
    Q_OBJECT

private:
    std::unique_ptr<FAbout> dialog;
    QString handbook;   // Windows-form path of the handbook in the test's directory

    QString Text(const char* label) const { return ChildOf<QLabel>(dialog.get(), label)->text(); }
    // The messages so far; each must carry the critical icon.
    QStringList Messages() const
    {
        const QStringList texts = CriticalTexts(inst->Messages());
        if (texts.size() != inst->Messages().Entries().size())
            qFatal("a message without the critical icon");
        return texts;
    }
    void PressHandbook(FakeShellOpen* shell)
    {
        dialog->SetShellOpen(shell);
        QTest::mouseClick(ChildOf<QPushButton>(dialog.get(), "cmdHandbook"), Qt::LeftButton);
    }

private Q_SLOTS:
    void init()
    {
        SetUp();
        dialog = std::make_unique<FAbout>();
        dialog->SetProgramDir(inst->WindowsPath("Programm"));
        handbook = inst->WindowsPath("Programm\\KurzAnleitung Kluni.pdf");
        dialog->open();
    }
    void cleanup()
    {
        dialog.reset();
        TearDown();
    }

    void showsTitleVersionAndTexts()
    {
        QCOMPARE(dialog->windowTitle(), QString("Info"));
        QCOMPARE(Text("lblTitle"), QString("Kluni"));
        QCOMPARE(Text("lblVersion"), QString("Version: 1.5.0"));
        QCOMPARE(Text("lblDescription"),
                 QString("Sie zeigt Ihnen, wo ein Modell in den Untiefen der EEP-Kategorien zu finden ist."));
        QCOMPARE(Text("lblWarning"), QString("Beachten Sie, daß alle Annahmen über den Aufbau der Kategorien auf "
                                             "Beobachtungen und Gerüchten beruhen!\r\n\r\nDie Korrektheit der "
                                             "Ergebnisse kann also nicht garantiert werden..."));
        QVERIFY(!ChildOf<QLabel>(dialog.get(), "picIcon")->pixmap().isNull());
        QVERIFY(!ChildOf<QLabel>(dialog.get(), "imgKluni")->pixmap().isNull());
    }

    void missingHandbook()
    {
        FakeShellOpen shell(ShellOpen::kSuccess);
        PressHandbook(&shell);
        QVERIFY(shell.opened.isEmpty());
        QCOMPARE(Messages(),
                 QStringList("Sorry,\r\naber ich kann die Datei\r\n\r\n" + handbook + "\r\n\r\nnicht finden..."));
    }

    void handbookOpensOrSaysWhyNot()
    {
        inst->WriteBytes("Programm/KurzAnleitung Kluni.pdf", "%PDF-1.4");
        FakeShellOpen opens(ShellOpen::kSuccess);
        PressHandbook(&opens);
        QCOMPARE(opens.opened, QStringList(handbook));
        QVERIFY(Messages().isEmpty());

        FakeShellOpen unassociated(ShellOpen::kNoAssociation);
        PressHandbook(&unassociated);
        FakeShellOpen failing(ShellOpen::kFileNotFound);
        PressHandbook(&failing);
        const QString head = "Sorry, aber die Datei\r\n\r\n" + handbook + "\r\n\r\nkann nicht angezeigt werden";
        QCOMPARE(Messages(), QStringList({head + ",\r\nweil auf Ihrem Rechner kein Programm für die Dateiendung "
                                                 "'.pdf' zuständig ist.",
                                          head + ".\r\n\r\n(Fehler-Code: 2)"}));
        QVERIFY(dialog->isVisible());
    }

    void fileWithoutExtension()
    {
        const QString dir = inst->WindowsPath("Programm");
        if (dir.contains('.'))
            QSKIP("the temporary directory has a dot in its path");
        inst->WriteBytes("Programm/LiesMich", "text");
        FakeShellOpen unassociated(ShellOpen::kNoAssociation);
        dialog->SetShellOpen(&unassociated);
        dialog->ShowFile("LiesMich");
        QCOMPARE(Messages().size(), 1);
        QVERIFY(Messages().first().endsWith("für die Dateiendung '' zuständig ist."));
    }

    void desktopActionReportsMissingFiles()
    {
        DesktopShellOpen desktop;
        QCOMPARE(desktop.Open(inst->WindowsPath("fehlt.pdf"), nullptr), ShellOpen::kFileNotFound);
        QCOMPARE(desktop.Open("\\\\server\\share\\x.pdf", nullptr), ShellOpen::kFileNotFound);
    }

    void zirboOnlyWhileTheButtonIsHeld()
    {
        auto* label = ChildOf<QLabel>(dialog.get(), "lblZirbo");
        auto* zirbo = ChildOf<QLabel>(dialog.get(), "imgZirbo");
        QVERIFY(zirbo->isHidden());
        QTest::mousePress(label, Qt::RightButton);
        QVERIFY(!zirbo->isHidden());
        QTest::mouseRelease(label, Qt::RightButton);
        QVERIFY(zirbo->isHidden());
    }

    void enterCloses()
    {
        QTest::keyClick(dialog.get(), Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
