#include "hostdata/ModelDetail.h"

#include "hostdata/CGsb.h"
#include "hostdata/CModels.h"
#include "hostdata/IniProblems.h"
#include "startup/Installation.h"
#include "startup/modTools.h"
#include <QCoreApplication>

namespace {

QString FileStateText(const CGsb& gsb)
{
    if (!gsb.GsbExists())
        return QCoreApplication::translate("ModelDetail", "gsb-Datei existiert nicht");
    if (gsb.CountMissing() > 0)
        return QCoreApplication::translate("ModelDetail", "mod2-Dateien unvollständig");
    return QString();
}

} // namespace

ModelDetail ModelDetail::Of(const CModels& models, qint32 index, const CCategories& categories, CGsb& gsb,
                            const Installation& installation, LookupCache& cache)
{
    ModelDetail detail;
    detail.file = models.Filename(index);
    detail.place = categories.FindModel(models.Section(index), detail.file, &cache);
    gsb.Init(IsAbsolutePath(detail.file) ? detail.file : JoinPath(installation.gtResBase, detail.file),
             installation.gtModelsDir);
    detail.fileState = FileStateText(gsb);

    detail.known = !detail.place.isEmpty();
    if (detail.known) {
        detail.editor = detail.place.editor;
        detail.resultSentence = QCoreApplication::translate("ModelDetail", "finden Sie in EEP im Editor");
        detail.editorName = categories.CatName(detail.editor);
        detail.placeText = CategoryPathText(detail.place.PathItems());
    } else {
        detail.resultSentence = QCoreApplication::translate("ModelDetail", "ist im EEP nicht bekannt");
    }
    return detail;
}

QString CategoryPathText(const QStringList& place)
{
    if (place.isEmpty())
        return QString();
    QString text = place.first();
    static const QString blankName = QStringLiteral("? ? ?");
    for (qsizetype k = 1; k < place.size(); ++k) {
        const QString& item = place.at(k);
        // Line k + 1 is indented by k copies of "-- ".
        text += FormatMsg(QStringLiteral("%n%1%2"), {RepeatText(QStringLiteral("-- "), qint16(k)),
                                                       item.isEmpty() ? blankName : item});
    }
    return text;
}

QString IniProblemsNoticeText(const IniProblems& problems, const QString& searchNameKey, const QString& nameKey)
{
    const qint64 missing = problems.glMissingIni;
    const qint64 noName = problems.glNoNameIni;
    if (searchNameKey != nameKey || missing + noName == 0)
        return QString();

    // The counted parts in their numerus form ("%n" is the count there); the
    // line breaks around them come from the templates here.
    QString text;
    if (missing > 0)
        text = FormatMsg(QStringLiteral("%1%n"), {QCoreApplication::translate(
                                                      "ModelDetail", "%n ini-Dateien werden vermisst", nullptr,
                                                      int(missing))});
    if (noName > 0) {
        const QString counted = QCoreApplication::translate(
            "ModelDetail", "%n Namens-Einträge (%1) in ini-Dateien fehlen oder sind leer", nullptr, int(noName));
        text += FormatMsg(QStringLiteral("%n%1"), {FormatMsg(counted, {searchNameKey})});
    }
    return text;
}
