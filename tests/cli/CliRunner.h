#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// One run of the built kluni-cli.
struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QString err;

    QString Text() const { return QString::fromUtf8(out); }
    // Standard output as a JSON object; a failed test when it is none.
    QJsonObject Json() const;
};

// Runs kluni-cli with the arguments, no input and no Wine prefix of the user
// (the whole file system is drive Z:, as in TestInstallation).
CliRun RunCli(const QStringList& arguments);

// The same with "--resbase root --json" in front.
CliRun RunCliJson(const QString& nativeRoot, const QStringList& arguments);
