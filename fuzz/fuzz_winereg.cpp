// The Wine registry reader: arbitrary registry text must never crash it, and a
// well-formed file with a fuzzed string value must give that value back.
// Fields: the registry text to read, then the value to write into a clean file.
#include "FuzzSupport.h"

#include "platform/Registry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> fields = SplitFields(data, size, 2);
    const QString key = QStringLiteral("Software\\Classes\\Software\\Software Untergrund\\EEXP");
    const std::optional<QString> any = Registry::FindWineString(fields.value(0), key, QStringLiteral("ResBase"));
    FUZZ_CHECK(!any || !any->contains(QChar(0)));

    // Printable ASCII, written as Wine writes it: '\' and '"' escaped. Key and
    // value names are found whatever their case; a later value replaces an
    // earlier one, a subkey's is no concern.
    QString value;
    QByteArray escaped;
    for (const char c : fields.value(1)) {
        if (c < 0x20 || c > 0x7E)
            continue;
        value += QLatin1Char(c);
        escaped += QByteArray(c == '\\' || c == '"' ? "\\" : "") + c;
    }
    const QByteArray file = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n\n"
                            "[Software\\\\Classes\\\\Software\\\\Software Untergrund\\\\EEXP] 1600000000\n"
                            "#time=1d6a1b2c3d4e5f6\n\"Other\"=dword:00000001\n\"ResBase\"=\"early\"\n"
                            "\"ResBase\"=\"" + escaped + "\"\n\n"
                            "[Software\\\\Classes\\\\Software\\\\Software Untergrund\\\\EEXP\\\\Sub] 1600000000\n"
                            "\"ResBase\"=\"wrong\"\n";
    const std::optional<QString> found = Registry::FindWineString(file, key.toUpper(), QStringLiteral("resbase"));
    FUZZ_CHECK(found.has_value());
    FUZZ_CHECK_EQ(*found, value);
    return 0;
}
