#pragma once

#include <QString>

// Where the program's message boxes go: Qt boxes in the program, standard
// error in the command-line tool, a recorder in the tests.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Critical-stop icon and one OK button.
    virtual void Critical(const QString& text) = 0;
    // Question icon, Yes and No; true for Yes.
    virtual bool AskYesNo(const QString& text) = 0;
    // No icon, one OK button.
    virtual void Plain(const QString& text) = 0;

    // The sink in use; standard error until another is installed.
    static MessageSink& Current();
    // Installs a sink (not owned; it must outlive its use). nullptr restores standard error.
    static void Install(MessageSink* sink);
};

// Title of every message box.
inline const QString& ApplicationTitle()
{
    static const QString title = QStringLiteral("Kluni");
    return title;
}
