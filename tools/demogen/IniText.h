#pragma once

#include <QByteArray>
#include <QString>

// Builds the text of an ini file as EEP writes it: Windows-1252, CR LF.
class IniText {
public:
    IniText& Comment(const QString& text);
    IniText& Section(const QString& name);
    IniText& Entry(const QString& name, const QString& value);
    IniText& Blank();

    QByteArray Bytes() const;

private:
    void Line(const QString& line);

    QString m_text;
};
