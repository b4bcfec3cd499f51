#pragma once

#include "TestInstallation.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <functional>
#include <map>
#include <string>

class CModels;

// Tools for building installations that no well-behaved installer would
// leave behind, and for running code over them without letting a hang or a
// crash take the whole test run down.
namespace Hostile {

// Runs work in a child process and returns its text, or why there is none
// ("signal 14" for a child still busy after limitSeconds: blocked on a FIFO,
// caught in a loop). This bounds the test, it does not measure speed.
std::string RunIsolated(const std::function<std::string()>& work, int limitSeconds = 600);

void MakeFifo(const QString& nativePath);
// A file of the given size that occupies no disk blocks.
void MakeSparseFile(const QString& nativePath, qint64 size);
void MakeSymlink(const QString& target, const QString& nativeLinkPath);
// A file whose directory and name are raw bytes (not necessarily UTF-8).
void WriteRawName(const QByteArray& nativeDir, const QByteArray& name, const QByteArray& contents);
// depth nested directories called name below nativeBase, made relative to
// directory descriptors so that the chain may go deeper than any path the
// system accepts; at the levels listed a file "m<level>.gsb" holding "\".
void MakeNestedChain(const QString& nativeBase, const QByteArray& name, int depth, std::initializer_list<int> models);
// Removes a tree of any depth, read-only parts too; links are not followed.
void RemoveTree(const QString& nativePath);

// The File of every record, joined by '|'.
std::string Files(const CModels& models);
// The recorded messages, joined by '|'.
std::string Messages(const RecordingMessageSink& sink);

} // namespace Hostile

// A test installation whose tree is removed with the tools above at the end,
// since some cases build trees deeper than any path the system accepts.
class HostileTest : public ::testing::Test {
protected:
    void TearDown() override { Hostile::RemoveTree(m_inst.NativeRoot()); }
    std::string Messages() { return Hostile::Messages(m_inst.Messages()); }
    // The text, a blank and the messages recorded meanwhile (read only after the text is made).
    std::string WithMessages(const std::string& text) { return text + " " + Messages(); }
    QString Win(const char* relPath) const { return m_inst.WindowsPath(QString::fromUtf8(relPath)); }
    QString Native(const char* relPath) const { return m_inst.NativePath(QString::fromUtf8(relPath)); }

    TestInstallation m_inst;
};

// Everything about a directory tree that a writer could change: for every
// entry its kind, permissions, size, link count, owner, inode, modification
// and status-change times to the nanosecond, a link's target and a file's
// SHA-256. Access times are left out: reading changes them.
using TreeSnapshot = std::map<std::string, std::string>;
TreeSnapshot TakeSnapshot(const QString& nativeRoot);
// The entries that differ, one per line as before and as after; empty when equal.
std::string SnapshotDifferences(const TreeSnapshot& before, const TreeSnapshot& after);

// The demo generator's installation with a few hostile extras - a link loop,
// FIFOs named like model files - made read-only, and its snapshot taken then.
class ReadOnlyInstallation {
public:
    ReadOnlyInstallation();
    ~ReadOnlyInstallation();

    TestInstallation& Inst() { return m_inst; }
    // Differences between now and the snapshot taken when it was made read-only.
    std::string Changes() const { return SnapshotDifferences(m_before, TakeSnapshot(NativeTop())); }

private:
    // The "Resourcen" directory and what lies beside it.
    QString NativeTop() const;

    TestInstallation m_inst;
    TreeSnapshot m_before;
};
