// Turns the handbook, kept as Markdown in the repository, into the PDF that
// ships beside the program: kluni-handbook INPUT.md OUTPUT.pdf

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

namespace {

bool ReadText(const QString& path, QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = QString::fromUtf8(file.readAll());
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    // A build step needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: kluni-handbook INPUT.md OUTPUT.pdf\n");
        return 2;
    }

    QString markdown;
    if (!ReadText(arguments.at(1), markdown)) {
        std::fprintf(stderr, "kluni-handbook: cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }

    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(10.0);
    document.setDefaultFont(font);
    document.setMarkdown(markdown);

    QPdfWriter writer(arguments.at(2));
    // The document's title is its first heading.
    writer.setTitle(markdown.section(QLatin1Char('\n'), 0, 0).remove(QLatin1Char('#')).trimmed());
    writer.setCreator(QStringLiteral("Kluni"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
    document.print(&writer);

    if (!QFile::exists(arguments.at(2))) {
        std::fprintf(stderr, "kluni-handbook: cannot write %s\n", qPrintable(arguments.at(2)));
        return 1;
    }
    return 0;
}
