#pragma once

// A small installation for the main window's tests, and helpers to reach the
// window's controls by name.

#include "ControlLookup.h"
#include "TestInstallation.h"
#include "mainwindow/FMain.h"

#include <QAbstractItemModel>
#include <QByteArray>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>
#include <QtEndian>
#include <memory>

// The installation:
// (Model paths are written as EEP writes them, from the resource directory.)
//  - "Immobilien\Stadt\haus1.gsb": section Haeuser (Gebäude > Häuser), ini
//    names in German and English, its one mod2 file present.
//  - "Immobilien\Stadt\haus2.gsb": section Haeuser, no ini file, one of its
//    two mod2 files missing.
//  - "LSElemente\Baum\eiche.gsb": section Baeume (Natur), listed but the gsb
//    file is missing; ini file with a German name only.
//  - "Immobilien\Stadt\huette.gsb": section Schuppen, which no category uses.
//  - "LSElemente\Baum\haus_baum.gsb": section Baeume and section Haeuser.
class MainWindowFixture {
public:
    MainWindowFixture()
    {
        WriteCategories();
        WriteModels();
    }

    TestInstallation& Inst() { return m_inst; }
    RecordingMessageSink& Messages() { return m_inst.Messages(); }

    // A gsb file that names the given mod2 files (paths below "Modelle",
    // without extension), each as a length-prefixed string.
    static QByteArray GsbBytes(const QStringList& mod2Names)
    {
        QByteArray bytes("GSBHEAD1");
        for (const QString& name : mod2Names) {
            const QByteArray text = name.toLatin1();
            quint32 length = qToLittleEndian(quint32(text.size()));
            bytes.append(reinterpret_cast<const char*>(&length), 4);
            bytes.append(text);
            bytes.append("padding!");
        }
        return bytes;
    }

private:
    void WriteCategories()
    {
        m_inst.WriteText(QStringLiteral("Categories/Models.ini"),
                         QStringLiteral("[Haeuser]\n"
                                        "File1=\\Immobilien\\Stadt\\haus1.gsb\n"
                                        "File2=\\Immobilien\\Stadt\\haus2.gsb\n"
                                        "File3=\\LSElemente\\Baum\\haus_baum.gsb\n"
                                        "[Baeume]\n"
                                        "File1=\\LSElemente\\Baum\\eiche.gsb\n"
                                        "File2=\\LSElemente\\Baum\\haus_baum.gsb\n"
                                        "[Schuppen]\n"
                                        "File1=\\Immobilien\\Stadt\\huette.gsb\n"));
        m_inst.WriteText(QStringLiteral("Categories/Static_structures/index.ini"),
                         QStringLiteral("[Index]\nEntry1=gebaeude.ini\n"));
        m_inst.WriteText(QStringLiteral("Categories/Static_structures/gebaeude.ini"),
                         QStringLiteral("[Gebaeude]\nName_GER=Gebäude\nName_ENG=Buildings\nFilterSection=Gebaeude\n"
                                        "[Haeuser]\nName_GER=Häuser\nName_ENG=Houses\nFilterSection=Haeuser\n"));
        m_inst.WriteText(QStringLiteral("Categories/Landscape_elements/index.ini"),
                         QStringLiteral("[Index]\nEntry1=natur.ini\n"));
        m_inst.WriteText(QStringLiteral("Categories/Landscape_elements/natur.ini"),
                         QStringLiteral("[Natur]\nName_GER=Natur\nName_ENG=Nature\nFilterSection=Baeume\n"));
    }

    void WriteModels()
    {
        m_inst.WriteBytes(QStringLiteral("Immobilien/Stadt/haus1.gsb"), GsbBytes({QStringLiteral("Stadt\\haus1")}));
        m_inst.WriteText(QStringLiteral("Immobilien/Stadt/haus1.ini"),
                         QStringLiteral("[Info]\nName_GER=Stadthaus\nName_ENG=Town house\n"));
        m_inst.WriteBytes(QStringLiteral("Immobilien/Stadt/haus2.gsb"),
                          GsbBytes({QStringLiteral("Stadt\\haus2"), QStringLiteral("Stadt\\fehlt")}));
        m_inst.WriteText(QStringLiteral("LSElemente/Baum/eiche.ini"), QStringLiteral("[Info]\nName_GER=Eiche\n"));
        m_inst.WriteBytes(QStringLiteral("Immobilien/Stadt/huette.gsb"), GsbBytes({}));
        m_inst.WriteText(QStringLiteral("Immobilien/Stadt/huette.ini"), QStringLiteral("[Info]\nName_GER=Hütte\n"));
        m_inst.WriteBytes(QStringLiteral("LSElemente/Baum/haus_baum.gsb"), GsbBytes({}));
        m_inst.WriteText(QStringLiteral("LSElemente/Baum/haus_baum.ini"),
                         QStringLiteral("[Info]\nName_GER=Baumhaus\nName_ENG=Tree house\n"));
        m_inst.WriteBytes(QStringLiteral("Modelle/Stadt/haus1.mod2"), QByteArray("mod2"));
        m_inst.WriteBytes(QStringLiteral("Modelle/Stadt/haus2.mod2"), QByteArray("mod2"));
    }

    TestInstallation m_inst;
};

// The fixture's installation with a main window on it, initialised as start-up
// leaves it (without the installation check).
class MainWindowUnderTest {
public:
    MainWindowUnderTest()
    {
        m_fixture.Inst().Activate();
        m_window = std::make_unique<FMain>();
        m_window->show();
        m_window->Init();
    }

    FMain* Window() const { return m_window.get(); }
    MainWindowFixture& Fixture() { return m_fixture; }
    RecordingMessageSink& Messages() { return m_fixture.Messages(); }

    // Types a name, picks operator and name source, presses "&Such !".
    void Search(const QString& text, int oper = 0, int source = 0);

private:
    MainWindowFixture m_fixture;
    std::unique_ptr<FMain> m_window;
};

inline void MainWindowUnderTest::Search(const QString& text, int oper, int source)
{
    QWidget* w = m_window.get();
    ChildOf<QComboBox>(w, "cbOper")->setCurrentIndex(oper);
    ChildOf<QRadioButton>(w, qPrintable(QStringLiteral("rbModelName_%1").arg(source)))->setChecked(true);
    ChildOf<QComboBox>(w, "cbModel")->setEditText(text);
    QPushButton* search = ChildOf<QPushButton>(w, "cmdSearch");
    QVERIFY(search->isEnabled());
    search->click();
}

inline QStringList ListRows(QWidget* window)
{
    const QAbstractItemModel* rows = ChildOf<QListView>(window, "lbModels")->model();
    QStringList texts;
    for (int i = 0; i < rows->rowCount(); ++i)
        texts << rows->index(i, 0).data().toString();
    return texts;
}

inline QString LabelText(QWidget* window, const char* name)
{
    return ChildOf<QLabel>(window, name)->text();
}
