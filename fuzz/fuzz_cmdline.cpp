// The split of the program's command line into names, compared with a direct
// reading of the rules: names end at a space or at their closing quote, an
// unclosed quote ends the list.
#include "FuzzSupport.h"

#include "hostdata/CommandLine.h"

namespace {

QString TrimSpaces(const QString& text)
{
    qsizetype b = 0;
    while (b < text.size() && text[b] == QLatin1Char(' '))
        ++b;
    qsizetype e = text.size();
    while (e > b && text[e - 1] == QLatin1Char(' '))
        --e;
    return text.mid(b, e - b);
}

QString LTrimSpaces(const QString& text)
{
    qsizetype b = 0;
    while (b < text.size() && text[b] == QLatin1Char(' '))
        ++b;
    return text.mid(b);
}

QStringList ReferenceSplit(const QString& commandLine)
{
    QStringList names;
    QString rest = TrimSpaces(commandLine);
    while (!rest.isEmpty()) {
        if (rest[0] != QLatin1Char('"')) {
            const qsizetype space = rest.indexOf(QLatin1Char(' '));
            if (space < 0) {
                names << rest;
                rest.clear();
            } else {
                names << rest.left(space);
                rest = LTrimSpaces(rest.mid(space + 1));
            }
        } else {
            const qsizetype close = rest.indexOf(QLatin1Char('"'), 1);
            if (close < 0)
                break;
            names << rest.mid(1, close - 1);
            rest = LTrimSpaces(rest.mid(close + 1));
        }
    }
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString commandLine = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    FUZZ_CHECK_EQ(CommandLine::SplitNames(commandLine), ReferenceSplit(commandLine));
    return 0;
}
