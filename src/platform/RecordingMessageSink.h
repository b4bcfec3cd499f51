#pragma once

#include "platform/MessageSink.h"

#include <QList>
#include <QVector>

// Records every message and answers questions from a script (tests).
// Installs itself for its lifetime and restores the previous sink after.
class RecordingMessageSink : public MessageSink {
public:
    enum class Kind { Critical, Question, Plain };
    struct Entry {
        Kind kind;
        QString text;
    };

    RecordingMessageSink();
    ~RecordingMessageSink() override;

    void Critical(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    void Plain(const QString& text) override;

    // Answers for the next questions, in order; No once they are used up.
    void ScriptAnswers(const QList<bool>& answers);
    const QVector<Entry>& Entries() const { return m_entries; }
    void Clear() { m_entries.clear(); }

private:
    MessageSink* m_previous = nullptr;
    QVector<Entry> m_entries;
    QList<bool> m_answers;
};
