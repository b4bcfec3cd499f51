#include "hostdata/CModels.h"

#include "hostdata/CIniFile.h"
#include "hostdata/LikePattern.h"
#include "hostdata/SearchJob.h"
#include "platform/ReadAhead.h"
#include "startup/KluniError.h"
#include "startup/modTools.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <deque>
#include <limits>
#include <unordered_map>
#include <utility>

namespace {

const QLatin1String kGsbExtension(".gsb");

// RemoveDups asks whether to stop once per so many records: a hash look-up
// each is quick, a hundred thousand of them are not.
constexpr qint32 kRecordsPerStopCheck = 64;

// True when the entry name begins with "file" in any case. The names come
// from Windows-1252 text, where only the ASCII letters lower-case to f, i, l
// and e, so comparing the ASCII letters equals comparing the lower-cased name,
// and the bytes of the name tell as much as its characters.
bool IsFileWord(const char16_t (&first)[4])
{
    static const char kFile[] = "file";
    for (int i = 0; i < 4; ++i) {
        const char16_t lower = first[i] >= u'A' && first[i] <= u'Z' ? char16_t(first[i] + 32) : first[i];
        if (lower != char16_t(kFile[i]))
            return false;
    }
    return true;
}

bool IsModelEntryName(QStringView name)
{
    return name.size() >= 4 && IsFileWord({name[0].unicode(), name[1].unicode(), name[2].unicode(), name[3].unicode()});
}

bool IsModelEntryName(QByteArrayView name)
{
    const auto at = [&name](int i) { return char16_t(static_cast<unsigned char>(name[i])); };
    return name.size() >= 4 && IsFileWord({at(0), at(1), at(2), at(3)});
}

// The gsb name of a path without copying: the text after the last '\' less
// ".gsb" when that text is longer than 4 characters and ends in ".gsb".
QStringView GsbPart(QStringView path)
{
    // Hand-written scans: this runs for every entry of "Models.ini".
    const QChar* begin = path.data();
    const QChar* end = begin + path.size();
    const QChar* name = end;
    while (name != begin && name[-1] != u'\\')
        --name;
    if (name == begin)
        return {};
    const qsizetype length = end - name;
    if (length > 4 && end[-4] == u'.' && end[-3] == u'g' && end[-2] == u's' && end[-1] == u'b')
        return QStringView(name, length - 4);
    return {};
}

QString ModelsIniMessage(const QString& modelsIni)
{
    return FormatMsg(QCoreApplication::translate("CModels",
        "Kann die Datei %1 nicht lesen!%mOhne diese Datei kann Kluni keine Modelle "
        "finden.%mDas Programm wird somit beendet."),
                     {modelsIni});
}

// The first record of each file from a start index on, found by the file's
// text: open addressing over slots of a hash and a record number, so that a
// look-up touches one slot and, only when the hashes agree, one file name.
// (A general hash table compares the texts of every slot it probes; with a
// hundred thousand scanned files those reads dominate.) The records must not
// change their File while the index is in use.
class FirstRecordIndex {
public:
    FirstRecordIndex(const std::vector<ModelRecord>& records, qint32 start)
        : m_records(records)
    {
        size_t slots = 16;
        while (slots < 2 * (records.size() - size_t(start)))
            slots *= 2;
        m_slots.assign(slots, Slot{0, -1});
        m_mask = slots - 1;
        for (qint32 i = start; i < qint32(records.size()); ++i) {
            const quint32 hash = Hash(records[size_t(i)].File);
            Slot& slot = m_slots[Probe(records[size_t(i)].File, hash)];
            if (slot.record < 0)   // the first record of a file stays
                slot = Slot{hash, i};
        }
    }

    // The first record from start on whose File equals file; -1 for none.
    qint32 Find(QStringView file) const
    {
        return m_slots[Probe(file, Hash(file))].record;
    }

private:
    struct Slot {
        quint32 hash;
        qint32 record;   // -1: empty
    };

    static quint32 Hash(QStringView text) { return quint32(qHash(text)); }

