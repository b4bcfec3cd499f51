#pragma once

#include "platform/MessageSink.h"

#include <memory>

class QMessageBox;

// The program's message boxes: modal Qt message boxes over the active window,
// caption "Kluni".
class QtMessageSink : public MessageSink {
public:
    void Critical(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    void Plain(const QString& text) override;

    enum class BoxKind { Critical, Question, Plain };
    // The box that each kind of message shows, ready to be shown.
    static std::unique_ptr<QMessageBox> MakeBox(BoxKind kind, const QString& text);
};
