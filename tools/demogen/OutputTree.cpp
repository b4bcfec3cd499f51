#include "OutputTree.h"

#include <QDir>
#include <QFile>

OutputTree::OutputTree(const QString& nativeRoot) : m_root(QDir::cleanPath(nativeRoot))
{
}

QString OutputTree::NativePath(const QString& windowsRelPath) const
{
    QString rel = windowsRelPath;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return m_root + QLatin1Char('/') + rel;
}

void OutputTree::MakeDir(const QString& windowsRelPath)
{
    EnsureDir(NativePath(windowsRelPath));
}

void OutputTree::Write(const QString& windowsRelPath, const QByteArray& bytes)
{
    const QString path = NativePath(windowsRelPath);
    EnsureDir(path.left(path.lastIndexOf(QLatin1Char('/'))));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw DemoError(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    ++m_files;
}

void OutputTree::EnsureDir(const QString& nativeDir)
{
    if (m_dirs.contains(nativeDir))
        return;
    if (!QDir().mkpath(nativeDir))
        throw DemoError(QStringLiteral("cannot create directory %1").arg(nativeDir));
    m_dirs.insert(nativeDir);
}
