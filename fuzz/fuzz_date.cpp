// The date boxes' reader: whatever it accepts must survive a round trip through
// the written form, the plain day.month.year forms must be accepted, and the
// presets must lie on or before the day they start from.
#include "FuzzSupport.h"

#include "hostdata/DateText.h"

#include <QDate>
#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QDate parsed = DateText::Parse(text);

    // d.m.yy or d.m.yyyy with one- or two-digit day and month: yy below 30 is
    // 20yy, else 19yy; a four-digit year below 100 ("0024") may read either way.
    static const QRegularExpression plain(QStringLiteral("^([0-9]{1,2})\\.([0-9]{1,2})\\.([0-9]{2}|[0-9]{4})\\z"));
    const QRegularExpressionMatch m = plain.match(text);
    int year = m.captured(3).toInt();
    year += m.capturedLength(3) == 2 ? (year < 30 ? 2000 : 1900) : 0;
    const QDate expected(year, m.captured(2).toInt(), m.captured(1).toInt());
    if (m.hasMatch() && year >= 100 && expected.isValid())
        FUZZ_CHECK_EQ(parsed.toJulianDay(), expected.toJulianDay());

    if (!parsed.isValid())
        return 0;
    const QString written = DateText::Format(parsed);
    FUZZ_CHECK_EQ(written.size(), 10);
    FUZZ_CHECK_EQ(DateText::Parse(written).toJulianDay(), parsed.toJulianDay());
    for (int preset = 0; preset <= 3; ++preset) {
        const QDate from = DateText::PresetFrom(preset, parsed);
        FUZZ_CHECK(from.isValid() && from <= parsed && from >= parsed.addMonths(-1));
    }
    return 0;
}
