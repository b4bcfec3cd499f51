// The message formatter: the template and up to nine arguments, separated by
// zero bytes. Compared with a one-pass reading of the placeholder rules.
#include "FuzzSupport.h"

#include "startup/KluniError.h"
#include "startup/modTools.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> fields = SplitFields(data, size, 10);
    const QString tpl = QString::fromUtf8(fields.value(0));
    QStringList args;
    for (qsizetype i = 1; i < fields.size(); ++i)
        args << QString::fromUtf8(fields[i]);

    // %1..%9 the arguments (the digit itself when there are fewer), %n a line
    // end, %m two, %t a tab, % and any other character that character; a
    // per-cent sign at the very end is dropped.
    QString expected;
    for (qsizetype p = 0; p < tpl.size(); ++p) {
        if (tpl[p] != u'%') {
            expected += tpl[p];
            continue;
        }
        if (++p == tpl.size())
            break;
        const QChar c = tpl[p];
        const int index = c.unicode() - u'1';
        if (index >= 0 && index < 9)
            expected += index < args.size() ? args[index] : QString(c);
        else
            expected += c == u'n' ? QStringLiteral("\r\n") : c == u'm' ? QStringLiteral("\r\n\r\n")
                      : c == u't' ? QStringLiteral("\t") : QString(c);
    }
    try {
        FUZZ_CHECK_EQ(FormatMsg(tpl, args), expected);
        FUZZ_CHECK(tpl.size() <= 32767);
    } catch (const KluniError& error) {
        FUZZ_CHECK(tpl.size() > 32767);
        FUZZ_CHECK_EQ(error.Number(), 6);
    }
    return 0;
}
