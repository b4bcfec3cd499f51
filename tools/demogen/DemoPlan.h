#pragma once

#include "Vocabulary.h"

#include <QString>
#include <QStringList>
#include <QVector>

// One category of an object editor: a section of a category file.
struct PlannedCategory {
    int editor = 0;
    int kind = 0;             // the kind of model it holds (index into the editor's kinds)
    int parent = -1;          // index into DemoPlan::categories; -1 = top level
    Words name;               // display name in the four languages
    QString filterSection;    // the Models.ini section its models are listed under
    QString file;             // its category file, relative to the editor directory
    bool blankName = false;   // every Name_ entry present but blank
    int missingLang = -1;     // a language whose Name_ entry is left out (-1 = none)
    int modelCount = 0;
};

// A category file and the files listed after it between "CDIn" and "CDOut".
struct CategoryFile {
    QString path;             // relative to the editor directory, Windows form
    QVector<int> sections;    // categories, the file's own category first
    QVector<CategoryFile> children;
};

enum class IniKind { Normal, Missing, BlankGerName, QuotedBlankGerName };

// One model: a gsb file, its ini file and its mod2 files.
struct PlannedModel {
    int editor = 0;
    int kind = 0;
    int category = -1;           // index into DemoPlan::categories
    QString dir;                 // below Resourcen, Windows form
    QString stem;                // file name without extension
    QString extension = QStringLiteral(".gsb");
    Words name;                  // display name in the four languages
    QStringList mod2;            // below Resourcen\Modelle, without ".mod2"
    QStringList missingMod2;     // those of mod2 that are not written
    QStringList sections;        // Models.ini sections listing it, in file order
    IniKind ini = IniKind::Normal;
    bool lowerCaseEntry = false; // Models.ini writes its directory in lower case

    QString GsbPath() const { return dir + QLatin1Char('\\') + stem + extension; }
    QString IniPath() const { return dir + QLatin1Char('\\') + stem + QStringLiteral(".ini"); }
};

// The models and categories that show the installation's deliberate faults.
// Model entries are gsb paths relative to Resourcen as written on disk.
struct DemoOddities {
    QStringList missingIni;          // listed, but without ini file
    QStringList blankNameIni;        // ini file with a blank Name_GER
    QStringList missingMod2;         // some of their mod2 files are not there
    QStringList twoSections;         // listed under two Models.ini sections
    QStringList notInModelsIni;      // on disk, not listed
    QStringList upperCaseExtension;  // ".GSB", not listed either
    QStringList unknownSection;      // listed under a section no category uses
    QString unknownSectionName;
    QVector<int> blankNameCategories;    // every name entry blank
    QVector<int> missingNameCategories;  // no Name_GER entry
};

// Everything the writers need, decided before the first file is written.
struct DemoPlan {
    QVector<PlannedCategory> categories;
    QVector<QVector<CategoryFile>> editorFiles;   // top-level category files per editor
    QVector<PlannedModel> models;
    QStringList sharedMod2;                       // mod2 files used by several models
    QStringList extraSections;                    // Models.ini sections no category uses
    DemoOddities oddities;
};
