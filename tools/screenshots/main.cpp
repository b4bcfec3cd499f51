// Takes the pictures of Kluni's windows that the handbook shows, from the
// program itself on the demo installation, in one interface language:
//   kluni-screenshots --lang de|en|fr|pl --demo <build>/demo/EEP6 --out FOLDER
// A build tool, not shipped; it needs no display.

#include "DemoHost.h"
#include "WindowTour.h"

#include "mainwindow/FMain.h"
#include "mainwindow/Startup.h"
#include "platform/MessageSink.h"
#include "platform/RecordingMessageSink.h"
#include "sidewindows/AboutPictures.h"
#include "startup/InterfaceLanguage.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFont>
#include <QStyleFactory>
#include <QStyleHints>

#include <cstdio>
#include <stdexcept>

namespace {

// The search by name in each interface language: a word that the model
// names of the demo contain in that language, among them complete models.
struct Tour {
    const char* lang;
    const char* modelName;
};
constexpr Tour kTours[] = {
    {"de", "Bahnhof"},
    {"en", "Station"},
    {"fr", "Gare"},
    {"pl", "Dworzec"},
};

const Tour* FindTour(const QString& lang)
{
    for (const Tour& tour : kTours)
        if (lang == QLatin1String(tour.lang))
            return &tour;
    return nullptr;
}

int Failed(const QString& what)
{
    std::fprintf(stderr, "kluni-screenshots: %s\n", qPrintable(what));
    return 1;
}

// The same pictures on every machine: one style, one font, a text cursor
// that does not blink.
void LookAlike()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(9);
    QApplication::setFont(font);
    QGuiApplication::styleHints()->setCursorFlashTime(0);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_STYLE_OVERRIDE");
    QApplication app(argc, argv);
    QApplication::setApplicationName(ApplicationTitle());

    QCommandLineParser parser;
    parser.addOption({QStringLiteral("lang"), QStringLiteral("Interface language (de, en, fr, pl)."), QStringLiteral("LANG")});
    parser.addOption({QStringLiteral("demo"), QStringLiteral("The demo installation (the folder with Resourcen)."),
                      QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("out"), QStringLiteral("Folder for the pictures."), QStringLiteral("DIR")});
    parser.process(app);
    const Tour* tour = FindTour(parser.value(QStringLiteral("lang")));
    if (!tour || !parser.isSet(QStringLiteral("demo")) || !parser.isSet(QStringLiteral("out"))) {
        std::fprintf(stderr, "usage: kluni-screenshots --lang de|en|fr|pl --demo DIR --out DIR\n");
        return 2;
    }
    const QString out = parser.value(QStringLiteral("out"));
    if (!QDir().mkpath(out))
        return Failed(QStringLiteral("cannot make %1").arg(out));

    const DemoHost host(parser.value(QStringLiteral("demo")));
    if (!host.Error().isEmpty())
        return Failed(host.Error());
    LookAlike();
    InterfaceLanguage::Install(QString::fromLatin1(tour->lang), true);
    QApplication::setWindowIcon(AboutPictures::KluniIcon());
    // No message box waits here: every message is noted, and any is a fault of the tour.
    RecordingMessageSink messages;

    try {
        const std::unique_ptr<FMain> window = RunStartup(QStringList());
        if (!window)
            return Failed(QStringLiteral("Kluni did not start on the demo installation"));
        WindowTour(*window, out, host.WrittenOn()).Run(QString::fromLatin1(tour->modelName));
        window->close();
    } catch (const std::exception& e) {
        return Failed(QString::fromStdString(e.what()));
    }
    if (!messages.Entries().isEmpty())
        return Failed(QStringLiteral("unexpected message: %1").arg(messages.Entries().first().text));
    return 0;
}
