#include "TreeSnapshot.h"

#include <QCryptographicHash>
#include <QFile>

#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Time(const timespec& ts)
{
    return std::to_string(ts.tv_sec) + "." + std::to_string(ts.tv_nsec);
}

std::string ContentHash(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0)
        return "unreadable";
    QCryptographicHash hash(QCryptographicHash::Sha256);
    char buffer[65536];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        hash.addData(QByteArrayView(buffer, n));
    ::close(fd);
    return hash.result().toHex().toStdString();
}

std::string Describe(const std::string& path, const struct stat& st)
{
    std::string text = "mode=" + std::to_string(st.st_mode) + " size=" + std::to_string(st.st_size)
                       + " links=" + std::to_string(st.st_nlink) + " owner=" + std::to_string(st.st_uid) + ":"
                       + std::to_string(st.st_gid) + " ino=" + std::to_string(st.st_ino)
                       + " mtime=" + Time(st.st_mtim) + " ctime=" + Time(st.st_ctim);
    if (S_ISLNK(st.st_mode)) {
        char target[4096];
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target);
        text += " target=" + std::string(target, n > 0 ? size_t(n) : 0);
    } else if (S_ISREG(st.st_mode)) {
        text += " sha256=" + ContentHash(path);
    }
    return text;
}

// Calls visit for the root and every entry below it; links are not followed.
void Walk(const std::string& path, const std::function<void(const std::string&, const struct stat&)>& visit)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return;
    visit(path, st);
    if (!S_ISDIR(st.st_mode))
        return;
    DIR* dir = ::opendir(path.c_str());
    if (!dir)
        return;
    std::vector<std::string> names;
    while (const dirent* ent = ::readdir(dir)) {
        if (std::strcmp(ent->d_name, ".") != 0 && std::strcmp(ent->d_name, "..") != 0)
            names.emplace_back(ent->d_name);
    }
    ::closedir(dir);
    for (const std::string& name : names)
        Walk(path + "/" + name, visit);
}

} // namespace

TreeSnapshot TakeSnapshot(const QString& nativeRoot)
{
    const std::string root = QFile::encodeName(nativeRoot).toStdString();
    TreeSnapshot snapshot;
    Walk(root, [&](const std::string& path, const struct stat& st) {
        snapshot[path.substr(root.size())] = Describe(path, st);
    });
    return snapshot;
}

std::string SnapshotDifferences(const TreeSnapshot& before, const TreeSnapshot& after)
{
    std::string differences;
    for (const auto& [path, description] : before) {
        const auto it = after.find(path);
        if (it == after.end())
            differences += "removed " + path + "\n";
        else if (it->second != description)
            differences += "changed " + path + ": " + description + " -> " + it->second + "\n";
    }
    for (const auto& [path, description] : after) {
        if (before.find(path) == before.end())
            differences += "added " + path + ": " + description + "\n";
    }
    return differences;
}

void MakeReadOnly(const QString& nativeRoot)
{
    const std::string root = QFile::encodeName(nativeRoot).toStdString();
    Walk(root, [](const std::string& path, const struct stat& st) {
        if (!S_ISLNK(st.st_mode))
            ::chmod(path.c_str(), st.st_mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH));
    });
}
