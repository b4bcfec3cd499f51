#pragma once

#include "DemoGenerator.h"
#include "platform/HostPath.h"
#include "platform/RecordingMessageSink.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// Options for a demo in dir with the given number of models.
inline DemoOptions DemoIn(const QString& dir, int models, quint64 seed = 1, bool pak = false)
{
    DemoOptions options;
    options.outDir = dir;
    options.models = models;
    options.seed = seed;
    options.pak = pak;
    return options;
}

// One generated demo installation shared by the tests of a suite (writing it
// is the slow part), with the program's state pointed at it for each test:
// drive table Z: -> "/", messages recorded, the installation check passed,
// category language German.
class GeneratedDemo : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    static const DemoPlan& Plan() { return *s_plan; }
    static QString OutDir() { return s_dir->path(); }
    // The catalogue's form of a model's file: lower case, relative to Resourcen.
    static QString ScannedFile(const PlannedModel& model);   // "\immobilien\...\x.gsb"
    static QString ListedFile(const PlannedModel& model);    // the Models.ini entry, lower case
    const PlannedModel& ModelAt(const QString& gsbPath) const;

    RecordingMessageSink& Messages() { return *m_messages; }
    QString m_pakNotice;

private:
    static std::unique_ptr<QTemporaryDir> s_dir;
    static std::unique_ptr<DemoPlan> s_plan;
    std::unique_ptr<RecordingMessageSink> m_messages;
    QVector<HostPath::DriveMapping> m_savedDrives;
};
