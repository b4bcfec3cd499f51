// The split of the program's command line into names, compared with a direct
// reading of the rules: blanks separate names, a name in quotes ends at its
// closing quote, an unclosed quote ends the list.
#include "FuzzSupport.h"

#include "hostdata/CommandLine.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString commandLine = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    static const QRegularExpression name(QStringLiteral(" *(?:\"([^\"]*)\"|([^ \"][^ ]*)) *"));
    QStringList expected;
    QRegularExpressionMatch m;
    for (qsizetype at = 0;
         (m = name.match(commandLine, at, QRegularExpression::NormalMatch,
                         QRegularExpression::AnchorAtOffsetMatchOption)).hasMatch();
         at = m.capturedEnd())
        expected << m.captured(1) + m.captured(2);
    FUZZ_CHECK_EQ(CommandLine::SplitNames(commandLine), expected);
    return 0;
}
