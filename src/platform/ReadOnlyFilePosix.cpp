// Ordinary files read with plain POSIX calls.
#include <QtGlobal>
#ifndef Q_OS_WIN

#include "platform/ReadOnlyFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ReadOnlyFile::~ReadOnlyFile()
{
    Close();
}

// Without waiting: a FIFO opened for reading would wait for a writer, so the
// file is opened non-blocking and refused by its status unless ordinary.
bool ReadOnlyFile::Open(const QString& nativePath)
{
    Close();
    if (nativePath.isEmpty())
        return false;
    const int fd = ::open(QFile::encodeName(nativePath).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
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
    for (;;) {
        const ssize_t n = ::read(int(m_handle), data, size_t(max));
        if (n >= 0 || errno != EINTR)
            return qint64(n);
    }
}

void ReadOnlyFile::Close()
{
    if (m_handle >= 0)
        ::close(int(m_handle));   // errors on closing a file only read are of no interest
    m_handle = -1;
    m_size = 0;
}

#endif // !Q_OS_WIN
