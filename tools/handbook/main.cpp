// Turns the handbook, kept as Markdown in the repository, into the PDF that
// ships beside the program: kluni-handbook INPUT.md OUTPUT.pdf PICTURES
// Pictures (![text](screenshots/de/about.png)) are read from below the
// folder PICTURES and shrunk to the width of the text where they are wider;
// the PDF keeps them without loss.

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

bool ReadText(const QString& path, QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = QString::fromUtf8(file.readAll());
    return true;
}

// Lengths in the document (margins, picture sizes) are pixels of 1/96 inch;
// its layout scales them to the PDF's resolution.
constexpr qreal kPixelsPerInch = 96;
// The margin around the text on every page: 2 cm.
constexpr qreal kMargin = 2 / 2.54 * kPixelsPerInch;

// The width of the text on the page, in the document's pixels.
qreal TextWidth(const QPdfWriter& writer)
{
    return writer.width() * kPixelsPerInch / writer.logicalDpiX() - 2 * kMargin;
}

// Loads every picture that the document names and makes it at most
// maxWidth wide; false (with the picture's name) when one cannot be read.
bool EmbedPictures(QTextDocument& document, const QDir& base, qreal maxWidth, QString& missing)
{
    struct Picture {
        int position;
        QTextImageFormat format;
    };
    std::vector<Picture> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                pictures.push_back({it.fragment().position(), it.fragment().charFormat().toImageFormat()});

    for (Picture& picture : pictures) {
        const QImage image(base.filePath(picture.format.name()));
        if (image.isNull()) {
            missing = base.filePath(picture.format.name());
            return false;
        }
        document.addResource(QTextDocument::ImageResource, QUrl(picture.format.name()), image);
        // The height follows the width.
        picture.format.setWidth(std::min<qreal>(image.width(), maxWidth));
        QTextCursor cursor(&document);
        cursor.setPosition(picture.position);
        cursor.setPosition(picture.position + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(picture.format);
    }
    return true;
}

// Lays the document out on the pages of the writer, which it is laid out
// for already, and draws it page by page,
// with the page number below the text. (QTextDocument::print() does the
// same, but lets the PDF writer store the pictures as JPEG, which blurs the
// text in the windows.)
void Print(QTextDocument& document, QPdfWriter& writer)
{
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    const qreal margin = kMargin * writer.logicalDpiY() / kPixelsPerInch;
    const QSizeF page(writer.width(), writer.height());
    document.setPageSize(page);

    QPainter painter(&writer);
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.setFont(document.defaultFont());
    for (int index = 0; index < document.pageCount(); ++index) {
        if (index > 0)
            writer.newPage();
        const QRectF view(QPointF(0, index * page.height()), page);
        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        layout->draw(&painter, context);
        painter.restore();
        const QRectF foot(margin, page.height() - margin, page.width() - 2 * margin, margin / 2);
        painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter, QString::number(index + 1));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    // A build step needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: kluni-handbook INPUT.md OUTPUT.pdf PICTURES\n");
        return 2;
    }

    QString markdown;
    if (!ReadText(arguments.at(1), markdown)) {
        std::fprintf(stderr, "kluni-handbook: cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }

    QPdfWriter writer(arguments.at(2));
    // The document's title is its first heading.
    writer.setTitle(markdown.section(QLatin1Char('\n'), 0, 0).remove(QLatin1Char('#')).trimmed());
    writer.setCreator(QStringLiteral("Kluni"));
    // The whole sheet: the document keeps its own margins.
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));

    QTextDocument document;
    // Laid out for the PDF from the start, so that text and pictures get its measures.
    document.documentLayout()->setPaintDevice(&writer);
    document.setDocumentMargin(kMargin);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(10.0);
    document.setDefaultFont(font);
    document.setMarkdown(markdown);
    QString missing;
    if (!EmbedPictures(document, QDir(arguments.at(3)), TextWidth(writer) - 1, missing)) {
        std::fprintf(stderr, "kluni-handbook: cannot read the picture %s\n", qPrintable(missing));
        return 1;
    }
    Print(document, writer);

    if (!QFile::exists(arguments.at(2))) {
        std::fprintf(stderr, "kluni-handbook: cannot write %s\n", qPrintable(arguments.at(2)));
        return 1;
    }
    return 0;
}
