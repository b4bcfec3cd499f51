#pragma once

#include <QString>
#include <QtGlobal>

// An ordinary file opened for reading, closed when the object ends. Opening
// never waits and never takes anything but an ordinary file: a directory,
// device, FIFO or socket of that name is refused. Cheaper than QFile, which
// matters where thousands of small files are read in one operation.
class ReadOnlyFile {
public:
    ReadOnlyFile() = default;
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // False when nothing is there, it is no ordinary file or it cannot be read.
    bool Open(const QString& nativePath);
    bool IsOpen() const;
    // The size when the file was opened.
    qint64 Size() const { return m_size; }
    // Up to max bytes; 0 at the end of the file, -1 on a read error.
    qint64 Read(char* data, qint64 max);
    void Close();

private:
    qintptr m_handle = -1;
    qint64 m_size = 0;
};
