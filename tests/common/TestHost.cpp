#include "TestHost.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace TestHost {

#ifdef Q_OS_WIN

bool MakeLink(const QString&, const QString&)
{
    return false;   // QFile::link would make a shell shortcut, an ordinary file
}

bool MakeFifo(const QString&)
{
    return false;
}

bool UnderWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

bool MakeHidden(const QString& path)
{
    const std::wstring name = path.toStdWString();
    const DWORD attributes = GetFileAttributesW(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && SetFileAttributesW(name.c_str(), attributes | FILE_ATTRIBUTE_HIDDEN);
}

#else

bool MakeLink(const QString& target, const QString& linkPath)
{
    return QFile::link(target, linkPath);
}

bool MakeFifo(const QString& path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool UnderWine()
{
    return false;
}

bool MakeHidden(const QString& path)
{
    return QFile::exists(path);
}

#endif

} // namespace TestHost
