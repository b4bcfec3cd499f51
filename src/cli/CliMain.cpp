#include "cli/CliMain.h"

#include "cli/CliCommands.h"
#include "cli/CliOutput.h"
#include "cli/CliProgressLine.h"

#include <QCoreApplication>
#include <QIODevice>

namespace {

void WriteText(QIODevice& device, const QString& text)
{
    device.write(text.toUtf8());
}

} // namespace

int RunKluniCli(const QStringList& arguments, QIODevice& out, QIODevice& err)
{
    const CliParseResult parsed = ParseCliArguments(arguments);
    if (!parsed.ok()) {
        WriteText(err, QCoreApplication::translate("CliMain",
            "kluni-cli: %1\n\"kluni-cli --help\" zeigt die Hilfe.\n").arg(parsed.error));
        return kExitError;
    }
    const CliOptions& options = parsed.options;
    if (options.help) {
        WriteText(out, CliHelpText());
        return kExitFound;
    }
    if (options.version) {
        WriteText(out, QStringLiteral("kluni-cli " KLUNI_VERSION "\n"));
        return kExitFound;
    }
    const std::unique_ptr<CliOutput> output = MakeCliOutput(options.json, options.brief, out);
    CliProgressLine progress(err, !options.json && !options.brief);
    return CliCommands(options, *output, progress.Progress()).Run();
}
