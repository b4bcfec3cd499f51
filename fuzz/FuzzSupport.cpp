#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>

void FuzzFail(const char* what, const char* file, int line, const QString& detail)
{
    std::fprintf(stderr, "\n*** check failed at %s:%d: %s\n", file, line, what);
    if (!detail.isEmpty())
        std::fprintf(stderr, "*** %s\n", detail.toUtf8().constData());
    std::abort();
}

QString FuzzShow(const QString& text)
{
    QString shown;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    if (shown.size() > 300)
        shown = shown.left(300) + QStringLiteral("...(%1 chars)").arg(text.size());
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

QString FuzzShow(const QStringList& list)
{
    QStringList shown;
    for (const QString& item : list)
        shown << FuzzShow(item);
    return QLatin1Char('[') + shown.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QString FuzzShow(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString FuzzShow(qint64 value)
{
    return QString::number(value);
}

QList<QByteArray> SplitFields(const uint8_t* data, size_t size, int maxParts)
{
    QList<QByteArray> fields;
    const char* text = reinterpret_cast<const char*>(data);
    size_t start = 0;
    for (size_t i = 0; i < size && fields.size() + 1 < maxParts; ++i) {
        if (text[i] == '\0') {
            fields << QByteArray(text + start, qsizetype(i - start));
            start = i + 1;
        }
    }
    fields << QByteArray(text + start, qsizetype(size - start));
    return fields;
}
