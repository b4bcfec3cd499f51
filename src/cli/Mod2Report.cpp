#include "cli/Mod2Report.h"

#include "hostdata/CGsb.h"
#include "hostdata/CIniFile.h"
#include "hostdata/ResultTexts.h"
#include "startup/modTools.h"

namespace {

QString TitleOf(const QString& gsbPath, const QString& nameKey)
{
    QString name = IniModelName(gsbPath, nameKey);
    if (name == QLatin1String("<?>"))
        name.clear();
    return name.isEmpty() ? LastPathPart(gsbPath) : name;
}

} // namespace

Mod2Report Mod2Report::Of(const CGsb& gsb, const QString& nameKey)
{
    Mod2Report report;
    report.gsb = gsb.GsbName();
    report.title = TitleOf(report.gsb, nameKey);
    report.gsbExists = gsb.GsbExists();
    if (report.gsbExists) {
        for (qint32 i = 1; i <= gsb.Count(); ++i) {
            const bool exists = gsb.Mod2Exists(i);
            report.mod2.append({gsb.Mod2Name(i), exists});
            if (!exists)
                ++report.missing;
        }
    }
    report.note = NoteText(report.gsbExists, report.missing);
    return report;
}

QString Mod2Report::NoteText(bool gsbExists, qint32 missing)
{
    if (!gsbExists)
        return ResultTexts::NoGsbText();
    if (missing <= 0)
        return QString();
    return ResultTexts::Mod2MissingText(missing);
}