    // The slot that holds file, or the empty slot where it belongs.
    size_t Probe(QStringView file, quint32 hash) const
    {
        for (size_t i = hash & m_mask;; i = (i + 1) & m_mask) {
            const Slot& slot = m_slots[i];
            if (slot.record < 0 || (slot.hash == hash && m_records[size_t(slot.record)].File == file))
                return i;
        }
    }

    const std::vector<ModelRecord>& m_records;
    std::vector<Slot> m_slots;
    size_t m_mask = 0;
};

const ModelRecord& At(const std::vector<ModelRecord>& records, qint32 index)
{
    if (index < 0 || size_t(index) >= records.size())
        throw KluniError::SubscriptOutOfRange();
    return records[size_t(index)];
}

} // namespace

bool CModels::FilterModels(SearchJob& job, qint16 piOper, const QString& ptModel, NameSource source, bool gbExtend)
{
    if (!gbExtend)
        ClearAll();
    const QString pattern = BuildPattern(piOper, ptModel);

    CIniFile ini;
    if (!OpenModelsIni(job, ini))
        return false;
    const LikePattern compiled(pattern.toLower());
    if (source != NameSource::Gsb) {
        FilterByIniNames(job, ini, compiled, source);
        return true;
    }
    // Matching gsb names only, an entry without the pattern's plain text can
    // never match: the reader passes over such lines without decoding them.
    if (compiled.IsValid())
        ini.SkipEntriesWithout(compiled.RequiredText());
    job.progress.Begin(SearchProgress::Unit::ModelEntries);
    WalkModelEntries(ini, [&](const CIniFile& entry, const auto& section) {
        job.progress.Step();
        const QString file = MatchEntry(job, entry.EntryName(), entry.EntryValueLower(), compiled, source);
        if (!file.isEmpty())
            StoreFile(file, section());
    });
    return true;
}

// Every model entry opens the model's ini file. The entries wait in a short
// queue before they are matched, in their order, so that on a slow disk the
// ini files at the back of the queue are already being read. Those reads
// take the entry as Models.ini spells it: where that is the spelling on the
// disk, they open the file without listing its directories.
void CModels::FilterByIniNames(SearchJob& job, CIniFile& ini, const LikePattern& pattern, NameSource source)
{
    struct Pending {
        QString name;
        QString value;
        QString section;
        QString asListed;   // the value before lower-casing, taken once the read-ahead runs
    };
    constexpr size_t kLookahead = 1024;
    std::deque<Pending> pending;
    bool hinting = false;   // the read-ahead was acting on hints at the last entry
    ReadAhead readAhead(ReadAhead::Kind::Files);
    job.progress.Begin(SearchProgress::Unit::ModelEntries, CountModelEntries(job));

    const auto hint = [&](const Pending& entry) {
        const QString& listed = entry.asListed.isEmpty() ? entry.value : entry.asListed;
        readAhead.Hint(JoinPath(job.installation.gtResBase, entry.value.endsWith(kGsbExtension)
                                                                ? listed.chopped(4) + QLatin1String(".ini")
                                                                : listed));
    };
    const auto matchFirst = [&] {
        job.progress.Step();
        const Pending& first = pending.front();
        readAhead.BeginRead();
        const QString file = MatchEntry(job, first.name, first.value, pattern, source);
        readAhead.EndRead(1);
        if (!file.isEmpty())
            StoreFile(file, first.section);
        pending.pop_front();
    };
    WalkModelEntries(ini, [&](const CIniFile& entry, const auto& section) {
        const bool ahead = readAhead.Active();
        pending.push_back(Pending{entry.EntryName(), entry.EntryValueLower(), section(),
                                  ahead ? entry.EntryValue() : QString()});
        if (ahead && !hinting) {   // just started: also the entries already waiting
            for (const Pending& waiting : pending)
                hint(waiting);
        } else if (ahead) {
            hint(pending.back());
        }
        hinting = ahead;
        if (pending.size() > kLookahead)
            matchFirst();
    });
    while (!pending.empty())
        matchFirst();
}

// The number of model entries in "Models.ini" when a search shows its
// progress (an ini name search, which takes long enough to show it), else 0.
qint32 CModels::CountModelEntries(SearchJob& job)
{
    if (!job.progress.WithTotals())
        return 0;
    CIniFile ini;
    if (!ini.Init(job.installation.gtModelsIni, &job.lookup))
        return 0;
    qint32 count = 0;
    for (;;) {
        ini.NextEntry();
        if (ini.IsEof())
            return count;
        if (ini.IsEntry() && IsModelEntryName(ini.EntryNameBytes())) {
            job.progress.CheckStop();
            ++count;
        }
    }
}

