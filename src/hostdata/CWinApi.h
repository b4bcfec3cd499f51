#pragma once

#include "hostdata/CFile.h"

#include <QString>
#include <QtGlobal>

// Directory searches with a handle, as the scans use them. Paths are in
// Windows form; entries come in NTFS order, "." and ".." included.
class CWinApi {
public:
    bool isDirectory(const QString& ptFile) const;
    bool FindFirstFile(qint32& plHandle, const QString& ptDir, const QString& ptFileTemplate, CFile& pFile);
    bool FindNextFile(qint32 plHandle, const QString& ptDir, CFile& pFile);
    bool FindClose(qint32 plHandle);
    // Height of a window caption bar in pixels (set by the window layer; a
    // typical value until then).
    qint32 GetWinTitleHeight() const;
    static void SetWinTitleHeight(qint32 pixels);

    // The local calendar day of a UTC time, converted with the UTC offset in
    // force now (daylight saving included), as the file dates are.
    static QDate LocalDayOf(qint64 utcMs);
};

// The one shared instance, created on first use.
CWinApi& goWinApi();
