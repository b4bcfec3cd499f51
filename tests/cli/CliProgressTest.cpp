// kluni-cli's progress line goes to a terminal only: piped, nothing of it
// shows, however long the command takes.
#include "SampleInstallation.h"

#include "cli/CliMain.h"
#include "hostdata/SearchProgress.h"

#include <QBuffer>
#include <gtest/gtest.h>

TEST(CliProgress, NeverInPipedOutput)
{
    SampleInstallation inst;
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    // Seven directories at 200 ms each: well past the second after which a
    // terminal would see the line.
    SearchProgress::SetStepDelayForTests(200000);
    const int status = RunKluniCli({QStringLiteral("--resbase"), inst.NativeRoot(), QStringLiteral("date"),
                                    QStringLiteral("01.01.2000"), QStringLiteral("31.12.2099")},
                                   out, err);
    SearchProgress::SetStepDelayForTests(0);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(out.data().contains("neu -- ")) << out.data().toStdString();
    EXPECT_FALSE(out.data().contains("Suche"));
    EXPECT_FALSE(err.data().contains("Suche"));
}
