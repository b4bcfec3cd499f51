#include "platformui/ShellOpen.h"

#include "platform/HostPath.h"

#include <QWidget>

#ifdef Q_OS_WIN

#include <windows.h>
#include <shellapi.h>

int DesktopShellOpen::Open(const QString& windowsPath, QWidget* owner)
{
    const HWND window = owner ? reinterpret_cast<HWND>(owner->window()->winId()) : nullptr;
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(window, L"open", reinterpret_cast<LPCWSTR>(windowsPath.utf16()), nullptr, nullptr,
                      SW_SHOWNORMAL));
    return static_cast<int>(result);
}

#else

#include <QDesktopServices>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QUrl>

#include <optional>

namespace {

// The desktop file of the default application for a MIME type; empty when
// there is none; nothing when the desktop cannot be asked.
std::optional<QString> DefaultApplicationFor(const QString& mimeType)
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForStarted() || !query.waitForFinished())
        return std::nullopt;
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

} // namespace

int DesktopShellOpen::Open(const QString& windowsPath, QWidget*)
{
    const QString native = HostPath::ToNative(windowsPath);
    const QFileInfo file(native);
    if (native.isEmpty() || !file.exists())
        return kFileNotFound;
    if (!file.isReadable())
        return kAccessDenied;
    const QString mimeType = QMimeDatabase().mimeTypeForFile(file).name();
    if (const auto application = DefaultApplicationFor(mimeType); application && application->isEmpty())
        return kNoAssociation;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath())) ? kSuccess : kLaunchFailed;
}

#endif
