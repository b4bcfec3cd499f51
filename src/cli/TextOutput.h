#pragma once

#include "cli/CliOutput.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// Plain text in the program's German words, one buffered stream.
class TextOutput : public CliOutput {
public:
    explicit TextOutput(QIODevice& device);
    ~TextOutput() override;

    void Check(const CheckReport& report) override;
    void Models(const SearchOutput& search, ListSource source, DetailLookup* details) override;
    void Mod2(const Mod2Report& report) override;

    // A message text cut into lines at CR LF or a lone CR.
    static QStringList Lines(const QString& text);

private:
    void Record(const CModels& models, qint32 index, DetailLookup& details);
    void Indented(const QString& text);
    void Paragraph(const QString& text);

    QTextStream m_out;
};
