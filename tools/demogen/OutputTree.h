#pragma once

#include "DemoError.h"

#include <QByteArray>
#include <QSet>
#include <QString>

// Writes files below one native directory, given their paths in Windows form
// relative to it. Directories are created on the way and remembered, so that
// writing many files into one directory costs one file creation each.
class OutputTree {
public:
    explicit OutputTree(const QString& nativeRoot);

    // Throws DemoError when the file cannot be written.
    void Write(const QString& windowsRelPath, const QByteArray& bytes);
    void MakeDir(const QString& windowsRelPath);

    QString NativePath(const QString& windowsRelPath) const;
    int FilesWritten() const { return m_files; }

private:
    void EnsureDir(const QString& nativeDir);

    QString m_root;
    QSet<QString> m_dirs;
    int m_files = 0;
};
