#pragma once

#include <QString>

// Message texts break lines with CR LF; Qt's labels and text boxes want LF.
inline QString ForDisplay(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}
