#pragma once

#include "platform/ReadOnlyFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>

#include <array>

class LookupCache;

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
    const QString& Section() const;
    const QString& EntryName() const;
    // EntryName() == name, without building the name: most readers only
    // compare the names of the entries they pass over.
    bool EntryNameIs(QStringView name) const;
    // The name's bytes as the file holds them (Windows-1252).
    QByteArrayView EntryNameBytes() const { return m_nameBytes.View(); }
    const QString& EntryValue() const;
    // EntryValue in lower case (QString::toLower), decoded straight from the
    // line: the name search needs nothing else of most entries.
    const QString& EntryValueLower() const;

    // Opens the file (Windows-form path), looked up with the operation's
    // cache when given; false when it cannot be opened as a file (missing, a
    // directory, a device or pipe, unreadable). No message.
    bool Init(const QString& ptFile, LookupCache* cache = nullptr);
    // Reads from memory instead of a file (tests, fuzzing).
    bool InitFromBytes(const QByteArray& bytes);
    // Reads on to the next section header or entry, or to the end of the file.
    // A read error after a successful Init is thrown as KluniError.
    bool NextEntry();

    // For a reader that wants only the entries whose value, in lower case,
    // contains a text (a text in lower case): entry lines that cannot contain
    // it are passed over as if they were comments, without decoding them.
    // Section headers are delivered as always. Call it after Init.
    void SkipEntriesWithout(const QString& lowerText);

    static QString MyLTrim(const QString& ptString);

private:
    enum Kind { KindSection = 0, KindEntry = 1, KindEof = 2, KindNothing = 3 };
    enum Filter { FilterNone, FilterNeedle, FilterAllEntries };

    void Open(qint64 size);
    bool IsOpen() const;
    qint64 ReadSource(char* data, qint64 max);
    bool FillBuffer();
    qsizetype FindNeedle(const char* data, qsizetype size) const;
    static bool Spellings(unsigned char lower, std::array<unsigned char, 2>& spellings);
    bool ReadLine();
    bool SkipToCandidateLine();
    bool LineMayHoldNeedle();
    void ParseLine(const char* line, qsizetype length);
    void SetSection(const char* begin, const char* end);
    void SetName(const char* begin, const char* end);
    void SetValue(const char* begin, const char* end);
    void Close();
    static QString MyRTrim(const QString& text);

    ReadOnlyFile m_file;
    QByteArray m_bytes;           // the text of InitFromBytes
    bool m_fromBytes = false;
    qint64 m_size = 0;            // the size when opened
    qint64 m_bytesRead = 0;
    // Bytes read ahead of the current line: in the object itself for a small
    // file (model and category ini files), which spares an allocation each.
    static constexpr qsizetype kInlineBuffer = 4096;
    char m_inlineBuffer[kInlineBuffer];
    QByteArray m_heapBuffer;
    char* m_buffer = nullptr;     // m_inlineBuffer or m_heapBuffer's data
    qsizetype m_bufferSize = 0;
    qsizetype m_bufferPos = 0;    // next unread byte in m_buffer
    qsizetype m_bufferEnd = 0;    // end of the valid bytes in m_buffer
    bool m_skipLineFeed = false;  // the last line ended at a CR at the end of the buffer
    bool m_atEnd = false;         // the device has no more bytes
    QByteArray m_line;            // a line that did not lie within one buffer fill
    const char* m_linePtr = nullptr;  // the current line, without its terminator
    qsizetype m_lineLength = 0;
    qsizetype m_lineOffset = -1;  // its place in m_buffer; -1 when it is in m_line
    Filter m_filter = FilterNone;
    QByteArray m_needle;          // Windows-1252 bytes of the filter text
    std::array<qsizetype, 256> m_shift{};   // the search's shift by the byte under the needle's end
    // The needle's first, middle and last bytes in either case, when each has
    // at most two spellings.
    bool m_endSpellings = false;
    std::array<unsigned char, 2> m_firstSpellings{};
    std::array<unsigned char, 2> m_midSpellings{};
    std::array<unsigned char, 2> m_lastSpellings{};
    qsizetype m_nextHit = -1;     // first needle place in m_buffer from the current line on
    int m_kind = KindSection;
    // The bytes of a section, name or value: where they lie in the line, until
    // the line's storage is about to be reused; then they are copied into the
    // field's own store. Most fields are never asked for and never copied.
    struct LineBytes {
        const char* data = nullptr;
        qsizetype size = 0;
        QVarLengthArray<char, 128> store;

        void Set(const char* begin, const char* end);
        // Copies the bytes when they lie in [first, last).
        void KeepIfWithin(const char* first, const char* last);
        QByteArrayView View() const { return QByteArrayView(data, size); }
    };
    // Before the bytes in [first, last) are overwritten or released.
    void KeepFieldsWithin(const char* first, qsizetype size);

    // The section, name and value are decoded when they are asked for, from their bytes.
    LineBytes m_sectionBytes;
    mutable bool m_sectionDecoded = true;
    mutable QString m_section;
    LineBytes m_nameBytes;
    mutable bool m_nameDecoded = true;
    mutable QString m_entryName;
    LineBytes m_valueBytes;
    mutable bool m_valueDecoded = true;
    mutable bool m_lowerDecoded = true;
    mutable QString m_entryValue;
    mutable QString m_entryValueLower;
};

// The display name of a model from its own ini file under the name key
// ("Name_GER", ...): the path unchanged when it does not end in ".gsb"; empty
// when the ini file cannot be opened; "<?>" when the first name entry is
// blank or there is none.
QString IniModelName(const QString& path, const QString& nameKey, LookupCache* cache = nullptr);
