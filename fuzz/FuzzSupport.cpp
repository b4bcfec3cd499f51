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
    QList<QByteArray> fields = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
    while (fields.size() > maxParts) {
        const QByteArray last = fields.takeLast();
        fields.last() += '\0' + last;
    }
    return fields;
}
