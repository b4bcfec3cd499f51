#include "HostileSupport.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace Hostile {

namespace {

[[noreturn]] void Fail(const std::string& what)
{
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

// Closes a descriptor when the scope ends.
class Fd {
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { Reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return m_fd; }
    void Reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

void WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        data += n;
        size -= size_t(n);
    }
}

qint64 NowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

[[noreturn]] void RunChild(const std::function<std::string()>& work, int writeFd)
{
    std::string text;
    int status = 0;
    try {
        text = work();
    } catch (const std::exception& e) {
        text = std::string("exception: ") + e.what();
        status = 3;
    } catch (...) {
        text = "unknown exception";
        status = 3;
    }
    WriteAll(writeFd, text.data(), text.size());
    ::close(writeFd);
    ::_exit(status);
}

// Reads everything the child writes until it closes the pipe or the time is up.
bool ReadUntilClosed(int fd, std::string& out, qint64 deadlineMs)
{
    char buffer[4096];
    for (;;) {
        const qint64 left = deadlineMs - NowMs();
        if (left <= 0)
            return false;
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, int(std::min<qint64>(left, 1000)));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            continue;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return true;
        out.append(buffer, size_t(n));
    }
}

// The subdirectory entries of a directory (links are not directories here)
// after removing everything else in it.
std::string ClearFilesAndFindSubdir(int dirFd)
{
    const int listFd = ::dup(dirFd);
    DIR* dir = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (!dir) {
        if (listFd >= 0)
            ::close(listFd);
        return {};
    }
    std::string subdir;
    while (const dirent* ent = ::readdir(dir)) {
        const char* name = ent->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        struct stat st {};
        if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            if (subdir.empty())
                subdir = name;
        } else {
            ::unlinkat(dirFd, name, 0);
        }
    }
    ::closedir(dir);
    return subdir;
}

} // namespace

Outcome RunIsolated(const std::function<std::string()>& work, int limitSeconds)
{
    int fds[2];
    if (::pipe(fds) != 0)
        Fail("pipe");
    const pid_t pid = ::fork();
    if (pid < 0)
        Fail("fork");
    if (pid == 0) {
        ::close(fds[0]);
        RunChild(work, fds[1]);
    }
    ::close(fds[1]);
    Fd readFd(fds[0]);

    Outcome outcome;
    const bool closed = ReadUntilClosed(readFd.Get(), outcome.text, NowMs() + qint64(limitSeconds) * 1000);
    if (!closed)
        ::kill(pid, SIGKILL);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!closed)
        outcome.failure = "did not finish within " + std::to_string(limitSeconds) + " s (blocked or runaway)";
    else if (WIFSIGNALED(status))
        outcome.failure = "crashed with signal " + std::to_string(WTERMSIG(status));
    else if (WEXITSTATUS(status) != 0)
        outcome.failure = "ended with status " + std::to_string(WEXITSTATUS(status));
    outcome.finished = outcome.failure.empty();
    return outcome;
}

std::string Describe(const Outcome& outcome)
{
    return outcome.failure + (outcome.text.empty() ? std::string() : " -- output: " + outcome.text);
}

void MakeFifo(const QString& nativePath)
{
    if (::mkfifo(Native(nativePath).constData(), 0644) != 0)
        Fail("mkfifo " + nativePath.toStdString());
}

void MakeSparseFile(const QString& nativePath, qint64 size)
{
    Fd fd(::open(Native(nativePath).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644));
    if (fd.Get() < 0 || ::ftruncate(fd.Get(), off_t(size)) != 0)
        Fail("sparse file " + nativePath.toStdString());
}

void MakeSymlink(const QString& target, const QString& nativeLinkPath)
{
    if (::symlink(Native(target).constData(), Native(nativeLinkPath).constData()) != 0)
        Fail("symlink " + nativeLinkPath.toStdString());
}

void WriteRawName(const QByteArray& nativeDir, const QByteArray& name, const QByteArray& contents)
{
    Fd dir(::open(nativeDir.constData(), O_RDONLY | O_DIRECTORY));
    if (dir.Get() < 0)
        Fail("open " + nativeDir.toStdString());
    WriteFileAt(dir.Get(), name, contents);
}

void WriteFileAt(int dirFd, const QByteArray& name, const QByteArray& contents)
{
    Fd fd(::openat(dirFd, name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644));
    if (fd.Get() < 0)
        Fail("create " + name.toStdString());
    WriteAll(fd.Get(), contents.constData(), size_t(contents.size()));
}

void MakeNestedChain(const QString& nativeBase, const QByteArray& name, int depth,
                     const std::function<void(int dirFd, int level)>& atLevel)
{
    Fd current(::open(Native(nativeBase).constData(), O_RDONLY | O_DIRECTORY));
    if (current.Get() < 0)
        Fail("open " + nativeBase.toStdString());
    for (int level = 1; level <= depth; ++level) {
        if (::mkdirat(current.Get(), name.constData(), 0755) != 0 && errno != EEXIST)
            Fail("mkdirat at level " + std::to_string(level));
        const int child = ::openat(current.Get(), name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
        if (child < 0)
            Fail("openat at level " + std::to_string(level));
        current.Reset(child);
        if (atLevel)
            atLevel(current.Get(), level);
    }
}

void RemoveTree(const QString& nativePath)
{
    // Depth-first with one open directory at a time: descend into the first
    // subdirectory left, climb back through ".." once a directory is empty.
    const QByteArray top = Native(nativePath);
    Fd current(::open(top.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW));
    if (current.Get() < 0)
        return;
    std::vector<std::string> below;   // names from the top down to the current directory
    for (;;) {
        ::fchmod(current.Get(), 0700);
        const std::string subdir = ClearFilesAndFindSubdir(current.Get());
        if (!subdir.empty()) {
            const int child = ::openat(current.Get(), subdir.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
            if (child < 0) {
                if (::unlinkat(current.Get(), subdir.c_str(), AT_REMOVEDIR) != 0)
                    return;   // neither enterable nor removable: leave it
                continue;
            }
            current.Reset(child);
            below.push_back(subdir);
            continue;
        }
        if (below.empty())
            break;
        const int parent = ::openat(current.Get(), "..", O_RDONLY | O_DIRECTORY);
        if (parent < 0)
            return;
        current.Reset(parent);
        if (::unlinkat(current.Get(), below.back().c_str(), AT_REMOVEDIR) != 0)
            return;   // something in it could not be removed: do not loop
        below.pop_back();
    }
    current.Reset();
    ::rmdir(top.constData());
}

} // namespace Hostile
