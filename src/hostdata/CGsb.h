#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>
#include <string_view>
#include <unordered_set>

class LookupCache;
class QCollator;

// A model file (.gsb) and the mod2 files it names, found by scanning its bytes
// for length-prefixed relative paths.
class CGsb {
public:
    // Loads and scans the file (Windows-form path); each mod2 file named is
    // looked for below modelsDir (the installation's "Modelle"). True only
    // when the gsb file exists, is not empty and could be read.
    bool Init(const QString& ptGsb, const QString& modelsDir);
    qint32 Count() const;
    QString Mod2Name(qint32 plIndex) const;      // 1-based
    bool Mod2Exists(qint32 plIndex) const;       // 1-based
    qint32 CountMissing() const;
    QString GsbName() const { return m_gsbPath; }
    bool GsbExists() const { return m_gsbExists; }

    // Scans bytes already in memory (tests, fuzzing); the existence of each
    // name is tested below modelsDir as usual.
    void ScanBytes(const QByteArray& contents, const QString& modelsDir);

    static bool IsMod2Name(const QString& name);

private:
    // What one scan compares and looks up with.
    struct Scan {
        const QCollator& collator;
        const QString& modelsDir;
        LookupCache& lookup;
    };

    void Clear();
    bool ReadAll(qint64 length);
    void ScanAll(const QString& modelsDir);
    qsizetype ScanAt(qsizetype p, const Scan& scan);   // 0-based position of a backslash
    qsizetype NearestZeroBefore(qsizetype p);
    void AddMod2(const QString& name, const Scan& scan);

    QStringList m_names;
    QVector<bool> m_states;
    QString m_gsbPath;
    QByteArray m_contents;
    qint16 m_missing = 0;
    bool m_gsbExists = false;
    bool m_scanned = false;

    // Scan state: the nearest zero byte is found incrementally, so a long
    // run without zero bytes is searched backwards only once.
    qsizetype m_zeroSearchedUpTo = 0;   // positions below this are known
    qsizetype m_lastZero = -1;          // last zero byte (index >= 3) below it
    std::unordered_set<std::string_view> m_seen;   // names taken so far, as bytes of m_contents
};
