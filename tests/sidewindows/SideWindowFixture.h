#pragma once

// What the side-window tests share: their set-up, models written into the
// installation, and the way a model is handed to a window.

#include "ControlLookup.h"
#include "TestInstallation.h"
#include "hostdata/CGsb.h"
#include "platformui/Twips.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

namespace SideWindowTest {

// An active installation with a "Modelle" directory, and a shown window that
// can own the side window under test. The owner goes first, so that side
// windows closed with it still store their place in the installation's
// settings.
class Fixture {
protected:
    std::unique_ptr<TestInstallation> inst;
    std::unique_ptr<QWidget> owner;

    void SetUp()
    {
        inst = std::make_unique<TestInstallation>();
        inst->MakeDir("Modelle");
        inst->Activate();
        owner = std::make_unique<QWidget>();
        owner->show();
    }
    void TearDown()
    {
        owner.reset();
        inst.reset();
    }
};

// Reads the gsb file and hands it to the window as the main window does.
template <class Window>
void ShowGsb(Window* window, const QString& gsbPath)
{
    CGsb gsb;
    gsb.Init(gsbPath);
    window->ShowFile(gsb);
}

// A string as a gsb file stores it: 32-bit little-endian length, then the bytes.
inline QByteArray Prefixed(const QByteArray& text)
{
    const quint32 n = quint32(text.size());
    QByteArray out;
    out.append(char(n & 0xFF)).append(char((n >> 8) & 0xFF)).append(char((n >> 16) & 0xFF)).append(char(n >> 24));
    return out + text;
}

struct Mod2 {
    QString name;   // relative to "Modelle", without ".mod2"
    bool present;
};

// Writes "Immobilien\<file>" with references to the mod2 files (and those
// that are present below "Modelle"), padded with zero bytes to padTo bytes.
// iniName: null = no ini file; empty = an ini file without a name entry.
// Returns the gsb path in Windows form.
inline QString WriteModel(TestInstallation& inst, const QString& file, const QList<Mod2>& mod2s,
                          const QString& iniName = QString(), int padTo = 0)
{
    QByteArray bytes("GSBTEST\x01", 8);
    for (const Mod2& mod2 : mod2s) {
        bytes += Prefixed(mod2.name.toLatin1()) + QByteArray("\x00\x00", 2);
        if (mod2.present)
            inst.WriteBytes(QStringLiteral("Modelle/") + mod2.name + QStringLiteral(".mod2"), "mod2");
    }
    if (bytes.size() < padTo)
        bytes += QByteArray(padTo - bytes.size(), '\0');
    const QString gsb = QStringLiteral("Immobilien/") + file;
    inst.WriteBytes(gsb, bytes);
    if (!iniName.isNull()) {
        QString ini = QStringLiteral("[Modell]\nAutor=Test\n");
        if (!iniName.isEmpty())
            ini += QStringLiteral("Name_GER=") + iniName + QStringLiteral("\n");
        inst.WriteText(gsb.left(gsb.size() - 4) + QStringLiteral(".ini"), ini);
    }
    return inst.WindowsPath(gsb);
}

// The smallest outer size in pixels that a minimum given in twips allows.
inline QSize MinimumPixels(int widthTwips, int heightTwips)
{
    const int perPixel = Twips::TwipsPerPixel();
    return QSize((widthTwips + perPixel - 1) / perPixel, (heightTwips + perPixel - 1) / perPixel);
}

} // namespace SideWindowTest
