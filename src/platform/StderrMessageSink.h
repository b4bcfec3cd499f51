#pragma once

#include "platform/MessageSink.h"

// Writes every message to standard error; questions are answered No, since
// nothing ever waits for input.
class StderrMessageSink : public MessageSink {
public:
    void Critical(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    void Plain(const QString& text) override;
};
