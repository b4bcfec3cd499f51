#pragma once

#include "Vocabulary.h"

#include <QHash>
#include <QSet>
#include <QString>

// Hands out names once: the name itself, or with "_2", "_3", ... when it (or,
// compared case-insensitively, a name like it) was handed out before.
class UniqueNames {
public:
    QString Take(const QString& name);

private:
    QHash<QString, int> m_nextNumber;   // per lower-case base name
    QSet<QString> m_used;               // lower-case names handed out
};

// Makes the names of the installation: Models.ini sections, category files,
// model files and display names. Section names and file paths it hands out are
// unique (file paths case-insensitively, as on Windows).
class NameFactory {
public:
    explicit NameFactory(int modelCount);

    // "Immobilien" + "Bahnhöfe" + "Stadt" -> "Immobilien_Bahnhoefe_Stadt", then "..._2" etc.
    QString Section(const QString& prefix, const QStringList& parts);
    // A category file below dir (Windows form, may be empty): "<dir>\<base>.ini", made unique.
    QString CategoryFile(const QString& dir, const QString& base);

    // "Güterwagen_Rot_0042"
    QString ModelStem(const ModelKind& kind, const Words& variant, int serial) const;
    // "Güterwagen (Rot) 42" in each language.
    static Words ModelName(const ModelKind& kind, const Words& variant, int serial);

    // ä -> ae, ß -> ss, blanks -> "_", anything else outside [A-Za-z0-9_-] dropped.
    static QString Transliterate(const QString& text);

private:
    int m_serialWidth;
    UniqueNames m_sections;
    UniqueNames m_files;
};
