// The streamed JSON of kluni-cli against QJsonDocument's writing of the same
// document, byte for byte, on the generated demo installation.
#include "CliRunner.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {

// The document as QJsonDocument writes it, its top-level members in the
// order the stream gives them (the problem lists after the records).
QByteArray WrittenWhole(const QJsonObject& doc, bool compact)
{
    const QStringList order{"count", "models", "missingIni", "noNameIni"};
    const auto format = compact ? QJsonDocument::Compact : QJsonDocument::Indented;
    QByteArray out = compact ? "{" : "{\n";
    for (qsizetype i = 0; i < order.size(); ++i) {
        const QJsonValue v = doc.value(order.at(i));
        QByteArray value = v.isDouble() ? QByteArray::number(v.toInteger())
                           : v.isArray() ? QJsonDocument(v.toArray()).toJson(format)
                                         : QJsonDocument(v.toObject()).toJson(format);
        if (!compact) {
            value = value.trimmed().replace("\n", "\n    ");
            out += "    ";
        }
        out += "\"" + order.at(i).toUtf8() + (compact ? "\":" : "\": ") + value;
        if (i + 1 < order.size())
            out += compact ? "," : ",\n";
    }
    return out + (compact ? "}" : "\n}\n");
}

TEST(CliJsonStream, EqualsTheWholeDocumentWrittenAtOnce)
{
    const QString today = QDate::currentDate().toString("dd.MM.yyyy");
    const struct {
        QStringList arguments;
        int exitCode;
    } cases[] = {
        {{"search", "--name", "both", "_"}, 0},          // every model, details, both problem lists
        {{"--brief", "date", "01.01.1980", today}, 0},   // compact, no details
        {{"search", "zzzzqq"}, 1},                       // nothing found: an empty list
    };
    for (const auto& c : cases) {
        const QString name = c.arguments.join(' ');
        const CliRun run = RunCliJson(KLUNI_DEMO_DIR "/Resourcen", c.arguments);
        ASSERT_EQ(run.exitCode, c.exitCode) << name.toStdString() << ": " << run.err.toStdString();
        const QJsonObject doc = run.Json();
        EXPECT_EQ(run.out, WrittenWhole(doc, c.arguments.contains("--brief"))) << name.toStdString();
        if (c.exitCode == 0)
            EXPECT_GT(doc.value("models").toArray().size(), 10) << name.toStdString();
    }
}

} // namespace
