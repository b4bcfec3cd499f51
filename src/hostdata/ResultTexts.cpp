#include "hostdata/ResultTexts.h"

#include "hostdata/CModels.h"
#include "startup/modTools.h"
#include <QCoreApplication>

namespace ResultTexts {

// Texts with a count take the form that the count needs in the interface
// language from Qt's numerus forms ("%n" there is the count, not a line
// break); German ones too, from kluni_de.ts.
QString CountText(qint32 count)
{
    return QCoreApplication::translate("ResultTexts", "%n Modelle", nullptr, count);
}

QString FileCountText(qint32 count)
{
    return QCoreApplication::translate("ResultTexts", "%n Dateien", nullptr, count);
}

QString MoreIniFilesText(qint32 count)
{
    return FormatMsg(QStringLiteral("%n%1%n"),
                     {QCoreApplication::translate("ResultTexts", "sowie %n weitere ini-Datei(en)", nullptr, count)});
}

QString NothingFoundText(qint32 listSource)
{
    switch (ListSource(listSource)) {
    case ListSource::StartParams:
        return FormatMsg(QCoreApplication::translate("ResultTexts",
            "%mUnter den übergebenen Dateien%nbefand sich keine Modell Datei."));
    case ListSource::Dropped:
        return FormatMsg(QCoreApplication::translate("ResultTexts",
            "%mUnter den verschobenen Dateien%nbefand sich keine Modell Datei."));
    case ListSource::Name:
        return FormatMsg(QCoreApplication::translate("ResultTexts",
            "%mSorry, aber in EEP%nist kein passendes Modell bekannt!"));
    case ListSource::Date:
        return FormatMsg(
            QCoreApplication::translate("ResultTexts",
                "%mIm angegebenen Zeitraum sind keine Modelle%nzum ersten Mal installiert worden."));
    }
    return QString();
}

QString Mod2MissingText(qint32 missing)
{
    return QCoreApplication::translate("ResultTexts", "%n mod2-Dateien sind nicht vorhanden.", nullptr, missing);
}

QString NoGsbText()
{
    return QCoreApplication::translate("ResultTexts", "Keine Anzeige möglich ohne die gsb-Datei.");
}

// The same text as FormatMsg("%1%2%3", gsb, " -- ", path), without a
// template pass per row (the list can have 65,535 rows).
QString RowText(const CModels& models, qint32 index)
{
    return models.Gsb(index) + QLatin1String(" -- ") + models.Path(index);
}

QString ClipboardText(const CModels& models)
{
    const QString heading = FormatMsg(QCoreApplication::translate("ResultTexts", "gsb-Datei%tPfad"));
    const qint32 count = models.Count();

    // Every record gives CR LF, its file name, a tab and its directory.
    qsizetype length = heading.size();
    for (qint32 i = 0; i < count; ++i) {
        const QString& file = models.Record(i).File;
        length += 3 + CModels::FilenamePart(file).size() + CModels::PathPart(file).size();
    }

    QString text;
    text.reserve(length);
    text.append(heading);
    for (qint32 i = 0; i < count; ++i) {
        const QString& file = models.Record(i).File;
        text.append(QLatin1String("\r\n"));
        text.append(CModels::FilenamePart(file));
        text.append(QLatin1Char('\t'));
        text.append(CModels::PathPart(file));
    }
    return text;
}

} // namespace ResultTexts
