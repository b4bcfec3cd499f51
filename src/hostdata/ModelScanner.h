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
struct SearchJob;

// Walks directories for model files and stores them in a catalogue under the
// placeholder section: the scan behind the date search, dropped files and
// start parameters. A directory's own files come before its subdirectories;
// a directory already being walked (a link loop) is not walked again. It
// works for one search (the job): it reports each directory to the job's
// progress, asks it whether to stop at every entry, and looks paths up with
// the job's cache.
class ModelScanner {
public:
    ModelScanner(CModels& models, SearchJob& job);

    // Only files whose creation day lies in [from, to] are taken (date search).
    void SetDateRange(const QDate& from, const QDate& to);

    void ScanDirectory(const QString& ptDir);
    void ScanFileList(const QStringList& names);

    // The name when it ends in ".gsb" (exact, lower case), else empty.
    static QString IsGsbName(const QString& name);
    // The path in lower case, with the resource directory (in lower case) cut
    // off when it begins with it.
    static QString RelativeModelPath(const QString& path, const QString& lowerResBase);

private:
    void Walk(const QString& ptDir, const QString& parentIdentity = QString());
    void HintSubdirectories(const QStringList& subdirectories);
    bool Takes(const QString& filename, const QDate& created) const;

    CModels& m_models;
    SearchJob& m_job;
    const QString m_lowerResBase;
    bool m_dateTest = false;
    QDate m_from;
    QDate m_to;
    // The entries Walk looks at (directories and gsb files), and whether it
    // reads their creation dates.
    FileSystem::EntryFilter EntriesWanted() const;
    QSet<QString> m_walking;   // directories being walked, for the loop guard
    CWinApi m_winApi;          // its own directory searches, with the job's lookup cache
    std::unique_ptr<ReadAhead> m_readAhead;   // subdirectories listed ahead on a slow disk
};
