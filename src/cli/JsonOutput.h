#pragma once

#include "cli/CliOutput.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QStringView>

class QJsonObject;
struct RecordDetail;

// One JSON document per run, laid out as QJsonDocument lays it out (keys of
// an object in sorted order). The result list is written record by record as
// it is produced, so the document never lies in memory as a whole.
class JsonOutput : public CliOutput {
public:
    JsonOutput(QIODevice& device, bool compact);

    void Check(const CheckReport& report) override;
    void Models(const SearchOutput& search, ListSource source, DetailLookup* details) override;
    void Mod2(const Mod2Report& report) override;

private:
    void Write(const QJsonObject& document);

    // The pieces of the streamed document, appended to m_buffer; depth is
    // the nesting level of what is being opened or of the member.
    void Open(char bracket);
    void Close(char bracket, int depth, bool empty);
    void Member(int depth, QLatin1StringView key, bool first);
    void Element(int depth, bool first);
    void String(QStringView text);
    void Number(qint64 value);
    void Bool(bool value);
    void Null();
    void StringList(int depth, const QStringList& list);
    void Record(int depth, const CModels& models, qint32 index, const RecordDetail* detail);
    void IniProblems(int depth, QLatin1StringView key, qint32 count, const QStringList& files);
    // Hands the buffer to the device once it holds enough.
    void Flush(bool always);

    QIODevice& m_device;
    bool m_compact;
    QByteArray m_buffer;
};
