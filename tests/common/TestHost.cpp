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

#ifdef Q_OS_WIN

namespace {

bool SetUserRegistryValue(const QString& keyPath, const QString& name, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath.toStdWString().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr)
        != ERROR_SUCCESS)
        return false;
    const bool written = RegSetValueExW(key, name.toStdWString().c_str(), 0, type, static_cast<const BYTE*>(data), size)
        == ERROR_SUCCESS;
    RegCloseKey(key);
    return written;
}

} // namespace

bool SetUserRegistryText(const QString& keyPath, const QString& name, const QString& text)
{
    const std::wstring data = text.toStdWString();
    return SetUserRegistryValue(keyPath, name, REG_SZ, data.c_str(), DWORD((data.size() + 1) * sizeof(wchar_t)));
}

bool SetUserRegistryNumber(const QString& keyPath, const QString& name, quint32 number)
{
    const DWORD data = number;
    return SetUserRegistryValue(keyPath, name, REG_DWORD, &data, sizeof data);
}

void RemoveUserRegistryKey(const QString& keyPath)
{
    RegDeleteTreeW(HKEY_CURRENT_USER, keyPath.toStdWString().c_str());
}

#else

bool SetUserRegistryText(const QString&, const QString&, const QString&)
{
    return false;
}

bool SetUserRegistryNumber(const QString&, const QString&, quint32)
{
    return false;
}

void RemoveUserRegistryKey(const QString&) {}

#endif

} // namespace TestHost
