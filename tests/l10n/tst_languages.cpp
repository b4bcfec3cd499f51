// Every window, notice, message and the command-line tool in the interface
// language (no German source text left in English, French or Polish), and the
// category language following the interface until the user picks one.

#include "ControlLookup.h"
#include "TestInstallation.h"
#include "TsFile.h"
#include "cli/CliMain.h"
#include "mainwindow/FMain.h"
#include "platformui/QtMessageSink.h"
#include "sidewindows/FAbout.h"
#include "sidewindows/FIniShow.h"
#include "startup/InterfaceLanguage.h"

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

namespace {

// The German source texts that a language translates differently, cut at
// their placeholders: a text is German when it is one of these pieces or
// holds one of the longer ones (short ones may lie inside a translation).
class GermanTexts {
public:
    explicit GermanTexts(const QString& lang)
    {
        if (lang == QLatin1String("de"))
            return;   // German's own file holds only the forms of counted texts
        for (const TsMessage& m : ReadTsFile(lang))
            if (m.forms != QStringList{m.source})
                for (const QString& piece : Plain(m.source).split(QRegularExpression(QStringLiteral("%[1-9nmt]"))))
                    if (!piece.trimmed().isEmpty())
                        m_pieces.append(piece.trimmed());
    }

    // The German piece that the text shows, or nothing.
    QString In(const QString& shown) const
    {
        const QString text = Plain(shown).trimmed();
        if (!m_pieces.isEmpty() && text.contains(QRegularExpression(QStringLiteral("[äöüÄÖÜß]"))))
            return QStringLiteral("(German letters)");
        for (const QString& piece : m_pieces)
            if (text == piece || (piece.size() >= 15 && text.contains(piece)))
                return piece;
        return {};
    }

private:
    static QString Plain(QString text)
    {
        return text.replace(QLatin1String("\r\n"), QLatin1String("\n")).remove(QLatin1Char('&'));
    }

    QStringList m_pieces;
};

// Captions, labels, buttons, frames, list entries, menus and tooltips of a window.
QStringList TextsOf(QWidget* window)
{
    QStringList texts;
    QObjectList objects = window->findChildren<QObject*>();
    objects.append(window);
    for (const QObject* object : objects) {
        for (const char* property : {"windowTitle", "toolTip", "text", "title", "plainText"})
            texts << object->property(property).toString();
        if (const auto* list = qobject_cast<const QComboBox*>(object))
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
    }
    return texts;
}

void ExpectNoGerman(const GermanTexts& german, const QStringList& texts, const QString& where)
{
    for (const QString& text : texts) {
        const QString found = german.In(text);
        QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("%1: \"%2\" is German (%3)").arg(where, text, found)));
    }
}

void ExpectUniqueMnemonics(QWidget* window)
{
    QStringList keys;
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        const QString key = QKeySequence::mnemonic(button->text()).toString();
        QVERIFY2(key.isEmpty() || !keys.contains(key), qPrintable(window->objectName() + QLatin1Char(' ') + key));
        keys << key;
    }
}

