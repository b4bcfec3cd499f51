#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The model ini files that a search could not open and those without a name
// entry for its language: the first 100 paths of each (the model's File with
// ".gsb" replaced by ".ini"), every occurrence counted.
struct IniProblems {
    QStringList gcolMissingIni;
    qint32 glMissingIni = 0;
    QStringList gcolNoNameIni;
    qint32 glNoNameIni = 0;

    void NoteMissingIni(const QString& path);
    void NoteNoNameIni(const QString& path);
};

// Appends the ini path of a model file while the list holds fewer than 100.
void AddIniToList(QStringList& list, const QString& path);
// The model's ini file: the path with its ending ".gsb" replaced by ".ini".
QString IniPathOf(const QString& path);
