#pragma once

#include "hostdata/ModelRecord.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>
#include <vector>

class CIniFile;
class LikePattern;
class SearchProgress;
struct SearchJob;

// The result list in data form: records numbered from 0, in list order.
class CModels {
public:
    // Name search over the job's "Models.ini" (operator 0..4 as in the
    // operator box), noting ini problems in the job's output. Empties the
    // catalogue first unless gbExtend. False only when "Models.ini" cannot be
    // opened (its message then is in the job's output). An unreadable "wie
    // Muster" pattern is thrown as KluniError 93 at the first model entry.
    bool FilterModels(SearchJob& job, qint16 piOper, const QString& ptModel, NameSource source, bool gbExtend);
    // Appends (plPos -1 or Count()) or inserts the record at plPos.
    void StoreFile(const QString& ptFile, const QString& ptSection, qint32 plPos = -1);
    qint32 Count() const;
    QString Section(qint32 plIndex) const;
    QString Filename(qint32 plIndex) const;
    QString Gsb(qint32 plIndex) const;
    QString Path(qint32 plIndex) const;
    // Gives the records from plStart on their "Models.ini" sections; False only
    // when "Models.ini" cannot be opened (its message then is in the job's
    // output). A further section of a file gets a record of its own right
    // after the file's first record from plStart on, so later sections come
    // first.
    bool SetSection(SearchJob& job, qint32 plStart);
    // Drops the records from plLimit on that repeat (File and Section) a
    // record before plLimit; asks progress (when given) whether to stop.
    void RemoveDups(qint32 plLimit, const SearchProgress* progress = nullptr);
    QString FilenamePur(qint32 plIndex) const;

    const ModelRecord& Record(qint32 plIndex) const { return m_records[size_t(plIndex)]; }

    static QString BuildPattern(qint16 piOper, const QString& ptModel);
    static QString GsbFromPath(const QString& path);
    // The parts of a File that Path and FilenamePur give, without copying.
    static QStringView PathPart(QStringView file);
    static QStringView FilenamePart(QStringView file);

private:
    void ClearAll();
    void FilterByIniNames(SearchJob& job, CIniFile& ini, const LikePattern& pattern, NameSource source);
    // The model file of one "Models.ini" entry (name and value in lower case)
    // when its name matches, else an empty string.
    QString MatchEntry(SearchJob& job, const QString& name, const QString& value, const LikePattern& pattern,
                       NameSource source) const;
    static qint32 CountModelEntries(SearchJob& job);
    static bool OpenModelsIni(SearchJob& job, CIniFile& ini);
    const QString& CurrentSection(const CIniFile& ini, bool& taken);
    // Reads "Models.ini" to its end and calls onEntry(ini, section) for every
    // model entry; section() gives the current section when asked for.
    template <typename OnEntry>
    void WalkModelEntries(CIniFile& ini, OnEntry onEntry);

    QString m_currentSection;
    std::vector<ModelRecord> m_records;
};
