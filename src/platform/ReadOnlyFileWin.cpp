// Ordinary files on Windows, through the C runtime's descriptors.
#include <QtGlobal>
#ifdef Q_OS_WIN

#include "platform/ReadOnlyFile.h"

#include <QDir>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <sys/types.h>

ReadOnlyFile::~ReadOnlyFile()
{
    Close();
}

bool ReadOnlyFile::Open(const QString& nativePath)
{
    Close();
    if (nativePath.isEmpty())
        return false;
    const std::wstring path = QDir::toNativeSeparators(nativePath).toStdWString();
    const int fd = _wopen(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0)
        return false;
    struct _stat64 st {};
    if (_fstat64(fd, &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG) {
        _close(fd);
        return false;
    }
    m_handle = fd;
    m_size = qint64(st.st_size);
    return true;
}

bool ReadOnlyFile::IsOpen() const
{
    return m_handle >= 0;
}

qint64 ReadOnlyFile::Read(char* data, qint64 max)
{
    if (m_handle < 0)
        return -1;
    const unsigned chunk = unsigned(qMin<qint64>(max, 1 << 30));
    return qint64(_read(int(m_handle), data, chunk));
}

void ReadOnlyFile::Close()
{
    if (m_handle >= 0)
        _close(int(m_handle));
    m_handle = -1;
    m_size = 0;
}

#endif // Q_OS_WIN
