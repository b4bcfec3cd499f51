#include "IniText.h"

#include "platform/TextCodec.h"

IniText& IniText::Comment(const QString& text)
{
    Line(QStringLiteral("; ") + text);
    return *this;
}

IniText& IniText::Section(const QString& name)
{
    Line(QLatin1Char('[') + name + QLatin1Char(']'));
    return *this;
}

IniText& IniText::Entry(const QString& name, const QString& value)
{
    Line(name + QLatin1Char('=') + value);
    return *this;
}

IniText& IniText::Blank()
{
    Line(QString());
    return *this;
}

QByteArray IniText::Bytes() const
{
    return TextCodec::EncodeCp1252(m_text);
}

void IniText::Line(const QString& line)
{
    m_text += line;
    m_text += QStringLiteral("\r\n");
}
