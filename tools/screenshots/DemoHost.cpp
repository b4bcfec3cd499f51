#include "DemoHost.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

DemoHost::DemoHost(const QString& installation)
    : m_installation(QFileInfo(installation).absoluteFilePath())
{
    if (!SetUp() && m_error.isEmpty())
        m_error = QStringLiteral("cannot set up a private folder in %1").arg(QDir::tempPath());
}

bool DemoHost::SetUp()
{
    if (!QFileInfo(m_installation + QStringLiteral("/Resourcen")).isDir()) {
        m_error = QStringLiteral("no demo installation in %1").arg(m_installation);
        return false;
    }
    if (!m_scratch.isValid())
        return false;
    const QString prefix = m_scratch.filePath(QStringLiteral("wine"));
    const QString dosdevices = prefix + QStringLiteral("/dosdevices");
    const QFileInfo installation(m_installation);
    if (!QDir().mkpath(dosdevices) || !QFile::link(installation.absolutePath(), dosdevices + QStringLiteral("/c:")))
        return false;
    const QString config = m_scratch.filePath(QStringLiteral("config"));
    if (!QDir().mkpath(config))
        return false;
    qputenv("WINEPREFIX", QFile::encodeName(prefix));
    qputenv("KLUNI_RESBASE", (QStringLiteral("C:\\") + installation.fileName() + QStringLiteral("\\Resourcen")).toUtf8());
    // The settings store and Qt's runtime files, never the user's own.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_scratch.path()));
    return true;
}

QDate DemoHost::WrittenOn() const
{
    const QFileInfo index(m_installation + QStringLiteral("/Resourcen/Categories/Models.ini"));
    // Where the file system keeps no creation time the program takes the status change.
    const QDateTime created = index.birthTime().isValid() ? index.birthTime() : index.metadataChangeTime();
    return created.date();
}
