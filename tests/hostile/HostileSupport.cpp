#include "HostileSupport.h"

#include "hostdata/CModels.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <iterator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace Hostile {

namespace {

void Check(bool ok, const std::string& what)
{
    if (!ok)
        throw std::runtime_error(what + ": " + std::strerror(errno));
}

QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

void WriteAt(int dirFd, const QByteArray& name, const QByteArray& contents)
{
    const int fd = ::openat(dirFd, name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    Check(fd >= 0 && ::write(fd, contents.constData(), size_t(contents.size())) == contents.size(),
          "write " + name.toStdString());
    ::close(fd);
}

} // namespace

std::string RunIsolated(const std::function<std::string()>& work, int limitSeconds)
{
    int fds[2];
    Check(::pipe(fds) == 0, "pipe");
    const pid_t pid = ::fork();
    Check(pid >= 0, "fork");
    if (pid == 0) {
        ::close(fds[0]);
        ::alarm(unsigned(limitSeconds));
        std::string text;
        try {
            text = work();
        } catch (const std::exception& e) {
            text = std::string("exception: ") + e.what();
        }
        // A blocking write to a pipe writes it all; only a signal ends it early.
        ::_exit(::write(fds[1], text.data(), text.size()) == ssize_t(text.size()) ? 0 : 1);
    }
    ::close(fds[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) != 0;) {
        if (n > 0)
            text.append(buffer, size_t(n));
        else if (errno != EINTR)
            break;
    }
    ::close(fds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFSIGNALED(status) ? "signal " + std::to_string(WTERMSIG(status)) : text;
}

void MakeFifo(const QString& nativePath)
{
    Check(::mkfifo(Native(nativePath).constData(), 0644) == 0, "mkfifo");
}

void MakeSparseFile(const QString& nativePath, qint64 size)
{
    QFile file(nativePath);
    Check(file.open(QIODevice::WriteOnly) && file.resize(size), "sparse file");
}

void MakeSymlink(const QString& target, const QString& nativeLinkPath)
{
    Check(::symlink(Native(target).constData(), Native(nativeLinkPath).constData()) == 0, "symlink");
}

void WriteRawName(const QByteArray& nativeDir, const QByteArray& name, const QByteArray& contents)
{
    const int dir = ::open(nativeDir.constData(), O_RDONLY | O_DIRECTORY);
    Check(dir >= 0, "open " + nativeDir.toStdString());
    WriteAt(dir, name, contents);
    ::close(dir);
}

void MakeNestedChain(const QString& nativeBase, const QByteArray& name, int depth, std::initializer_list<int> models)
{
    int current = ::open(Native(nativeBase).constData(), O_RDONLY | O_DIRECTORY);
    for (int level = 1; level <= depth; ++level) {
        Check(current >= 0 && ::mkdirat(current, name.constData(), 0755) == 0, "mkdirat");
        const int child = ::openat(current, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
        ::close(current);
        current = child;
        if (std::find(models.begin(), models.end(), level) != models.end())
            WriteAt(current, "m" + QByteArray::number(level) + ".gsb", "\\");
    }
    ::close(current);
}

void RemoveTree(const QString& nativePath)
{
    // chmod and rm walk relative to directory descriptors: no depth is too deep.
    QProcess::execute(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("u+rwx"), nativePath});
    QProcess::execute(QStringLiteral("rm"), {QStringLiteral("-rf"), nativePath});
}

std::string Files(const CModels& models)
{
    QStringList files;
    for (qint32 i = 0; i < models.Count(); ++i)
        files << models.Filename(i);
    return files.join(QLatin1Char('|')).toStdString();
}

std::string Messages(const RecordingMessageSink& sink)
{
    QStringList texts;
    for (const RecordingMessageSink::Entry& entry : sink.Entries())
        texts << entry.text;
    return texts.join(QLatin1Char('|')).toStdString();
}

} // namespace Hostile

using namespace Hostile;

namespace {

// The lines a command prints.
QList<QByteArray> Lines(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
    return process.readAllStandardOutput().split('\n');
}

} // namespace

// find describes every entry (links not followed, FIFOs never opened): type,
// mode, size, links, owner, inode, modification and change times, link
// target; sha256sum adds the contents of the regular files.
TreeSnapshot TakeSnapshot(const QString& nativeRoot)
{
    TreeSnapshot snapshot;
    for (const QByteArray& line : Lines("find", {nativeRoot, "-printf", "/%P\t%y %m %s %n %U:%G %i %T@ %C@ %l\n"})) {
        if (!line.isEmpty())
            snapshot[line.left(line.indexOf('\t')).toStdString()] = line.mid(line.indexOf('\t') + 1).toStdString();
    }
    const qsizetype cut = QFile::encodeName(nativeRoot).size();
    for (const QByteArray& line : Lines("find", {nativeRoot, "-type", "f", "-exec", "sha256sum", "{}", "+"})) {
        if (!line.isEmpty())
            snapshot[line.mid(66 + cut).toStdString()] += " sha256=" + line.left(64).toStdString();
    }
    return snapshot;
}

std::string SnapshotDifferences(const TreeSnapshot& before, const TreeSnapshot& after)
{
    std::vector<TreeSnapshot::value_type> differing;
    std::set_symmetric_difference(before.begin(), before.end(), after.begin(), after.end(), std::back_inserter(differing));
    std::string differences;
    for (const auto& [path, description] : differing) {
        const auto was = before.find(path);
        differences += (was != before.end() && was->second == description ? "before " : "after ") + path + ": " + description + "\n";
    }
    return differences;
}

ReadOnlyInstallation::ReadOnlyInstallation()
{
    // The generator writes "Resourcen" itself and refuses an existing one.
    QDir(m_inst.NativeRoot()).removeRecursively();
    if (QProcess::execute(QStringLiteral(KLUNI_DEMOGEN), {QStringLiteral("--out"), NativeTop(), QStringLiteral("--models"),
                                                          QStringLiteral("120"), QStringLiteral("--pak")})
        != 0)
        throw std::runtime_error("the demo generator failed");
    m_inst.MakeDir(QStringLiteral("Immobilien/zz_Fallen"));
    MakeSymlink(QStringLiteral("../.."), m_inst.NativePath(QStringLiteral("Immobilien/zz_Fallen/schleife")));
    MakeFifo(m_inst.NativePath(QStringLiteral("Immobilien/zz_Fallen/rohr.gsb")));
    m_inst.WriteBytes(QStringLiteral("Immobilien/zz_Fallen/echt.gsb"), QByteArray("GSB\x0c\0\0\0Fallen\\fehlt", 19));
    MakeFifo(m_inst.NativePath(QStringLiteral("Immobilien/zz_Fallen/echt.ini")));
    // Write permission taken from everything (root ignores it: the snapshot is what proves it).
    QProcess::execute(QStringLiteral("chmod"), {QStringLiteral("-R"), QStringLiteral("a-w"), NativeTop()});
    m_before = TakeSnapshot(NativeTop());
}

ReadOnlyInstallation::~ReadOnlyInstallation()
{
    RemoveTree(NativeTop());
}

QString ReadOnlyInstallation::NativeTop() const
{
    return QFileInfo(m_inst.NativeRoot()).absolutePath();
}
