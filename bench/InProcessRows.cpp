#include "InProcessRows.h"

#include "hostdata/CCategories.h"
#include "hostdata/ResultTexts.h"
#include "hostdata/SearchProgress.h"
#include "hostdata/Searches.h"
#include "platform/HostPath.h"
#include "startup/modTools.h"

#include <QDate>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <memory>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr qint32 kClipboardRecords = 100000;

// open, fstat, read, close for every file: what reading them costs at least.
qint64 ReadWholeFiles(const std::vector<QByteArray>& paths)
{
    qint64 total = 0;
#ifndef Q_OS_WIN
    char buffer[65536];
    for (const QByteArray& path : paths) {
        const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
            ssize_t n;
            while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
                total += n;
        }
        ::close(fd);
    }
#else
    Q_UNUSED(paths);
#endif
    return total;
}

} // namespace

InProcessRows::InProcessRows(const MeasurePolicy& policy, std::shared_ptr<const Installation> installation)
    : m_policy(policy)
    , m_installation(std::move(installation))
{
}

SearchInput InProcessRows::Input() const
{
    SearchInput input;
    input.installation = m_installation;
    input.gtNameKey = QStringLiteral("Name_GER");
    return input;
}

QStringList InProcessRows::Names()
{
    return {QStringLiteral("categories"), QStringLiteral("category-files"), QStringLiteral("clipboard"),
            QStringLiteral("date"), QStringLiteral("scan")};
}

std::vector<Measurement> InProcessRows::Run(const QString& only)
{
    using RowFn = Measurement (InProcessRows::*)();
    const RowFn rows[] = {&InProcessRows::LoadCategoryTrees, &InProcessRows::ReadCategoryFiles,
                          &InProcessRows::ClipboardText, &InProcessRows::DateSearch, &InProcessRows::DroppedRoots};
    const QStringList names = Names();
    std::vector<Measurement> results;
    for (qsizetype i = 0; i < names.size(); ++i)
        if (only.isEmpty() || only == names.at(i))
            results.push_back((this->*rows[i])());
    return results;
}

Measurement InProcessRows::LoadCategoryTrees()
{
    std::unique_ptr<CCategories> categories;
    Measurement m = Measure(
        QStringLiteral("categories"), m_policy, [&] { categories = std::make_unique<CCategories>(); },
        [&] { categories->Init(*m_installation, QStringLiteral("Name_GER")); });
    qsizetype nodes = 0;
    for (qint16 e = 0; e < CCategories::kEditorCount; ++e)
        nodes += categories->Nodes(e).size();
    m.note = QStringLiteral("%1 categories in 9 trees").arg(nodes);
    return m;
}

Measurement InProcessRows::ReadCategoryFiles()
{
    QStringList files;
    QDirIterator it(HostPath::ToNative(m_installation->gtCategoriesDir), {QStringLiteral("*.ini")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (QFileInfo(path).fileName() != QLatin1String("Models.ini"))
            files << path;
    }
    std::vector<QByteArray> encoded;
    for (const QString& file : files)
        encoded.push_back(QFile::encodeName(file));
    qint64 bytes = 0;
    Measurement m = Measure(QStringLiteral("category-files"), m_policy, [] {}, [&] { bytes = ReadWholeFiles(encoded); });
    m.note = QStringLiteral("%1 files, %2 bytes").arg(files.size()).arg(bytes);
    return m;
}

Measurement InProcessRows::ClipboardText()
{
    const CModels models = DroppedCatalogue(kClipboardRecords);
    qsizetype length = 0;
    Measurement m = Measure(
        QStringLiteral("clipboard"), m_policy, [] {}, [&] { length = ResultTexts::ClipboardText(models).size(); });
    m.note = QStringLiteral("%1 rows, %2 characters").arg(models.Count()).arg(length);
    return m;
}

// Every model file is new to this range, as on an installation set up today.
Measurement InProcessRows::DateSearch()
{
    SearchOutput search;
    SearchProgress progress;
    Measurement m = Measure(
        QStringLiteral("date"), m_policy, [&] { search = SearchOutput(); },
        [&] { search = Searches::ByDate(Input(), progress, QDate(1980, 1, 1), QDate::currentDate()); });
    m.note = CatalogueNote(search.models);
    return m;
}

Measurement InProcessRows::DroppedRoots()
{
    const QStringList roots = RootPaths();
    SearchOutput search;
    SearchProgress progress;
    Measurement m = Measure(
        QStringLiteral("scan"), m_policy, [&] { search = SearchOutput(); },
        [&] { search = Searches::Dropped(Input(), progress, roots); });
    m.note = CatalogueNote(search.models);
    return m;
}

QStringList InProcessRows::RootPaths() const
{
    QStringList roots;
    for (const QString& root : Searches::DateSearchRoots())
        roots << JoinPath(m_installation->gtResBase, root);
    return roots;
}

CModels InProcessRows::DroppedCatalogue(qint32 n) const
{
    SearchProgress progress;
    const CModels scanned = Searches::Dropped(Input(), progress, RootPaths()).models;
    CModels models;
    for (qint32 i = 0; i < n && scanned.Count() > 0; ++i)
        models.StoreFile(scanned.Filename(i % scanned.Count()), DroppedSection());
    return models;
}

QString InProcessRows::CatalogueNote(const CModels& models)
{
    qint32 unknown = 0;
    for (qint32 i = 0; i < models.Count(); ++i)
        if (models.Record(i).Section == DroppedSection())
            ++unknown;
    return QStringLiteral("%1 records, %2 of them not in Models.ini").arg(models.Count()).arg(unknown);
}
