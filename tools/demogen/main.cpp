// kluni-demogen: writes a synthetic EEP 6 installation for the demo, the
// tests and the benchmarks.

#include "DemoGenerator.h"
#include "DemoError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {

bool ParseOptions(const QCoreApplication& app, DemoOptions& options)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a synthetic EEP 6 installation: DIR/Resourcen with category data, Models.ini, "
        "model files and mod2 files, including deliberate faults."));
    parser.addHelpOption();
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Output directory (required)."),
                                 QStringLiteral("DIR"));
    const QCommandLineOption models(QStringLiteral("models"),
                                    QStringLiteral("Number of models (default %1, at least %2).")
                                        .arg(options.models)
                                        .arg(DemoOptions::kMinModels),
                                    QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Random seed (default 1)."),
                                  QStringLiteral("S"));
    const QCommandLineOption pak(QStringLiteral("pak"), QStringLiteral("Also write DIR/Resourcen.Pak."));
    parser.addOptions({out, models, seed, pak});
    parser.process(app);

    bool ok = true;
    options.outDir = parser.value(out);
    if (options.outDir.isEmpty()) {
        std::fprintf(stderr, "kluni-demogen: --out DIR is required\n");
        return false;
    }
    if (parser.isSet(models)) {
        options.models = parser.value(models).toInt(&ok);
        if (!ok || options.models < DemoOptions::kMinModels) {
            std::fprintf(stderr, "kluni-demogen: --models needs a number of at least %d\n", DemoOptions::kMinModels);
            return false;
        }
    }
    if (parser.isSet(seed)) {
        options.seed = parser.value(seed).toULongLong(&ok);
        if (!ok) {
            std::fprintf(stderr, "kluni-demogen: --seed needs a non-negative number\n");
            return false;
        }
    }
    options.pak = parser.isSet(pak);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kluni-demogen"));
    DemoOptions options;
    if (!ParseOptions(app, options))
        return 2;
    try {
        QElapsedTimer timer;
        timer.start();
        const DemoPlan plan = DemoGenerator::MakePlan(options);
        const DemoSummary summary = DemoGenerator::Write(options, plan);
        std::printf("kluni-demogen: %d models, %d categories, %d files in %s (%.1f s)\n", summary.models,
                    summary.categories, summary.files,
                    qPrintable(DemoGenerator::ResourcenDir(options.outDir)), timer.elapsed() / 1000.0);
    } catch (const DemoError& error) {
        std::fprintf(stderr, "kluni-demogen: %s\n", error.what());
        return 1;
    }
    return 0;
}
