// The date boxes' reader: whatever it accepts must survive a round trip through
// the written form, the plain day.month.year forms must be accepted, and the
// presets must lie on or before the day they start from.
#include "FuzzSupport.h"

#include "hostdata/DateText.h"

#include <QRegularExpression>

namespace {

// The date that d.m.y text with one- or two-digit day and month and a two- or
// four-digit year names; invalid when the text has another form.
QDate PlainForm(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{2}|\\d{4})$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return {};
    for (const QChar c : text)
        if (c.unicode() > 0x7F)
            return {};   // \d also takes other scripts' digits
    int year = m.captured(3).toInt();
    if (m.capturedLength(3) == 2)
        year += year < 30 ? 2000 : 1900;
    else if (year < 100)
        return {};   // "0024": no year anyone installs a model in; either reading is fine
    return QDate(year, m.captured(2).toInt(), m.captured(1).toInt());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QDate parsed = DateText::Parse(text);

    const QDate plain = PlainForm(text);
    if (plain.isValid())
        FUZZ_CHECK_EQ(parsed.toJulianDay(), plain.toJulianDay());

    if (!parsed.isValid())
        return 0;
    const QString written = DateText::Format(parsed);
    FUZZ_CHECK_EQ(written.size(), 10);
    FUZZ_CHECK_EQ(DateText::Parse(written).toJulianDay(), parsed.toJulianDay());
    for (int preset = 0; preset <= 3; ++preset) {
        const QDate from = DateText::PresetFrom(preset, parsed);
        FUZZ_CHECK(from.isValid() && from <= parsed);
    }
    return 0;
}
