// The Wine registry reader: arbitrary registry text must never crash it, and a
// well-formed file with a fuzzed string value must give that value back.
// Fields: the registry text to read, then the value to write into a clean file.
#include "FuzzSupport.h"

#include "platform/Registry.h"

namespace {

const QString kKey = QStringLiteral("Software\\Classes\\Software\\Software Untergrund\\EEXP");

// Printable ASCII only: what the Wine writer leaves unescaped apart from '\' and '"'.
QString PrintableAscii(const QByteArray& bytes)
{
    QString text;
    for (const char c : bytes)
        if (c >= 0x20 && c <= 0x7E)
            text += QLatin1Char(c);
    return text;
}

QByteArray Escaped(const QString& value)
{
    QByteArray out;
    for (const QChar c : value) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            out += '\\';
        out += char(c.unicode());
    }
    return out;
}

QByteArray WellFormedFile(const QString& value)
{
    return QByteArray("WINE REGISTRY Version 2\n"
                      ";; All keys relative to \\\\Machine\n\n"
                      "#arch=win32\n\n"
                      "[Software\\\\Classes\\\\Software\\\\Software Untergrund\\\\EEXP] 1600000000\n"
                      "#time=1d6a1b2c3d4e5f6\n"
                      "\"Other\"=dword:00000001\n"
                      "\"ResBase\"=\"")
        + Escaped(value) + "\"\n\n"
        + "[Software\\\\Classes\\\\Software\\\\Software Untergrund\\\\EEXP\\\\Sub] 1600000000\n"
          "\"ResBase\"=\"wrong\"\n";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> fields = SplitFields(data, size, 2);

    const std::optional<QString> any = Registry::FindWineString(fields.value(0), kKey, QStringLiteral("ResBase"));
    if (any)
        FUZZ_CHECK(!any->contains(QChar(0)));

    const QString value = PrintableAscii(fields.value(1));
    const std::optional<QString> found = Registry::FindWineString(WellFormedFile(value), kKey, QStringLiteral("resbase"));
    FUZZ_CHECK(found.has_value());
    FUZZ_CHECK_EQ(*found, value);
    return 0;
}
