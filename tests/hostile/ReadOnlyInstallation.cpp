#include "ReadOnlyInstallation.h"

#include "HostileSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string Time(const timespec& ts)
{
    return std::to_string(ts.tv_sec) + "." + std::to_string(ts.tv_nsec);
}

std::string Describe(const std::string& path, const struct stat& st)
{
    std::string text = "mode=" + std::to_string(st.st_mode) + " size=" + std::to_string(st.st_size)
                       + " links=" + std::to_string(st.st_nlink) + " owner=" + std::to_string(st.st_uid) + ":"
                       + std::to_string(st.st_gid) + " ino=" + std::to_string(st.st_ino)
                       + " mtime=" + Time(st.st_mtim) + " ctime=" + Time(st.st_ctim);
    char target[4096];
    if (S_ISLNK(st.st_mode))
        text += " target=" + std::string(target, size_t(std::max<ssize_t>(0, ::readlink(path.c_str(), target, sizeof target))));
    const int fd = S_ISREG(st.st_mode) ? ::open(path.c_str(), O_RDONLY | O_NOFOLLOW) : -1;
    if (fd >= 0) {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        for (ssize_t n; (n = ::read(fd, target, sizeof target)) > 0;)
            hash.addData(QByteArrayView(target, n));
        ::close(fd);
        text += " sha256=" + hash.result().toHex().toStdString();
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
    DIR* dir = S_ISDIR(st.st_mode) ? ::opendir(path.c_str()) : nullptr;
    if (!dir)
        return;
    std::vector<std::string> names;
    while (const dirent* ent = ::readdir(dir)) {
        if (std::string(ent->d_name) != "." && std::string(ent->d_name) != "..")
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
    Walk(root, [&](const std::string& path, const struct stat& st) { snapshot[path.substr(root.size())] = Describe(path, st); });
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
        if (before.count(path) == 0)
            differences += "added " + path + ": " + description + "\n";
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
    Hostile::MakeSymlink(QStringLiteral("../.."), m_inst.NativePath(QStringLiteral("Immobilien/zz_Fallen/schleife")));
    Hostile::MakeFifo(m_inst.NativePath(QStringLiteral("Immobilien/zz_Fallen/rohr.gsb")));
    m_inst.WriteBytes(QStringLiteral("Immobilien/zz_Fallen/echt.gsb"), QByteArray("GSB\x0c\0\0\0Fallen\\fehlt", 19));
    Hostile::MakeFifo(m_inst.NativePath(QStringLiteral("Immobilien/zz_Fallen/echt.ini")));
    // Write permission taken from everything (root ignores it: the snapshot is what proves it).
    Walk(QFile::encodeName(NativeTop()).toStdString(), [](const std::string& path, const struct stat& st) {
        if (!S_ISLNK(st.st_mode))
            ::chmod(path.c_str(), st.st_mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH));
    });
    m_before = TakeSnapshot(NativeTop());
}

ReadOnlyInstallation::~ReadOnlyInstallation()
{
    Hostile::RemoveTree(NativeTop());
}

QString ReadOnlyInstallation::NativeTop() const
{
    return QFileInfo(m_inst.NativeRoot()).absolutePath();
}
