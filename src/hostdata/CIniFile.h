#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class QIODevice;

// Reads an ini-style file of EEP (Windows-1252) front to back, one meaningful
// line at a time. Lines end at CR LF or a lone CR; a lone LF is part of the
// line. Only one line is held in memory.
class CIniFile {
public:
    CIniFile();
    ~CIniFile();
    CIniFile(const CIniFile&) = delete;
    CIniFile& operator=(const CIniFile&) = delete;

    bool IsSection() const { return m_kind == KindSection; }
    bool IsEntry() const { return m_kind == KindEntry; }
    bool IsEof() const { return m_kind == KindEof; }
    const QString& Section() const { return m_section; }
    const QString& EntryName() const { return m_entryName; }
    const QString& EntryValue() const { return m_entryValue; }

    // Opens the file (Windows-form path); false when it cannot be opened as a
    // file (missing, a directory, unreadable). No message.
    bool Init(const QString& ptFile);
    // Reads from memory instead of a file (tests, fuzzing).
    bool InitFromBytes(const QByteArray& bytes);
    // Reads on to the next section header or entry, or to the end of the file.
    bool NextEntry();

    static QString MyLTrim(const QString& ptString);

private:
    enum Kind { KindSection = 0, KindEntry = 1, KindEof = 2, KindNothing = 3 };

    bool ReadLine(QByteArray& line);
    void ParseLine(const QString& line);
    static QString MyRTrim(const QString& text);

    std::unique_ptr<QIODevice> m_device;
    int m_kind = KindSection;
    QString m_section;
    QString m_entryName;
    QString m_entryValue;
};

// The display name of a model from its own ini file under gMod.gtNameKey:
// the path unchanged when it does not end in ".gsb"; empty when the ini file
// cannot be opened; "<?>" when it has no non-blank name entry.
QString IniModelName(const QString& path);
