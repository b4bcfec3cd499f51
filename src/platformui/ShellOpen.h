#pragma once

#include <QString>

class QWidget;

// The desktop's "open" action on a document: starts the application that the
// system associates with the file's type and returns without waiting for it.
// Results are numbered as the Windows shell numbers them, so that callers can
// tell the cases apart on every system.
class ShellOpen {
public:
    static constexpr int kFileNotFound = 2;
    static constexpr int kAccessDenied = 5;
    // An application seems to be associated, but it could not be started.
    static constexpr int kLaunchFailed = 27;
    // No application is associated with the file's type.
    static constexpr int kNoAssociation = 31;
    static constexpr int kSuccess = 42;

    virtual ~ShellOpen() = default;
    // Opens the file (Windows-form path). Above 32 means success.
    virtual int Open(const QString& windowsPath, QWidget* owner) = 0;

    static bool Succeeded(int result) { return result > 32; }
};

// The real action: ShellExecute on Windows; elsewhere the desktop's default
// application for the file's MIME type (asked with xdg-mime), started through
// Qt's desktop services.
class DesktopShellOpen : public ShellOpen {
public:
    int Open(const QString& windowsPath, QWidget* owner) override;
};
