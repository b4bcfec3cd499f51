#include "platform/InstallLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef KLUNI_DOC_FROM_BIN
#define KLUNI_DOC_FROM_BIN "../share/doc/kluni"
#endif

QString InstallLayout::DocumentationDir(const QString& fileName, const QString& executableDir)
{
    const QDir beside(executableDir);
    if (QFileInfo::exists(beside.filePath(fileName)))
        return beside.path();
    return QDir::cleanPath(beside.filePath(QStringLiteral(KLUNI_DOC_FROM_BIN)));
}

QString InstallLayout::DocumentationDir(const QString& fileName)
{
    return DocumentationDir(fileName, QCoreApplication::applicationDirPath());
}
