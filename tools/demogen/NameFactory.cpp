#include "NameFactory.h"

NameFactory::NameFactory(int modelCount) : m_serialWidth(qMax(4, int(QString::number(modelCount).size())))
{
}

QString NameFactory::Transliterate(const QString& text)
{
    QString out;
    out.reserve(text.size() + 4);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'ä': out += QStringLiteral("ae"); break;
        case u'ö': out += QStringLiteral("oe"); break;
        case u'ü': out += QStringLiteral("ue"); break;
        case u'Ä': out += QStringLiteral("Ae"); break;
        case u'Ö': out += QStringLiteral("Oe"); break;
        case u'Ü': out += QStringLiteral("Ue"); break;
        case u'ß': out += QStringLiteral("ss"); break;
        case u' ': out += QLatin1Char('_'); break;
        default:
            if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_'
                || c == u'-')
                out += c;
        }
    }
    return out;
}

QString UniqueNames::Take(const QString& name)
{
    const QString key = name.toLower();
    int& number = m_nextNumber[key];
    QString candidate;
    do {
        ++number;
        candidate = number == 1 ? name : name + QLatin1Char('_') + QString::number(number);
    } while (m_used.contains(candidate.toLower()));
    m_used.insert(candidate.toLower());
    return candidate;
}

QString NameFactory::Section(const QString& prefix, const QStringList& parts)
{
    QString name = prefix;
    for (const QString& part : parts)
        name += QLatin1Char('_') + Transliterate(part);
    return m_sections.Take(name);
}

QString NameFactory::CategoryFile(const QString& dir, const QString& base)
{
    const QString path = dir.isEmpty() ? Transliterate(base) : dir + QLatin1Char('\\') + Transliterate(base);
    return m_files.Take(path) + QStringLiteral(".ini");
}

QString NameFactory::ModelStem(const ModelKind& kind, const Words& variant, int serial) const
{
    return kind.stem + QLatin1Char('_') + variant.ger + QLatin1Char('_')
           + QStringLiteral("%1").arg(serial, m_serialWidth, 10, QLatin1Char('0'));
}

Words NameFactory::ModelName(const ModelKind& kind, const Words& variant, int serial)
{
    const QString number = QString::number(serial);
    auto one = [&](Lang lang) -> QString {
        return kind.singular.In(lang) + QStringLiteral(" (") + variant.In(lang) + QStringLiteral(") ") + number;
    };
    return {one(Lang::Ger), one(Lang::Eng), one(Lang::Fra), one(Lang::Pol)};
}
