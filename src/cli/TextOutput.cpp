#include "cli/TextOutput.h"

#include "cli/CheckReport.h"
#include "cli/DetailLookup.h"
#include "cli/Mod2Report.h"
#include "hostdata/SearchOutput.h"
#include "hostdata/ModelDetail.h"

#include <QCoreApplication>
#include <QStringConverter>

namespace {

const QString kIndent = QStringLiteral("  ");

} // namespace

TextOutput::TextOutput(QIODevice& device)
    : m_out(&device)
{
    m_out.setEncoding(QStringConverter::Utf8);
}

TextOutput::~TextOutput()
{
    m_out.flush();
}

QStringList TextOutput::Lines(const QString& text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t.split(QLatin1Char('\n'));
}

void TextOutput::Check(const CheckReport& report)
{
    const auto line = [this](const QString& label, const QString& value) {
        m_out << label.leftJustified(24) << value << '\n';
    };
    line(QCoreApplication::translate("TextOutput", "Resourcen-Verzeichnis:"), report.resBase);
    line(QCoreApplication::translate("TextOutput", "Categories-Verzeichnis:"), report.categoriesDir);
    line(QCoreApplication::translate("TextOutput", "Modelle-Verzeichnis:"),
         report.modelsDirOk ? report.modelsDir
                            : report.modelsDir + QCoreApplication::translate("TextOutput", " (nicht gefunden)"));
    line(QStringLiteral("Models.ini:"), report.modelsIni);
    line(QStringLiteral("Resourcen.Pak:"),
         report.resourcenPak ? QCoreApplication::translate("TextOutput", "gefunden")
                             : QCoreApplication::translate("TextOutput", "nicht gefunden"));
}

void TextOutput::Models(const SearchOutput& search, ListSource source, DetailLookup* details)
{
    const CModels& models = search.models;
    const qint32 count = models.Count();
    if (details == nullptr) {
        for (qint32 i = 0; i < count; ++i)
            m_out << ResultTexts::RowText(models, i) << '\t' << models.Record(i).Section << '\n';
        return;
    }
    if (count == 0) {
        Paragraph(ResultTexts::NothingFoundText(qint32(source)));
    } else {
        for (qint32 i = 0; i < count; ++i)
            Record(models, i, *details);
        m_out << ResultTexts::CountText(count) << '\n';
    }
    Paragraph(IniProblemsNoticeText(search.problems, search.gtSearchNameKey, details->NameKey()));
}

void TextOutput::Mod2(const Mod2Report& report)
{
    m_out << report.title << '\n';
    for (const Mod2Report::Entry& entry : report.mod2)
        m_out << (entry.exists ? "[x] " : "[ ] ") << entry.name << '\n';
    Paragraph(report.note);
}

void TextOutput::Record(const CModels& models, qint32 index, DetailLookup& details)
{
    const ModelDetail detail = details.Of(models, index).detail;
    m_out << ResultTexts::RowText(models, index) << '\n';
    if (detail.known) {
        m_out << kIndent << detail.resultSentence << ' ' << detail.editorName << '\n';
        Indented(detail.placeText);
    } else {
        m_out << kIndent << detail.resultSentence << '\n';
    }
    if (!detail.fileState.isEmpty())
        m_out << kIndent << detail.fileState << '\n';
    m_out << '\n';
}

void TextOutput::Indented(const QString& text)
{
    for (const QString& line : Lines(text))
        m_out << kIndent << line << '\n';
}

// The lines of a notice without the empty lines before and after it.
void TextOutput::Paragraph(const QString& text)
{
    QStringList lines = Lines(text);
    while (!lines.isEmpty() && lines.first().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (const QString& line : lines)
        m_out << line << '\n';
}
