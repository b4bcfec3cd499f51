#include "hostdata/ModelScanner.h"

#include "hostdata/CModels.h"
#include "hostdata/SearchJob.h"
#include "platform/HostPath.h"
#include "platform/TextCase.h"

#include <QFileInfo>

namespace {

// The directory's identity on disk: links resolved, so that a link back to a
// directory above is recognised. Resolving costs a look at every component of
// the path, so below a known parent only a link is resolved; a plain
// subdirectory is its parent's identity and its name. Empty when it cannot be
// resolved.
QString DirIdentity(const QString& windowsDir, const QString& parentIdentity, LookupCache& cache)
{
    const QString native = HostPath::ToNative(windowsDir, &cache);
    if (native.isEmpty())
        return QString();
    const QFileInfo info(native);
    if (parentIdentity.isEmpty() || info.isSymLink())
        return info.canonicalFilePath();
    return parentIdentity + QLatin1Char('/') + info.fileName();
}

// True when the name ends in ".gsb" in any case: only the ASCII letters G, S
// and B lower-case to g, s and b, so the test needs no lower-cased copy.
bool HasGsbExtension(const QString& filename)
{
    if (filename.size() < 4)
        return false;
    const QChar* end = filename.constData() + filename.size();
    const auto lower = [](QChar c) { return c >= u'A' && c <= u'Z' ? char16_t(c.unicode() + 32) : c.unicode(); };
    return end[-4] == u'.' && lower(end[-3]) == u'g' && lower(end[-2]) == u's' && lower(end[-1]) == u'b';
}

bool IsSelfOrParentEntry(const QString& filename)
{
    return filename.endsWith(QLatin1String("\\.")) || filename.endsWith(QLatin1String("\\.."));
}

// Closes a directory search however the scope is left.
class SearchGuard {
public:
    SearchGuard(CWinApi& api, qint32& handle) : m_api(api), m_handle(handle) {}
    ~SearchGuard() { m_api.FindClose(m_handle); }
    SearchGuard(const SearchGuard&) = delete;
    SearchGuard& operator=(const SearchGuard&) = delete;

private:
    CWinApi& m_api;
    qint32& m_handle;
};

} // namespace

ModelScanner::ModelScanner(CModels& models, SearchJob& job)
    : m_models(models)
    , m_job(job)
    , m_lowerResBase(TextCase::Lower(job.installation.gtResBase))
    , m_winApi(&job.lookup)
{
}

void ModelScanner::SetDateRange(const QDate& from, const QDate& to)
{
    m_dateTest = true;
    m_from = from;
    m_to = to;
}

void ModelScanner::ScanDirectory(const QString& ptDir)
{
    m_job.progress.AddTotal(1);
    Walk(ptDir);
}

void ModelScanner::ScanFileList(const QStringList& names)
{
    QStringList directories;
    for (const QString& name : names) {
        m_job.progress.CheckStop();
        if (m_winApi.isDirectory(name))
            directories.append(name);
        else if (!IsGsbName(name).isEmpty())
            m_models.StoreFile(RelativeModelPath(name, m_lowerResBase), DroppedSection());
    }
    m_job.progress.AddTotal(qint32(directories.size()));
    for (const QString& dir : directories)
        Walk(dir);
}

QString ModelScanner::IsGsbName(const QString& name)
{
    return name.endsWith(QLatin1String(".gsb")) ? name : QString();
}

// The result is kept in a record for every model found: a copy of the part
// after the resource directory holds no unused room for its start.
QString ModelScanner::RelativeModelPath(const QString& path, const QString& lowerResBase)
{
    const QString lower = TextCase::Lower(path);
    return lower.startsWith(lowerResBase) ? lower.mid(lowerResBase.size()) : lower;
}

void ModelScanner::Walk(const QString& ptDir, const QString& parentIdentity)
{
    if (!m_readAhead)
        m_readAhead = std::make_unique<ReadAhead>(ReadAhead::Kind::Directories, EntriesWanted());
    const QString identity = DirIdentity(ptDir, parentIdentity, m_job.lookup);
    m_job.progress.Step();
    if (!identity.isEmpty() && m_walking.contains(identity))
        return;

    QStringList subdirectories;
    {
        CFile file;
        qint32 handle = CWinApi::kInvalidHandle;
        SearchGuard guard(m_winApi, handle);
        m_readAhead->BeginRead();
        bool found = m_winApi.FindFirstFile(handle, ptDir, QStringLiteral("*.*"), file, EntriesWanted());
        qint64 entries = 0;
        while (found) {
            ++entries;
            const QString& filename = file.Filename();
            if (file.isDir()) {
                if (!IsSelfOrParentEntry(filename))
                    subdirectories.append(filename);
            } else if (Takes(filename, file.CreationDate())) {
                m_models.StoreFile(RelativeModelPath(filename, m_lowerResBase), DroppedSection());
            }
            found = m_winApi.FindNextFile(handle, ptDir, file);
        }
        m_readAhead->EndRead(entries);
    }

    if (subdirectories.isEmpty())
        return;
    m_job.progress.AddTotal(qint32(subdirectories.size()));
    HintSubdirectories(subdirectories);
    m_walking.insert(identity);
    for (const QString& sub : subdirectories)
        Walk(sub, identity);
    m_walking.remove(identity);
}

// The walk takes the subdirectories in order, each with its whole tree, so
// the read-ahead (last named, first read) gets them last to first.
void ModelScanner::HintSubdirectories(const QStringList& subdirectories)
{
    if (!m_readAhead->Active())
        return;
    for (auto sub = subdirectories.crbegin(); sub != subdirectories.crend(); ++sub)
        m_readAhead->Hint(*sub);
}

// A long listing (a directory of many thousand entries on a slow disk) ends
// early when the search is asked to stop: the filter asks at every entry.
FileSystem::EntryFilter ModelScanner::EntriesWanted() const
{
    using FileSystem::EntryNeed;
    const EntryNeed gsbNeed = m_dateTest ? EntryNeed::KindAndTimes : EntryNeed::Kind;
    const SearchProgress* progress = &m_job.progress;
    return [gsbNeed, progress](const QString& name, bool isDir) {
        progress->ThrowIfStopped();
        if (isDir)
            return EntryNeed::Kind;
        return HasGsbExtension(name) ? gsbNeed : EntryNeed::Skip;
    };
}

bool ModelScanner::Takes(const QString& filename, const QDate& created) const
{
    if (!HasGsbExtension(filename))
        return false;
    return !m_dateTest || (m_from <= created && created <= m_to);
}
