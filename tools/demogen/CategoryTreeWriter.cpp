#include "CategoryTreeWriter.h"

#include "IniText.h"
#include "OutputTree.h"

namespace {

const QString kCategories = QStringLiteral("Categories\\");

// The order in which EEP's category files name the languages.
constexpr Lang kFileOrder[kLangCount] = {Lang::Eng, Lang::Ger, Lang::Fra, Lang::Pol};

} // namespace

CategoryTreeWriter::CategoryTreeWriter(const DemoPlan& plan, OutputTree& out) : m_plan(plan), m_out(out)
{
}

void CategoryTreeWriter::Write()
{
    for (int e = 0; e < m_plan.editorFiles.size(); ++e)
        WriteEditor(e);
}

void CategoryTreeWriter::WriteEditor(int editor)
{
    const QString dir = kCategories + Vocabulary::Editors()[editor].categoryDir;
    IniText index;
    index.Comment(QStringLiteral("Kategorien des Editors, in der angezeigten Reihenfolge"));
    index.Section(QStringLiteral("Index"));
    int number = 0;
    ListFiles(m_plan.editorFiles[editor], index, number);
    m_out.Write(dir + QStringLiteral("\\index.ini"), index.Bytes());
    WriteFiles(dir, m_plan.editorFiles[editor]);
}

void CategoryTreeWriter::ListFiles(const QVector<CategoryFile>& files, IniText& index, int& number) const
{
    for (const CategoryFile& file : files) {
        index.Entry(QStringLiteral("Entry%1").arg(++number), file.path);
        if (file.children.isEmpty())
            continue;
        index.Entry(QStringLiteral("Entry%1").arg(++number), QStringLiteral("CDIn"));
        ListFiles(file.children, index, number);
        index.Entry(QStringLiteral("Entry%1").arg(++number), QStringLiteral("CDOut"));
    }
}

void CategoryTreeWriter::WriteFiles(const QString& editorDir, const QVector<CategoryFile>& files)
{
    for (const CategoryFile& file : files) {
        m_out.Write(editorDir + QLatin1Char('\\') + file.path, CategoryFileBytes(file));
        WriteFiles(editorDir, file.children);
    }
}

QByteArray CategoryTreeWriter::CategoryFileBytes(const CategoryFile& file) const
{
    IniText text;
    for (int i = 0; i < file.sections.size(); ++i) {
        const PlannedCategory& category = m_plan.categories[file.sections[i]];
        if (i == 0)
            text.Comment(category.name.ger.isEmpty() ? QStringLiteral("Kategorie") : category.name.ger);
        else
            text.Blank();
        text.Section(i == 0 ? QStringLiteral("Category") : QStringLiteral("SubCategory%1").arg(i));
        WriteNames(category, text);
        text.Entry(QStringLiteral("FilterSection"), category.filterSection);
        text.Entry(QStringLiteral("Icon"), QStringLiteral("icon_%1.bmp").arg(file.sections[i]));
    }
    return text.Bytes();
}

void CategoryTreeWriter::WriteNames(const PlannedCategory& category, IniText& text) const
{
    for (const Lang lang : kFileOrder) {
        if (int(lang) == category.missingLang)
            continue;
        text.Entry(NameKey(lang), category.blankName ? QStringLiteral("  ") : category.name.In(lang));
    }
}