// One model in a category, its ini file and one mod2 file missing (the
// detail and the ini-problem notice), and one model whose gsb file is missing.
void WriteInstallation(TestInstallation& inst)
{
    inst.WriteText("Categories/Models.ini", "[Sec]\nFile1=\\Objects\\alpha.gsb\nFile2=\\Objects\\beta.gsb\n");
    inst.WriteText("Categories/Static_structures/index.ini", "[Index]\nEntry1=c.ini\n");
    inst.WriteText("Categories/Static_structures/c.ini", "[Cat]\nName_ENG=Cat\nName_GER=Cat\nFilterSection=Sec\n"
                                                         "Name_FRA=Cat\nName_POL=Cat\n");
    inst.WriteModel("Objects/alpha.gsb", {"lost"});
    inst.MakeDir("Modelle");
    inst.Activate();
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { InterfaceLanguage::Install(QStringLiteral("de"), false); }

    void speaksTheInterfaceLanguage_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("yes");
        QTest::addColumn<QString>("no");
        QTest::newRow("de") << "de" << "&Ja" << "&Nein";
        QTest::newRow("en") << "en" << "&Yes" << "&No";
        QTest::newRow("fr") << "fr" << "&Oui" << "&Non";
        QTest::newRow("pl") << "pl" << "&Tak" << "&Nie";
    }

    void speaksTheInterfaceLanguage()
    {
        QFETCH(QString, lang);
        QFETCH(QString, yes);
        QFETCH(QString, no);
        InterfaceLanguage::Install(lang, true);
        const GermanTexts german(lang);   // nothing for German
        const auto box = QtMessageSink::MakeBox(QtMessageSink::BoxKind::Question, QStringLiteral("?"));
        QCOMPARE(box->button(QMessageBox::Yes)->text(), yes);
        QCOMPARE(box->button(QMessageBox::No)->text(), no);
        TestInstallation inst;
        WriteInstallation(inst);
        FMain window;
        window.show();
        QVERIFY(window.Init(inst.Activate()));
        if (lang == QLatin1String("de"))
            QCOMPARE(window.windowTitle(), QStringLiteral("Kluni - Such mal eben..."));
        C<QComboBox>(&window, "cbModel")->setEditText(QStringLiteral("a"));
        C<QPushButton>(&window, "cmdSearch")->click();   // results, detail and ini-problem notice
        QCOMPARE(C<QPlainTextEdit>(&window, "txEepPlace")->toPlainText().section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("Cat"));
        C<QPushButton>(&window, "cmdMod2")->click();
        C<QPushButton>(&window, "cmdVorschau")->click();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            ExpectNoGerman(german, TextsOf(top), top->objectName());
            ExpectUniqueMnemonics(top);
        }
        C<QComboBox>(&window, "cbModel")->setEditText(QStringLiteral("nothing"));
        C<QPushButton>(&window, "cmdSearch")->click();   // the nothing-found notice
        ExpectNoGerman(german, TextsOf(&window), QStringLiteral("nothing found"));
        // The date-swap question and the missing handbook.
        C<QRadioButton>(&window, "rbSearchStyle_1")->setChecked(true);
        C<QLineEdit>(&window, "txDate_0")->setText(QStringLiteral("02.01.2020"));
        C<QLineEdit>(&window, "txDate_1")->setText(QStringLiteral("01.01.2020"));
        C<QPushButton>(&window, "cmdSearch")->click();
        FAbout about;
        about.SetProgramDir(inst.ResBase());
        C<QPushButton>(&about, "cmdHandbook")->click();
        FIniShow iniProblems(IniProblems(), QStringLiteral("Name_GER"));
        for (QWidget* dialog : {static_cast<QWidget*>(&about), static_cast<QWidget*>(&iniProblems)}) {
            ExpectNoGerman(german, TextsOf(dialog), dialog->objectName());
            ExpectUniqueMnemonics(dialog);
        }
        QStringList messages;
        for (const auto& entry : inst.Messages().Entries())
            messages << entry.text;
        QCOMPARE(messages.size(), 2);
        const auto cli = [&](const QStringList& arguments) {
            QBuffer out;
            out.open(QIODevice::WriteOnly);
            RunKluniCli(arguments, out, out);
            messages << QString::fromUtf8(out.data());
        };
        cli({"--help"});
        cli({"--bogus"});
        cli({"--resbase", inst.NativeRoot(), "search", "nothing"});
        ExpectNoGerman(german, messages, QStringLiteral("messages and kluni-cli"));
    }

    // Labels of fixed width show their translated texts whole: a text too
    // wide for its label gets a smaller font, one that fits keeps the window's.
    void fixedLabelsFitTheirTexts_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("heading");
        QTest::newRow("de") << "de" << "Suche nach:";
        QTest::newRow("en") << "en" << "Search by:";
        QTest::newRow("fr") << "fr" << "Recherche\u00a0:";
        QTest::newRow("pl") << "pl" << "Szukaj według:";
    }

    void fixedLabelsFitTheirTexts()
    {
        QFETCH(QString, lang);
        QFETCH(QString, heading);
        InterfaceLanguage::Install(lang, false);
        FMain window;
        QCOMPARE(Text(&window, "Label5"), heading);
        const auto widest = [](const QString& text, const QFont& font) {
            int width = 0;
            for (const QString& line : text.split(QLatin1Char('\n')))
                width = std::max(width, QFontMetrics(font).horizontalAdvance(line));
            return width;
        };
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            const QString name = label->objectName();
            const int room = label->contentsRect().width();
            QVERIFY2(widest(label->text(), label->font()) <= room && label->font().pointSizeF() >= 7, qPrintable(name));
            QFont normal = label->font();
            normal.setPointSizeF(window.font().pointSizeF());
            if (widest(label->text(), normal) <= room)
                QVERIFY2(label->font().pointSizeF() == window.font().pointSizeF(), qPrintable(name));
        }
    }

    void categoryLanguageFollowsInterfaceUntilChosen()
    {
        InterfaceLanguage::Install(QStringLiteral("fr"), false);
        TestInstallation inst;
        WriteInstallation(inst);
        {
            FMain window;
            auto* lang = C<QComboBox>(&window, "cbLang");
            QCOMPARE(lang->currentText(), QStringLiteral("FRA"));
            lang->setCurrentIndex(3);
            Q_EMIT lang->activated(3);   // the user's choice
        }
        FMain window;
        QCOMPARE(C<QComboBox>(&window, "cbLang")->currentText(), QStringLiteral("POL"));
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
