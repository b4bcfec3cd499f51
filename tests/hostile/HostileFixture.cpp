#include "HostileFixture.h"

#include "hostdata/CModels.h"

std::string HostileTest::Files(const CModels& models)
{
    QStringList files;
    for (qint32 i = 0; i < models.Count(); ++i)
        files << models.Filename(i);
    return files.join(QLatin1Char('|')).toStdString();
}

std::string HostileTest::Messages()
{
    QStringList texts;
    for (const RecordingMessageSink::Entry& entry : m_inst.Messages().Entries())
        texts << entry.text;
    return texts.join(QLatin1Char('|')).toStdString();
}