template <typename OnEntry>
void CModels::WalkModelEntries(CIniFile& ini, OnEntry onEntry)
{
    // m_currentSection is current until the first section header (it may
    // hold the last walk's section, as it always did).
    bool sectionTaken = true;
    const auto section = [&]() -> const QString& { return CurrentSection(ini, sectionTaken); };
    for (;;) {
        ini.NextEntry();
        if (ini.IsEof())
            break;
        if (ini.IsSection())
            sectionTaken = false;
        else if (ini.IsEntry() && IsModelEntryName(ini.EntryNameBytes()))
            onEntry(ini, section);
    }
}

QString CModels::MatchEntry(SearchJob& job, const QString& name, const QString& value, const LikePattern& pattern,
                            NameSource source) const
{
    if (!IsModelEntryName(name))
        return QString();
    bool matched = false;
    if (source == NameSource::Gsb || source == NameSource::Both)
        matched = pattern.Matches(GsbPart(value));
    if (source == NameSource::Ini || source == NameSource::Both) {
        QString iniName = IniModelName(JoinPath(job.installation.gtResBase, value), job.nameKey, &job.lookup);
        if (iniName.isEmpty()) {
            job.output.problems.NoteMissingIni(value);
        } else if (iniName == QLatin1String("<?>")) {
            job.output.problems.NoteNoNameIni(value);
            iniName.clear();
        }
        matched = pattern.Matches(iniName.toLower()) || matched;
    }
    return matched ? value : QString();
}

// The section being read, taken from the reader when a record first needs it:
// "Models.ini" has a section per category, most of which hold no match.
const QString& CModels::CurrentSection(const CIniFile& ini, bool& taken)
{
    if (!taken) {
        m_currentSection = ini.Section();
        taken = true;
    }
    return m_currentSection;
}

bool CModels::OpenModelsIni(SearchJob& job, CIniFile& ini)
{
    if (ini.Init(job.installation.gtModelsIni, &job.lookup))
        return true;
    job.output.messages.append(ModelsIniMessage(job.installation.gtModelsIni));
    return false;
}

void CModels::StoreFile(const QString& ptFile, const QString& ptSection, qint32 plPos)
{
    const qint32 count = Count();
    if (count == std::numeric_limits<qint32>::max())
        throw KluniError::Overflow();
    if (plPos < -1 || plPos > count)
        throw KluniError::SubscriptOutOfRange();
    ModelRecord record{ptSection, ptFile};
    if (plPos == -1 || plPos == count)
        m_records.push_back(std::move(record));
    else
        m_records.insert(m_records.begin() + plPos, std::move(record));
}

qint32 CModels::Count() const
{
    return qint32(m_records.size());
}

QString CModels::Section(qint32 plIndex) const
{
    return At(m_records, plIndex).Section;
}

QString CModels::Filename(qint32 plIndex) const
{
    return At(m_records, plIndex).File;
}

QString CModels::Gsb(qint32 plIndex) const
{
    return GsbFromPath(At(m_records, plIndex).File);
}

QString CModels::Path(qint32 plIndex) const
{
    return PathPart(At(m_records, plIndex).File).toString();
}

QString CModels::FilenamePur(qint32 plIndex) const
{
    return FilenamePart(At(m_records, plIndex).File).toString();
}

QStringView CModels::PathPart(QStringView file)
{
    const qsizetype slash = file.lastIndexOf(u'\\');
    return slash < 0 ? file : file.left(slash + 1);
}

QStringView CModels::FilenamePart(QStringView file)
{
    return file.mid(file.lastIndexOf(u'\\') + 1);
}

