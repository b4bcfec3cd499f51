#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>

void FuzzFail(const char* what, const char* file, int line, const QString& detail)
{
    std::fprintf(stderr, "\n*** check failed at %s:%d: %s\n*** %s\n", file, line, what, qPrintable(detail));
    std::abort();
}

QList<QByteArray> SplitFields(const uint8_t* data, size_t size, int maxParts)
{
    QList<QByteArray> fields;
    const char* text = reinterpret_cast<const char*>(data);
    size_t start = 0;
    for (size_t i = 0; i < size && fields.size() + 1 < maxParts; ++i) {
        if (text[i] == '\0') {
            fields << QByteArray(text + start, qsizetype(i - start));
            start = i + 1;
        }
    }
    fields << QByteArray(text + start, qsizetype(size - start));
    return fields;
}
