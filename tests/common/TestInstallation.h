#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "platform/RecordingMessageSink.h"

// A small EEP installation written by a test into a temporary directory, with
// the program-wide state pointed at it. Resets the module state, installs a
// message recorder, redirects the settings store and sets the drive table to
// Z: = "/" alone (independent of the user's Wine prefix) for its lifetime.
// The resource directory is <temporary>/EEP/Resourcen, so that files beside it
// (Resourcen.Pak) can be written with "../".
class TestInstallation {
public:
    TestInstallation();
    ~TestInstallation();

    // Native path of the "Resourcen" directory.
    QString NativeRoot() const;
    // Windows form of it (what gtResBase holds).
    QString ResBase() const;

    // Writes a file below the root (relative path with '/' or '\'); text is
    // encoded as Windows-1252 and its "\n" line ends become CR LF.
    void WriteText(const QString& relPath, const QString& text);
    void WriteBytes(const QString& relPath, const QByteArray& bytes);
    void MakeDir(const QString& relPath);
    QString NativePath(const QString& relPath) const;
    // Windows form of a path below the root.
    QString WindowsPath(const QString& relPath) const;

    // Sets gtResBase and the paths derived from it as the installation check
    // would (without running it), and gtNameKey = "Name_GER".
    void Activate();

    RecordingMessageSink& Messages() { return m_messages; }

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_settingsDir;
    RecordingMessageSink m_messages;
};
