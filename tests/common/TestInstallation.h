#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "hostdata/SearchInput.h"
#include "platform/RecordingMessageSink.h"
#include "startup/Installation.h"

#include <memory>

// A small EEP installation written by a test into a temporary directory.
// Installs a message recorder, redirects the settings store and sets the
// drive table to Z: = "/" alone (independent of the user's Wine prefix) for
// its lifetime.
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
    void WriteText(const QString& relPath, QString text);
    void WriteBytes(const QString& relPath, const QByteArray& bytes);
    void MakeDir(const QString& relPath);
    // A gsb file naming the given mod2 files (below "Modelle", without
    // extension) as length-prefixed strings, padded with zero bytes to padTo.
    static QByteArray GsbBytes(const QStringList& mod2Names, int padTo = 0);
    // Writes a gsb file and, unless iniText is null, the ini file beside it.
    void WriteModel(const QString& gsbRelPath, const QStringList& mod2Names, const QString& iniText = QString(),
                    int padTo = 0);
    QString NativePath(QString relPath) const;
    // Windows form of a path below the root.
    QString WindowsPath(QString relPath) const;

    // The installation's paths as the installation check would find them
    // (without running it).
    std::shared_ptr<const Installation> Activate();
    // The same with the temporary directory as drive C: (so that the
    // installation is "C:\EEP\Resourcen") and "/" as Z:; returns C:'s native root.
    QString ActivateOnDriveC();
    // The paths of the last Activate.
    const Installation& Paths() const { return *m_installation; }
    // A search of the activated installation from an empty list, German names.
    SearchInput Input(bool gbExtend = false, const QString& nameKey = QStringLiteral("Name_GER")) const;

    RecordingMessageSink& Messages() { return m_messages; }

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_settingsDir;
    RecordingMessageSink m_messages;
    std::shared_ptr<const Installation> m_installation;
};
