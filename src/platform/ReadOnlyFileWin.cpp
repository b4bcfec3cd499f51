// Ordinary files on Windows, through the wide-character Win32 file API.
#include <QtGlobal>
#ifdef Q_OS_WIN

#include "platform/ReadOnlyFile.h"

#include "platform/Win32Path.h"

namespace {

HANDLE AsHandle(qintptr handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

} // namespace

ReadOnlyFile::~ReadOnlyFile()
{
    Close();
}

bool ReadOnlyFile::Open(const QString& nativePath)
{
    Close();
    if (nativePath.isEmpty())
        return false;
    // Shared for reading, writing and deleting: EEP and everyone else keep
    // full use of the file while it is read here. A directory cannot be
    // opened this way (no backup semantics), so it is refused here already.
    const HANDLE file = CreateFileW(Win32Path(nativePath).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    m_handle = reinterpret_cast<qintptr>(file);
    // Devices (CON, NUL, COM1) and pipes are no ordinary files.
    LARGE_INTEGER size {};
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size)) {
        Close();
        return false;
    }
    m_size = qint64(size.QuadPart);
    return true;
}

bool ReadOnlyFile::IsOpen() const
{
    return m_handle != -1;
}

qint64 ReadOnlyFile::Read(char* data, qint64 max)
{
    if (m_handle == -1)
        return -1;
    const DWORD chunk = DWORD(qMin<qint64>(max, 1 << 30));
    DWORD read = 0;
    if (!ReadFile(AsHandle(m_handle), data, chunk, &read, nullptr))
        return -1;
    return qint64(read);
}

void ReadOnlyFile::Close()
{
    if (m_handle != -1)
        CloseHandle(AsHandle(m_handle));
    m_handle = -1;
    m_size = 0;
}

#endif // Q_OS_WIN
