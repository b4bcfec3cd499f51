#include "SampleInstallation.h"

#include <QtEndian>

namespace {

// A string as gsb files store it: 32-bit little-endian length, then the text.
QByteArray Prefixed(const QByteArray& text)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian<quint32>(quint32(text.size()), bytes.data());
    return bytes + text;
}

} // namespace

SampleInstallation::SampleInstallation()
{
    WriteText("Categories/Models.ini",
              "[Wohnhaeuser]\n"
              "File1=\\Immobilien\\Haus1.gsb\n"
              "File2=\\Immobilien\\Haus2.gsb\n"
              "[Kisten]\n"
              "File1=\\Goods\\Kiste.gsb\n");

    WriteText("Categories/Static_structures/index.ini", "[Index]\n1=Gebaeude.ini\n2=CDIn\n3=Wohnen.ini\n4=CDOut\n");
    WriteText("Categories/Static_structures/Gebaeude.ini",
              QStringLiteral("[Cat]\nName_GER=Gebäude\nName_ENG=Buildings\nFilterSection=Gebaeude\n"));
    WriteText("Categories/Static_structures/Wohnen.ini",
              QStringLiteral("[Cat]\nName_GER=Wohnhäuser\nName_ENG=Residential\nFilterSection=Wohnhaeuser\n"));
    WriteText("Categories/Goods/index.ini", "[Index]\n1=Kisten.ini\n");
    WriteText("Categories/Goods/Kisten.ini", "[Cat]\nName_GER=Kisten\nName_ENG=Crates\nFilterSection=Kisten\n");

    WriteBytes("Immobilien/Haus1.gsb",
               "GSB1" + Prefixed("Immobilien\\Haus1") + "\x07\x07" + Prefixed("Immobilien\\Dach") + "END");
    WriteText("Immobilien/Haus1.ini", "[Name]\nName_GER=Haus eins\nName_ENG=House one\n");
    WriteBytes("Goods/Kiste.gsb", "GSB1 no references");
    WriteText("Goods/Kiste.ini", "[Name]\nName_ENG=Crate\n");
    WriteBytes("Immobilien/Neu/Neu.GSB", "GSB1");
    WriteBytes("Lose.gsb", "GSB1");
    WriteBytes("Modelle/Immobilien/Haus1.mod2", "MOD2");
}
