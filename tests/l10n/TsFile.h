#pragma once

// The messages of a translation source (translations/kluni_LANG.ts).

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

struct TsMessage {
    QString context;
    QString source;
    QStringList forms;     // the translation; a text with a count has one for each numerus form
    QString type;          // "unfinished", "vanished", "obsolete" or empty when finished
    bool numerus = false;  // a text with a count
};

inline QList<TsMessage> ReadTsFile(const QString& lang)
{
    QFile file(QStringLiteral(KLUNI_TRANSLATIONS_DIR "/kluni_%1.ts").arg(lang));
    QList<TsMessage> messages;   // stays empty when the file cannot be read
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd())
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        else if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages.append({context, {}, {}, {}, xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes")});
        else if (xml.name() == QLatin1String("source") && !messages.isEmpty())
            messages.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && !messages.isEmpty()) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            if (!messages.last().numerus)
                messages.last().forms << xml.readElementText();
        } else if (xml.name() == QLatin1String("numerusform") && !messages.isEmpty())
            messages.last().forms << xml.readElementText();
    return messages;
}
