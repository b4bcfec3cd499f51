#pragma once

#include "hostdata/ModelRecord.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

// The result list in data form: records numbered from 0, in list order.
class CModels {
public:
    // Name search over "Models.ini" (operator 0..4 as in the operator box).
    // Empties the catalogue first unless gMod.gbExtend. False only when
    // "Models.ini" cannot be opened (after its message).
    bool FilterModels(qint16 piOper, const QString& ptModel, NameSource source);
    void StoreFile(const QString& ptFile, const QString& ptSection, qint32 plPos = -1);
    qint32 Count() const;
    QString Section(qint32 plIndex) const;
    QString Filename(qint32 plIndex) const;
    QString Gsb(qint32 plIndex) const;
    QString Path(qint32 plIndex) const;
    // Gives the records from plStart on their "Models.ini" sections; False only
    // when "Models.ini" cannot be opened (after its message).
    bool SetSection(qint32 plStart);
    void RemoveDups(qint32 plLimit);
    QString FilenamePur(qint32 plIndex) const;

    const ModelRecord& Record(qint32 plIndex) const { return m_records[size_t(plIndex)]; }

    static QString BuildPattern(qint16 piOper, const QString& ptModel);
    static QString GsbFromPath(const QString& path);

private:
    void ClearAll();

    QString m_currentSection;
    std::vector<ModelRecord> m_records;
};

// The problem lists of the last search (gMod.gcolMissingIni / gcolNoNameIni).
void NoteMissingIni(const QString& path);
void NoteNoNameIni(const QString& path);
void AddIniToList(QStringList& list, const QString& path);
// Empties both lists and their counters (before each search).
void ResetIniProblems();
