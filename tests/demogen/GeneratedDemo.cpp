#include "GeneratedDemo.h"

#include "ModelsIniWriter.h"
#include "ScopedEnv.h"
#include "startup/ModuleState.h"
#include "startup/modMain.h"

std::unique_ptr<QTemporaryDir> GeneratedDemo::s_dir;
std::unique_ptr<DemoPlan> GeneratedDemo::s_plan;

void GeneratedDemo::SetUpTestSuite()
{
    s_dir = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(s_dir->isValid());
    const DemoOptions options = DemoIn(s_dir->path(), 300, 11);
    s_plan = std::make_unique<DemoPlan>(DemoGenerator::MakePlan(options));
    DemoGenerator::Write(options, *s_plan);
}

void GeneratedDemo::TearDownTestSuite()
{
    s_plan.reset();
    s_dir.reset();
}

void GeneratedDemo::SetUp()
{
    ResetModuleState();
    m_savedDrives = HostPath::DriveTable();
    HostPath::SetDriveTable({{QLatin1Char('Z'), QStringLiteral("/")}});
    m_messages = std::make_unique<RecordingMessageSink>();
    const ScopedEnv resBase("KLUNI_RESBASE", DemoGenerator::ResourcenDir(OutDir()).toLocal8Bit());
    ASSERT_TRUE(CheckInstallation(&m_pakNotice));
    gMod.gtNameKey = QStringLiteral("Name_GER");
    gMod.gtSearchNameKey = gMod.gtNameKey;
}

void GeneratedDemo::TearDown()
{
    m_messages.reset();
    HostPath::SetDriveTable(m_savedDrives);
    ResetModuleState();
}

QString GeneratedDemo::ScannedFile(const PlannedModel& model)
{
    return (QLatin1Char('\\') + model.GsbPath()).toLower();
}

QString GeneratedDemo::ListedFile(const PlannedModel& model)
{
    return ModelsIniWriter::EntryValue(model).toLower();
}

const PlannedModel& GeneratedDemo::ModelAt(const QString& gsbPath) const
{
    for (const PlannedModel& model : Plan().models) {
        if (model.GsbPath() == gsbPath)
            return model;
    }
    throw std::runtime_error("no such model in the plan");
}