// Looking each entry up by a linear scan would make this quadratic; an index
// by file gives the same result in one pass. The first record of a file from
// plStart on stays the first one for the whole walk (records are only ever
// inserted right after it), so it is the one that every entry for that file
// finds. Its further sections are collected and inserted after it at the end,
// the latest first, as inserting each right after the found record would.
bool CModels::SetSection(SearchJob& job, qint32 plStart)
{
    CIniFile ini;
    if (!OpenModelsIni(job, ini))
        return false;

    const qint32 count = Count();
    const qint32 start = qBound(0, plStart, count);
    const FirstRecordIndex firstRecord(m_records, start);

    std::unordered_map<qint32, std::vector<QString>> furtherSections;
    size_t furtherCount = 0;
    WalkModelEntries(ini, [&](const CIniFile& entry, const auto& section) {
        job.progress.CheckStop();
        const qint32 found = firstRecord.Find(entry.EntryValueLower());
        if (found < 0)
            return;
        ModelRecord& record = m_records[size_t(found)];
        if (record.Section == DroppedSection()) {
            record.Section = section();
        } else {
            furtherSections[found].push_back(section());
            ++furtherCount;
        }
    });
    if (furtherCount == 0)
        return true;

    std::vector<ModelRecord> rebuilt;
    rebuilt.reserve(m_records.size() + furtherCount);
    for (qint32 i = 0; i < count; ++i) {
        rebuilt.push_back(std::move(m_records[size_t(i)]));
        const auto further = furtherSections.find(i);
        if (further == furtherSections.end())
            continue;
        const QString& file = rebuilt.back().File;
        for (auto section = further->second.rbegin(); section != further->second.rend(); ++section)
            rebuilt.push_back(ModelRecord{*section, file});
    }
    if (rebuilt.size() > size_t(std::numeric_limits<qint32>::max()))
        throw KluniError::Overflow();
    m_records = std::move(rebuilt);
    return true;
}

// A record from plLimit on is dropped when a record before plLimit has the same
// File and Section. As in marking by emptying the File, records from plLimit on
// with an empty File go too, but only when anything was dropped at all.
void CModels::RemoveDups(qint32 plLimit, const SearchProgress* progress)
{
    const qint32 count = Count();
    const qint32 limit = qBound(0, plLimit, count);
    if (limit == 0 || limit == count)
        return;

    QSet<std::pair<QString, QString>> before;
    before.reserve(limit);
    const auto checkStop = [progress](qint32 i) {
        if (progress && i % kRecordsPerStopCheck == 0)
            progress->CheckStop();
    };
    for (qint32 i = 0; i < limit; ++i) {
        checkStop(i);
        before.insert({m_records[size_t(i)].File, m_records[size_t(i)].Section});
    }

    std::vector<bool> repeated(size_t(count - limit), false);
    bool anyRepeated = false;
    for (qint32 i = limit; i < count; ++i) {
        checkStop(i);
        const ModelRecord& record = m_records[size_t(i)];
        if (before.contains({record.File, record.Section})) {
            repeated[size_t(i - limit)] = true;
            anyRepeated = true;
        }
    }
    if (!anyRepeated)
        return;

    size_t kept = size_t(limit);
    for (qint32 i = limit; i < count; ++i) {
        ModelRecord& record = m_records[size_t(i)];
        if (repeated[size_t(i - limit)] || record.File.isEmpty())
            continue;
        if (kept != size_t(i))
            m_records[kept] = std::move(record);
        ++kept;
    }
    m_records.resize(kept);
}

QString CModels::BuildPattern(qint16 piOper, const QString& ptModel)
{
    if (piOper == 4)
        return ptModel;
    QString text = ptModel;
    text.replace(QLatin1String("["), QLatin1String("[[]"));
    text.replace(QLatin1String("?"), QLatin1String("[?]"));
    text.replace(QLatin1String("#"), QLatin1String("[#]"));
    text.replace(QLatin1String("*"), QLatin1String("[*]"));
    switch (piOper) {
    case 0:
        return FormatMsg(QStringLiteral("*%1*"), {text});
    case 2:
        return FormatMsg(QStringLiteral("%1*"), {text});
    case 3:
        return FormatMsg(QStringLiteral("*%1"), {text});
    default:
        return text;
    }
}

QString CModels::GsbFromPath(const QString& path)
{
    return GsbPart(path).toString();
}

void CModels::ClearAll()
{
    std::vector<ModelRecord>().swap(m_records);
}
