#pragma once

#include "hostdata/CModels.h"
#include "hostdata/IniProblems.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

// What a search leaves: the result catalogue and all it found out on the way,
// for whoever takes the result over.
struct SearchOutput {
    CModels models;
    bool result = true;        // false: "Models.ini" could not be read by the name search
    qint32 glPrevCount = 0;    // catalogue count before the search
    QString gtSearchNameKey;   // the name key the name search compared with
    IniProblems problems;      // of the name and date searches
    QStringList messages;      // message box texts raised on the way, in order, not yet shown
};
