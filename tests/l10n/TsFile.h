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
    QString translation;   // the only form, or the numerus forms joined by "|"
    QString type;          // "unfinished", "vanished", "obsolete" or empty when finished
    bool numerus = false;  // a text with a count: its forms are in forms
    QStringList forms;
};

inline QString TsLanguage(const QString& lang)
{
    QFile file(QStringLiteral(KLUNI_TRANSLATIONS_DIR "/kluni_%1.ts").arg(lang));
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("TS"))
            return xml.attributes().value(QLatin1String("language")).toString();
    return {};
}

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
        else if (xml.name() == QLatin1String("message")) {
            messages.append({context, {}, {}, {}});
            messages.last().numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("source") && !messages.isEmpty())
            messages.last().source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && !messages.isEmpty()) {
            TsMessage& m = messages.last();
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            if (m.numerus) {
                while (xml.readNextStartElement())
                    m.forms << xml.readElementText();
                m.translation = m.forms.join(QLatin1Char('|'));
            } else {
                m.translation = xml.readElementText();
            }
        }
    return messages;
}
