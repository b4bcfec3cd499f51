#pragma once

#include <QString>

// One record of the catalogue: a model file (relative to gtResBase, lower
// case, or a full path for files outside the installation) and the
// "Models.ini" section that lists it.
struct ModelRecord {
    QString Section;
    QString File;
};

// Section of a record found on disk and not (yet) in "Models.ini".
inline const QString& DroppedSection()
{
    static const QString section = QStringLiteral("\tDropped");
    return section;
}

// Which name a name search compares: the gsb file name, the display name from
// the model's ini file, or both (the main window's "rbModelName" buttons).
enum class NameSource { Gsb = 0, Ini = 1, Both = 2 };
