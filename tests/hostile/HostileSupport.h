#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <string>

// Tools for building installations that no well-behaved installer would
// leave behind, and for running code over them without letting a hang or a
// crash take the whole test run down.
namespace Hostile {

struct Outcome {
    bool finished = false;   // the work returned normally
    std::string text;        // what it returned
    std::string failure;     // why not, when it did not
};

// Runs work in a child process and returns its text. A child that is still
// busy after limitSeconds (blocked on a FIFO, caught in a loop, quadratic on
// a large file) is killed: this bounds the test, it does not measure speed.
Outcome RunIsolated(const std::function<std::string()>& work, int limitSeconds = 600);

void MakeFifo(const QString& nativePath);
// A file of the given size that occupies no disk blocks.
void MakeSparseFile(const QString& nativePath, qint64 size);
void MakeSymlink(const QString& target, const QString& nativeLinkPath);
// Writes a file whose directory and name are given as raw bytes (not
// necessarily UTF-8).
void WriteRawName(const QByteArray& nativeDir, const QByteArray& name, const QByteArray& contents);

// Creates depth nested directories called name below nativeBase, working
// relative to directory descriptors so that the chain may go deeper than any
// path the system accepts. atLevel (optional) is called with the descriptor of
// each new directory and its level (1 = directly below nativeBase).
void MakeNestedChain(const QString& nativeBase, const QByteArray& name, int depth,
                     const std::function<void(int dirFd, int level)>& atLevel = {});
void WriteFileAt(int dirFd, const QByteArray& name, const QByteArray& contents);

// Removes a directory tree of any depth (also read-only ones); links are
// removed, never followed.
void RemoveTree(const QString& nativePath);

// The text of a child's outcome for a test failure message.
std::string Describe(const Outcome& outcome);

} // namespace Hostile
