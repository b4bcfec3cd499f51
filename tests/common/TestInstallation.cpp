#include "TestInstallation.h"

#include "platform/HostPath.h"
#include "platform/SettingsStore.h"
#include "platform/TextCodec.h"
#include "startup/modTools.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <stdexcept>

namespace {

// The drive table that was in force before the first living TestInstallation.
QVector<HostPath::DriveMapping>& SavedDriveTable()
{
    static QVector<HostPath::DriveMapping> table;
    return table;
}

} // namespace

TestInstallation::TestInstallation()
{
    if (!m_dir.isValid() || !m_settingsDir.isValid())
        throw std::runtime_error("cannot create a temporary directory");
    SavedDriveTable() = HostPath::DriveTable();
    // Independent of the user's Wine prefix: the whole file system is Z:.
    HostPath::SetDriveTable({{QLatin1Char('Z'), QStringLiteral("/")}});
    SettingsStore::RedirectTo(m_settingsDir.filePath(QStringLiteral("Kluni.ini")));
    QDir().mkpath(NativeRoot());
}

TestInstallation::~TestInstallation()
{
    SettingsStore::RedirectTo(QString());
    HostPath::SetDriveTable(SavedDriveTable());
}

QString TestInstallation::NativeRoot() const { return m_dir.filePath(QStringLiteral("EEP/Resourcen")); }

QString TestInstallation::ResBase() const { return HostPath::ToWindows(NativeRoot()); }

QString TestInstallation::NativePath(QString relPath) const
{
    return QDir::cleanPath(NativeRoot() + QLatin1Char('/') + relPath.replace(QLatin1Char('\\'), QLatin1Char('/')));
}

QString TestInstallation::WindowsPath(QString relPath) const
{
    return relPath.isEmpty() ? ResBase() : JoinPath(ResBase(), relPath.replace(QLatin1Char('/'), QLatin1Char('\\')));
}

void TestInstallation::WriteText(const QString& relPath, QString text)
{
    WriteBytes(relPath, TextCodec::EncodeCp1252(text.replace("\r\n", "\n").replace('\n', "\r\n")));
}

void TestInstallation::WriteBytes(const QString& relPath, const QByteArray& bytes)
{
    const QString path = NativePath(relPath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file " + path.toStdString());
}

QByteArray TestInstallation::GsbBytes(const QStringList& mod2Names, int padTo)
{
    QByteArray bytes("GSBHEAD1");
    for (const QString& name : mod2Names) {
        QByteArray length(4, '\0');
        qToLittleEndian<quint32>(quint32(name.size()), length.data());
        bytes += length + name.toLatin1() + "padding!";
    }
    if (bytes.size() < padTo)
        bytes += QByteArray(padTo - bytes.size(), '\0');
    return bytes;
}

void TestInstallation::WriteModel(const QString& gsbRelPath, const QStringList& mod2Names, const QString& iniText,
                                  int padTo)
{
    WriteBytes(gsbRelPath, GsbBytes(mod2Names, padTo));
    if (!iniText.isNull())
        WriteText(gsbRelPath.left(gsbRelPath.size() - 4) + QStringLiteral(".ini"), iniText);
}

void TestInstallation::MakeDir(const QString& relPath) { QDir().mkpath(NativePath(relPath)); }

std::shared_ptr<const Installation> TestInstallation::Activate()
{
    m_installation = std::make_shared<const Installation>(Installation::At(ResBase()));
    return m_installation;
}

SearchInput TestInstallation::Input(bool gbExtend, const QString& nameKey) const
{
    return SearchInput{m_installation, CModels(), gbExtend, nameKey};
}

QString TestInstallation::ActivateOnDriveC()
{
    const QString driveC = QFileInfo(m_dir.path()).canonicalFilePath();
    HostPath::SetDriveTable({{QLatin1Char('C'), driveC}, {QLatin1Char('Z'), QStringLiteral("/")}});
    Activate();
    return driveC;
}
