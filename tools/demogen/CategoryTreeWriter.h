#pragma once

#include "DemoPlan.h"

class IniText;
class OutputTree;

// Writes the category data of the nine editors below "Categories": each
// editor's "index.ini" (category files in order, "CDIn"/"CDOut" around the
// files of a deeper level) and the category files with their names in four
// languages and their "FilterSection".
class CategoryTreeWriter {
public:
    CategoryTreeWriter(const DemoPlan& plan, OutputTree& out);

    void Write();

private:
    void WriteEditor(int editor);
    void ListFiles(const QVector<CategoryFile>& files, IniText& index, int& number) const;
    void WriteFiles(const QString& editorDir, const QVector<CategoryFile>& files);
    QByteArray CategoryFileBytes(const CategoryFile& file) const;
    void WriteNames(const PlannedCategory& category, IniText& text) const;

    const DemoPlan& m_plan;
    OutputTree& m_out;
};
