// The message formatter: the template and up to nine arguments, separated by
// zero bytes. Compared with a one-pass reading of the placeholder rules.
#include "FuzzSupport.h"

#include "startup/KluniError.h"
#include "startup/modTools.h"

namespace {

QString ReferenceFormat(const QString& tpl, const QStringList& args)
{
    QString result;
    for (qsizetype p = 0; p < tpl.size(); ++p) {
        if (tpl[p] != QLatin1Char('%')) {
            result += tpl[p];
            continue;
        }
        if (p + 1 == tpl.size())
            break;   // a per-cent sign at the very end is dropped
        const QChar c = tpl[++p];
        if (c >= QLatin1Char('1') && c <= QLatin1Char('9')) {
            const int index = c.unicode() - '1';
            result += index < args.size() ? args[index] : QString(c);
        } else if (c == QLatin1Char('n')) {
            result += QStringLiteral("\r\n");
        } else if (c == QLatin1Char('m')) {
            result += QStringLiteral("\r\n\r\n");
        } else if (c == QLatin1Char('t')) {
            result += QLatin1Char('\t');
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> fields = SplitFields(data, size, 10);
    const QString tpl = QString::fromUtf8(fields.value(0));
    QStringList args;
    for (qsizetype i = 1; i < fields.size(); ++i)
        args << QString::fromUtf8(fields[i]);

    try {
        const QString formatted = FormatMsg(tpl, args);
        FUZZ_CHECK(tpl.size() <= 32767);
        FUZZ_CHECK_EQ(formatted, ReferenceFormat(tpl, args));
    } catch (const KluniError& error) {
        FUZZ_CHECK(tpl.size() > 32767);
        FUZZ_CHECK_EQ(error.Number(), 6);
    }
    return 0;
}
