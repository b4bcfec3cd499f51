#include "ModelWriter.h"

#include "IniText.h"
#include "OutputTree.h"
#include "platform/TextCodec.h"

ModelWriter::ModelWriter(const DemoPlan& plan, OutputTree& out, quint64 seed)
    : m_plan(plan), m_out(out), m_rng(seed ^ 0x6D6F64656C73ull)
{
}

void ModelWriter::Write()
{
    for (const PlannedModel& model : m_plan.models)
        WriteModel(model);
    for (const QString& shared : m_plan.sharedMod2)
        WriteMod2(shared);
}

void ModelWriter::WriteModel(const PlannedModel& model)
{
    m_out.Write(model.GsbPath(), GsbBytes(model));
    if (model.ini != IniKind::Missing)
        m_out.Write(model.IniPath(), IniBytes(model));
    const QString own = model.dir + QLatin1Char('\\') + model.stem + QLatin1Char('_');
    for (const QString& mod2 : model.mod2) {
        if (mod2.startsWith(own) && !model.missingMod2.contains(mod2))
            WriteMod2(mod2);
    }
}

void ModelWriter::WriteMod2(const QString& name)
{
    QByteArray bytes("MOD2");
    AppendNoise(bytes, m_rng.Between(8, 40));
    m_out.Write(QStringLiteral("Modelle\\") + name + QStringLiteral(".mod2"), bytes);
}

QByteArray ModelWriter::GsbBytes(const PlannedModel& model)
{
    // Besides the mod2 references a gsb file holds other strings: a name
    // without backslash and the source path of the model (with a drive
    // letter, which no mod2 reference has).
    QStringList strings = model.mod2;
    strings.append(model.stem);
    strings.append(QStringLiteral("C:\\Modellbau\\Quellen\\") + model.stem + QStringLiteral(".3ds"));
    m_rng.Shuffle(strings);

    QByteArray bytes("GSB\x1a", 4);
    AppendNoise(bytes, m_rng.Between(16, 64));
    for (const QString& text : strings) {
        AppendNoise(bytes, m_rng.Between(4, 48));
        AppendString(bytes, text);
    }
    AppendNoise(bytes, m_rng.Between(16, 128));
    return bytes;
}

QByteArray ModelWriter::IniBytes(const PlannedModel& model)
{
    IniText text;
    text.Section(QStringLiteral("Modell"));
    text.Entry(QStringLiteral("Datei"), model.stem + model.extension);
    for (const Lang lang : {Lang::Ger, Lang::Eng, Lang::Fra, Lang::Pol}) {
        QString value = model.name.In(lang);
        if (lang == Lang::Ger && model.ini == IniKind::BlankGerName)
            value = QStringLiteral("   ");
        else if (lang == Lang::Ger && model.ini == IniKind::QuotedBlankGerName)
            value = QStringLiteral("\"\"");
        text.Entry(NameKey(lang), value);
    }
    return text.Bytes();
}

void ModelWriter::AppendNoise(QByteArray& bytes, int count)
{
    for (int i = 0; i < count; ++i) {
        char c = char(m_rng.Below(256));
        if (c == '\\')
            c = 0;
        bytes.append(c);
    }
}

void ModelWriter::AppendString(QByteArray& bytes, const QString& text)
{
    const QByteArray encoded = TextCodec::EncodeCp1252(text);
    const quint32 length = quint32(encoded.size());
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(char((length >> shift) & 0xFF));
    bytes.append(encoded);
}
