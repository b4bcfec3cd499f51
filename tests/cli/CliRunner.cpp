#include "CliRunner.h"

#include <QDir>
#include <QJsonDocument>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

QJsonObject CliRun::Json() const
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << "\n" << out.toStdString();
    EXPECT_TRUE(doc.isObject()) << out.toStdString();
    return doc.object();
}

CliRun RunCli(const QStringList& arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("KLUNI_RESBASE"));
    // The tests read the German texts, whatever the machine's language.
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
    env.insert(QStringLiteral("WINEPREFIX"), QDir::temp().filePath(QStringLiteral("kluni-no-wine-prefix")));

    QProcess process;
    process.setProcessEnvironment(env);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QStringLiteral(KLUNI_CLI_EXE), arguments);
    CliRun run;
    // The bound only keeps a broken build from hanging the suite.
    if (!process.waitForFinished(120000)) {
        ADD_FAILURE() << "kluni-cli did not finish: " << process.errorString().toStdString();
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

CliRun RunCliJson(const QString& nativeRoot, const QStringList& arguments)
{
    return RunCli(QStringList{QStringLiteral("--resbase"), nativeRoot, QStringLiteral("--json")} + arguments);
}
