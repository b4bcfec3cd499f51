#pragma once

#include "hostdata/CCategories.h"

#include <QString>
#include <QStringList>

class CModels;
class CGsb;
class LookupCache;
struct IniProblems;
struct Installation;

// What the detail view shows for one record, worked out without a window.
struct ModelDetail {
    QString file;            // lblResult(0): the record's File
    bool known = false;      // EEP lists the model under a category
    QString resultSentence;  // "finden Sie in EEP im Editor" / "ist im EEP nicht bekannt"
    qint16 editor = -1;
    QString editorName;      // lblResult(2)
    CategoryPlace place;
    QString placeText;       // txEepPlace: CategoryPathText
    QString fileState;       // "gsb-Datei existiert nicht" / "mod2-Dateien unvollständig" / empty

    // Looks the record up and loads gsb with the model's file (as the detail
    // view does, so the side windows can read it); the paths are looked up
    // with the cache of the operation.
    static ModelDetail Of(const CModels& models, qint32 index, const CCategories& categories, CGsb& gsb,
                          const Installation& installation, LookupCache& cache);
};

// The category path as lines, each level indented by one more "-- ".
QString CategoryPathText(const QStringList& place);

// The ini-problems notice of the last search (its problems and the name key
// it searched with), or empty when it is to be hidden (no problems, or the
// language, nameKey, changed since the search).
QString IniProblemsNoticeText(const IniProblems& problems, const QString& searchNameKey, const QString& nameKey);
