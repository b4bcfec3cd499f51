#include "cli/JsonOutput.h"

#include "cli/CheckReport.h"
#include "cli/DetailLookup.h"
#include "cli/Mod2Report.h"
#include "hostdata/CModels.h"
#include "startup/ModuleState.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject IniProblems(qint32 count, const QStringList& files)
{
    return QJsonObject{{"count", count}, {"files", QJsonArray::fromStringList(files)}};
}

QJsonValue OrNull(bool present, const QJsonValue& value)
{
    return present ? value : QJsonValue(QJsonValue::Null);
}

void AddDetail(QJsonObject& record, const RecordDetail& d)
{
    const ModelDetail& detail = d.detail;
    record.insert("known", detail.known);
    record.insert("editor", OrNull(detail.known, int(detail.editor)));
    record.insert("editorName", OrNull(detail.known, detail.editorName));
    record.insert("categories", QJsonArray::fromStringList(detail.known ? detail.place.categories : QStringList()));
    record.insert("name", OrNull(detail.known, detail.place.modelName));
    record.insert("gsbExists", d.gsbExists);
    record.insert("mod2Missing", d.mod2Missing);
}

} // namespace

JsonOutput::JsonOutput(QIODevice& device, bool compact)
    : m_device(device)
    , m_compact(compact)
{
}

void JsonOutput::Check(const CheckReport& report)
{
    Write(QJsonObject{
        {"resBase", report.resBase},
        {"categoriesDir", report.categoriesDir},
        {"modelsDir", report.modelsDir},
        {"modelsDirOk", report.modelsDirOk},
        {"modelsIni", report.modelsIni},
        {"resourcenPak", report.resourcenPak},
    });
}

void JsonOutput::Models(const CModels& models, ListSource, DetailLookup* details)
{
    QJsonArray list;
    for (qint32 i = 0; i < models.Count(); ++i) {
        QJsonObject record{
            {"file", models.Filename(i)},
            {"section", models.Section(i)},
            {"gsb", models.Gsb(i)},
            {"path", models.Path(i)},
        };
        if (details != nullptr)
            AddDetail(record, details->Of(models, i));
        list.append(record);
    }
    Write(QJsonObject{
        {"count", models.Count()},
        {"models", list},
        {"missingIni", IniProblems(gMod.glMissingIni, gMod.gcolMissingIni)},
        {"noNameIni", IniProblems(gMod.glNoNameIni, gMod.gcolNoNameIni)},
    });
}

void JsonOutput::Mod2(const Mod2Report& report)
{
    QJsonArray list;
    for (const Mod2Report::Entry& entry : report.mod2)
        list.append(QJsonObject{{"name", entry.name}, {"exists", entry.exists}});
    Write(QJsonObject{
        {"gsb", report.gsb},
        {"name", report.title},
        {"gsbExists", report.gsbExists},
        {"mod2", list},
        {"missing", report.missing},
        {"note", report.note},
    });
}

void JsonOutput::Write(const QJsonObject& document)
{
    m_device.write(QJsonDocument(document).toJson(m_compact ? QJsonDocument::Compact : QJsonDocument::Indented));
}
