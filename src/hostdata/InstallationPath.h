#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

// Writes paths that lead into the installation in the installation's own
// spelling (that of gtResBase), whatever route they took: through a Wine
// drive or "Z:", through a symbolic link, or through dosdevices. Only then do
// dropped files and command-line names compare equal with the model paths of
// "Models.ini" and get their sections. Paths elsewhere keep their usual
// Windows form. One object serves one operation (it remembers the resolved
// directories it has seen).
class InstallationPath {
public:
    // resBase: the resource directory in Windows form ("C:\EEP6\Resourcen").
    explicit InstallationPath(const QString& resBase);

    // The Windows form of a native path (a dropped file).
    QString FromNative(const QString& nativePath) const;
    // A Windows-form name rewritten into the installation's spelling when it
    // leads into the installation or to a directory above it; otherwise (and
    // for names without a drive) unchanged. The part below the installation
    // keeps the name's own spelling.
    QString Recognise(const QString& windowsPath) const;

private:
    // The resource directory ([0]) and each directory above it up to the
    // drive's root, in both forms.
    struct Place {
        QString windows;
        QString native;      // absolute, '/' separators
        QString canonical;   // links resolved; empty when it does not exist
    };
    using NativeOfPrefix = std::function<QString(qsizetype)>;

    // The path given as parts rewritten from the prefix that leads into the
    // resource directory, or else to a directory above it; empty when none does.
    QString Rewrite(const QStringList& parts, const NativeOfPrefix& nativeOf) const;
    // The part of a resolved path below a resolved root ("" for the root itself).
    static std::optional<QString> Below(const QString& canonical, const QString& root);
    // The index of the place above the resource directory that the path is; -1 for none.
    int AncestorOf(const QString& native) const;
    QString Canonical(const QString& native) const;

    QVector<Place> m_places;
    mutable QHash<QString, QString> m_canonical;
};
