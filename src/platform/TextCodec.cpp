#include "platform/TextCodec.h"

#include <QHash>

namespace {

// Windows-1252 characters for the bytes 0x80 to 0x9F. The five bytes that the
// code page leaves undefined map to the control character of the same value,
// as Windows' own conversion does.
constexpr char16_t kHighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

const QHash<char16_t, char>& ReverseHighTable()
{
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t;
        for (int i = 0; i < 32; ++i)
            t.insert(kHighTable[i], static_cast<char>(0x80 + i));
        return t;
    }();
    return table;
}

} // namespace

namespace TextCodec {

QString DecodeCp1252(const char* data, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        out[i] = (byte >= 0x80 && byte <= 0x9F) ? QChar(kHighTable[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QByteArray EncodeCp1252(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    const QChar* in = text.constData();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = in[i].unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out[i] = static_cast<char>(c);
        } else {
            out[i] = ReverseHighTable().value(c, '?');
        }
    }
    return bytes;
}

} // namespace TextCodec
