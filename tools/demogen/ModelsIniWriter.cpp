#include "ModelsIniWriter.h"

#include "IniText.h"
#include "OutputTree.h"

#include <QHash>

QString ModelsIniWriter::EntryValue(const PlannedModel& model)
{
    const QString dir = model.lowerCaseEntry ? model.dir.toLower() : model.dir;
    return QLatin1Char('\\') + dir + QLatin1Char('\\') + model.stem + model.extension;
}

void ModelsIniWriter::Write(const DemoPlan& plan, OutputTree& out)
{
    QHash<QString, QVector<int>> listed;   // section -> models, in model order
    for (int m = 0; m < plan.models.size(); ++m) {
        for (const QString& section : plan.models[m].sections)
            listed[section].append(m);
    }
    QStringList order;
    for (const PlannedCategory& category : plan.categories)
        order.append(category.filterSection);
    order += plan.extraSections;

    IniText text;
    text.Comment(QStringLiteral("Modell-Index (synthetische Demo-Installation)"));
    for (const QString& section : order) {
        const auto it = listed.constFind(section);
        if (it == listed.constEnd())
            continue;
        text.Blank();
        text.Section(section);
        int number = 0;
        for (const int m : *it)
            text.Entry(QStringLiteral("File%1").arg(++number), EntryValue(plan.models[m]));
    }
    out.Write(QStringLiteral("Categories\\Models.ini"), text.Bytes());
}
