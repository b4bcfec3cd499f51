#include "platform/RecordingMessageSink.h"

RecordingMessageSink::RecordingMessageSink()
    : m_previous(&MessageSink::Current())
{
    MessageSink::Install(this);
}

RecordingMessageSink::~RecordingMessageSink()
{
    MessageSink::Install(m_previous);
}

void RecordingMessageSink::Critical(const QString& text)
{
    m_entries.push_back({Kind::Critical, text});
}

bool RecordingMessageSink::AskYesNo(const QString& text)
{
    m_entries.push_back({Kind::Question, text});
    return m_answers.isEmpty() ? false : m_answers.takeFirst();
}

void RecordingMessageSink::Plain(const QString& text)
{
    m_entries.push_back({Kind::Plain, text});
}

void RecordingMessageSink::ScriptAnswers(const QList<bool>& answers)
{
    m_answers = answers;
}
