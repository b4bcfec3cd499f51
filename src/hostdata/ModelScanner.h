#pragma once

#include "hostdata/CWinApi.h"
#include "platform/FileSystem.h"
#include "platform/ReadAhead.h"

#include <QDate>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>

class CModels;

// Walks directories for model files and stores them in a catalogue under the
// placeholder section: the scan behind the date search, dropped files and
// start parameters. A directory's own files come before its subdirectories;
// a directory already being walked (a link loop) is not walked again.
class ModelScanner {
public:
    explicit ModelScanner(CModels& models);

    // Only files whose creation day lies in [from, to] are taken (date search).
    void SetDateRange(const QDate& from, const QDate& to);

    void ScanDirectory(const QString& ptDir);
    void ScanFileList(const QStringList& names);

    // The name when it ends in ".gsb" (exact, lower case), else empty.
    static QString IsGsbName(const QString& name);
    // The path in lower case, with gMod.gtResBase cut off when it begins with it.
    static QString RelativeModelPath(const QString& path);

private:
    void Walk(const QString& ptDir, const QString& parentIdentity = QString());
    void HintSubdirectories(const QStringList& subdirectories);
    bool Takes(const QString& filename, const QDate& created) const;

    CModels& m_models;
    bool m_dateTest = false;
    QDate m_from;
    QDate m_to;
    // The entries Walk looks at (directories and gsb files), and whether it
    // reads their creation dates.
    FileSystem::EntryFilter EntriesWanted() const;
    QSet<QString> m_walking;   // directories being walked, for the loop guard
    CWinApi m_winApi;          // its own directory searches: a scan may run beside the window
    std::unique_ptr<ReadAhead> m_readAhead;   // subdirectories listed ahead on a slow disk
};
