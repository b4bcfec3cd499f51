#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>

class CGsb;

// What the mod2 list window shows for a gsb file.
struct Mod2Report {
    struct Entry {
        QString name;
        bool exists = false;
    };

    QString gsb;            // the gsb path as handed to the reader
    QString title;          // the model's display name, else "\" and the file name
    bool gsbExists = false;
    QVector<Entry> mod2;    // in the reader's order
    qint32 missing = 0;
    QString note;           // the window's note; empty when it has none

    // The title in the language of nameKey.
    static Mod2Report Of(const CGsb& gsb, const QString& nameKey);
    // "1 mod2-Datei ist nicht vorhanden." / "Keine Anzeige möglich ohne die gsb-Datei." / empty.
    static QString NoteText(bool gsbExists, qint32 missing);
};
