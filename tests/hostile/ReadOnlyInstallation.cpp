#include "ReadOnlyInstallation.h"

#include "HostileSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <stdexcept>

namespace {

struct Editor {
    const char* dir;
    const char* section;
    const char* model;
};

// One category and one model per editor, names in four languages.
const Editor kEditors[] = {
    {"Goods", "G_Kisten", "Goods\\Kisten\\Kiste.gsb"},
    {"Landscape_elements", "L_Baeume", "LSElemente\\Baeume\\Eiche.gsb"},
    {"Rolling_stock", "R_Loks", "Rollmaterial\\Loks\\Lok.gsb"},
    {"Signals", "S_Haupt", "Signale\\Signale\\Haupt.gsb"},
    {"Static_structures", "I_Haeuser", "Immobilien\\Haeuser\\Haus.gsb"},
    {"Track_objects_street", "T_Strasse", "Gleisobjekte\\Strassen\\Strasse.gsb"},
    {"Track_objects_track", "T_Gleis", "Gleisobjekte\\Gleise\\Gleis.gsb"},
    {"Track_objects_tram", "T_Tram", "Gleisobjekte\\Tram\\Tram.gsb"},
    {"Track_objects_waterway", "T_Wasser", "Gleisobjekte\\Wasser\\Kanal.gsb"},
};

QByteArray Mod2Reference(const QByteArray& name)
{
    QByteArray bytes("GSB");
    const quint32 length = quint32(name.size());
    bytes += char(length & 0xFF);
    bytes += char((length >> 8) & 0xFF);
    bytes += char((length >> 16) & 0xFF);
    bytes += '\0';
    return bytes + name + QByteArray(8, '\0');
}

} // namespace

ReadOnlyInstallation::ReadOnlyInstallation()
{
    m_generated = Generate();
    if (!m_generated)
        WriteOwn();
    AddHostileExtras();
    MakeReadOnly(NativeTop());
    m_before = TakeSnapshot(NativeTop());
}

ReadOnlyInstallation::~ReadOnlyInstallation()
{
    Hostile::RemoveTree(NativeTop());
}

QString ReadOnlyInstallation::NativeTop() const
{
    return QFileInfo(m_inst.NativeRoot()).absolutePath();
}

std::string ReadOnlyInstallation::Changes() const
{
    return SnapshotDifferences(m_before, TakeSnapshot(NativeTop()));
}

bool ReadOnlyInstallation::Generate()
{
#ifdef KLUNI_DEMOGEN
    // The generator writes "Resourcen" itself and refuses an existing one.
    QDir(m_inst.NativeRoot()).removeRecursively();
    QProcess generator;
    generator.start(QStringLiteral(KLUNI_DEMOGEN),
                    {QStringLiteral("--out"), NativeTop(), QStringLiteral("--models"), QStringLiteral("120"),
                     QStringLiteral("--pak")});
    if (generator.waitForFinished(120000) && generator.exitStatus() == QProcess::NormalExit
        && generator.exitCode() == 0)
        return true;
    QDir(m_inst.NativeRoot()).removeRecursively();
    QDir().mkpath(m_inst.NativeRoot());
#endif
    return false;
}

void ReadOnlyInstallation::WriteOwn()
{
    QString modelsIni;
    for (const Editor& editor : kEditors) {
        const QString dir = QStringLiteral("Categories/") + QLatin1String(editor.dir) + QLatin1Char('/');
        m_inst.WriteText(dir + QStringLiteral("index.ini"), QStringLiteral("[Index]\n1=top.ini\n2=CDIn\n3=sub.ini\n4=CDOut\n"));
        for (const char* file : {"top", "sub"}) {
            QString text = QStringLiteral("[%1]\nFilterSection=%2%3\n").arg(QLatin1String(file), QLatin1String(editor.section),
                                                                             QLatin1String(file));
            for (const char* lang : {"ENG", "GER", "FRA", "POL"})
                text += QStringLiteral("Name_%1=%2 %1\n").arg(QLatin1String(lang), QLatin1String(file));
            m_inst.WriteText(dir + QLatin1String(file) + QStringLiteral(".ini"), text);
        }
        modelsIni += QStringLiteral("[%1sub]\nFile1=%2\n").arg(QLatin1String(editor.section), QLatin1String(editor.model));

        QString model = QLatin1String(editor.model);
        model.replace(QLatin1Char('\\'), QLatin1Char('/'));
        const QByteArray mod2 = QByteArray(editor.dir) + "\\" + QByteArray(editor.section);
        m_inst.WriteBytes(model, Mod2Reference(mod2));
        m_inst.WriteText(model.left(model.size() - 4) + QStringLiteral(".ini"),
                         QStringLiteral("[Modell]\nName_GER=Modell %1\n").arg(QLatin1String(editor.section)));
        m_inst.WriteText(QStringLiteral("Modelle/%1/%2.mod2").arg(QLatin1String(editor.dir), QLatin1String(editor.section)),
                         QStringLiteral("mod2"));
    }
    m_inst.WriteText(QStringLiteral("Categories/Models.ini"), modelsIni);
}

void ReadOnlyInstallation::AddHostileExtras()
{
    m_inst.MakeDir(QStringLiteral("Immobilien/zz_Fallen"));
    Hostile::MakeSymlink(QStringLiteral("../.."), m_inst.NativePath(QStringLiteral("Immobilien/zz_Fallen/schleife")));
    Hostile::MakeFifo(m_inst.NativePath(QStringLiteral("Immobilien/zz_Fallen/rohr.gsb")));
    m_inst.WriteBytes(QStringLiteral("Immobilien/zz_Fallen/echt.gsb"), Mod2Reference("Fallen\\fehlt"));
    Hostile::MakeFifo(m_inst.NativePath(QStringLiteral("Immobilien/zz_Fallen/echt.ini")));
}
