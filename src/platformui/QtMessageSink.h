#pragma once

#include "platform/MessageSink.h"

// The program's message boxes: modal Qt message boxes over the active window,
// caption "Kluni".
class QtMessageSink : public MessageSink {
public:
    void Critical(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    void Plain(const QString& text) override;
};
