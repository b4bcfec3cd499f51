#pragma once

// Windows only: a native path as the wide-character Win32 calls take it.

#include <QDir>
#include <QString>

#include <string>
#include <windows.h>

// A path longer than the classic limit takes the "\\?\" form, which Windows
// reads literally: it is made absolute and clean ("." and ".." resolved) first.
inline std::wstring Win32Path(const QString& nativePath)
{
    QString path = QDir::toNativeSeparators(nativePath);
    if (path.size() >= MAX_PATH - 12 && !path.startsWith(QLatin1String("\\\\?\\"))) {
        path = QDir::toNativeSeparators(QDir::cleanPath(QDir(path).absolutePath()));
        if (path.startsWith(QLatin1String("\\\\")))
            path = QLatin1String("\\\\?\\UNC\\") + path.mid(2);
        else
            path = QLatin1String("\\\\?\\") + path;
    }
    return path.toStdWString();
}
