#pragma once

#include <QByteArray>
#include <QString>

// EEP's files are Windows-1252: bytes 0x80-0x9F through the Windows-1252
// table, all others as Latin-1. Never UTF-8.
namespace TextCodec {

QString DecodeCp1252(const char* data, qsizetype size);
inline QString DecodeCp1252(const QByteArray& bytes) { return DecodeCp1252(bytes.constData(), bytes.size()); }
// Characters without a Windows-1252 byte become '?'.
QByteArray EncodeCp1252(const QString& text);

} // namespace TextCodec
