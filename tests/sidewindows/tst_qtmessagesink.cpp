// The Qt message boxes behind MsgError and AskYesNo (they live with the
// window code, so their test is built with the side windows' tests).
#include "platformui/QtMessageSink.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <QtTest>

class TestQtMessageSink : public QObject {
    Q_OBJECT

private:
    // Presses a button of the modal box as soon as the event loop of exec() runs.
    static void PressWhenShown(QMessageBox::StandardButton button)
    {
        QTimer::singleShot(0, [button] {
            QMessageBox* box = nullptr;
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* candidate = qobject_cast<QMessageBox*>(widget); candidate && candidate->isVisible())
                    box = candidate;
            }
            QVERIFY(box);
            if (button == QMessageBox::NoButton)
                box->reject();  // as if closed with the title bar or Escape
            else
                box->button(button)->click();
        });
    }

private Q_SLOTS:
    void boxesHaveTheirIconsButtonsAndCaption()
    {
        QWidget owner;
        owner.show();
        QApplication::setActiveWindow(&owner);

        const auto critical = QtMessageSink::MakeBox(QtMessageSink::BoxKind::Critical, QStringLiteral("Halt"));
        QCOMPARE(critical->icon(), QMessageBox::Critical);
        QCOMPARE(critical->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(critical->windowTitle(), QStringLiteral("Kluni"));
        QCOMPARE(critical->text(), QStringLiteral("Halt"));
        QCOMPARE(critical->parentWidget(), &owner);

        const auto question = QtMessageSink::MakeBox(QtMessageSink::BoxKind::Question, QStringLiteral("Ja?"));
        QCOMPARE(question->icon(), QMessageBox::Question);
        QCOMPARE(question->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(question->windowTitle(), QStringLiteral("Kluni"));

        const auto plain = QtMessageSink::MakeBox(QtMessageSink::BoxKind::Plain, QStringLiteral("Info"));
        QCOMPARE(plain->icon(), QMessageBox::NoIcon);
        QCOMPARE(plain->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void textIsShownAsWritten()
    {
        // A path whose first line looks like markup is still shown character
        // for character.
        for (const auto kind : {QtMessageSink::BoxKind::Critical, QtMessageSink::BoxKind::Question,
                                QtMessageSink::BoxKind::Plain}) {
            const auto box = QtMessageSink::MakeBox(kind, QStringLiteral("Kann die Datei Z:\\<b>\\Models.ini nicht lesen!"));
            QCOMPARE(box->textFormat(), Qt::PlainText);
        }
    }

    void onlyYesAnswersYes()
    {
        QtMessageSink sink;
        PressWhenShown(QMessageBox::Yes);
        QVERIFY(sink.AskYesNo(QStringLiteral("Weiter?")));
        PressWhenShown(QMessageBox::No);
        QVERIFY(!sink.AskYesNo(QStringLiteral("Weiter?")));
        PressWhenShown(QMessageBox::NoButton);
        QVERIFY(!sink.AskYesNo(QStringLiteral("Weiter?")));
    }
};

QTEST_MAIN(TestQtMessageSink)
#include "tst_qtmessagesink.moc"
