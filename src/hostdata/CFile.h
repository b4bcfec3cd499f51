#pragma once

#include <QDate>
#include <QString>

// One directory entry as a search delivers it.
class CFile {
public:
    const QString& Filename() const { return m_filename; }
    void SetFilename(const QString& value) { m_filename = value; }
    QDate CreationDate() const { return m_creationDate; }
    void SetCreationDate(const QDate& value) { m_creationDate = value; }
    QDate ChangeDate() const { return m_changeDate; }
    void SetChangeDate(const QDate& value) { m_changeDate = value; }
    bool isDir() const { return m_isDir; }
    void SetIsDir(bool value) { m_isDir = value; }

private:
    QString m_filename;
    QDate m_creationDate;
    QDate m_changeDate;
    bool m_isDir = false;
};
