#pragma once

#include <QByteArray>
#include <QDebug>
#include <QList>
#include <QString>
#include <cstddef>
#include <cstdint>

// Shared by the fuzz targets: checks that abort with a readable message
// (libFuzzer then keeps the input as a crash artifact) and the splitting of
// one input into several fields.

[[noreturn]] void FuzzFail(const char* what, const char* file, int line, const QString& detail = QString());

// Both sides are shown as QDebug writes them (quoted, control characters escaped), cut short.
template <typename Actual, typename Expected>
void FuzzCheckEq(const Actual& actual, const Expected& expected, const char* what, const char* file, int line)
{
    if (!(actual == expected))
        FuzzFail(what, file, line, QDebug::toString(actual).left(300) + QStringLiteral(" != ") + QDebug::toString(expected).left(300));
}

#define FUZZ_CHECK(cond) ((cond) ? void() : FuzzFail(#cond, __FILE__, __LINE__))
#define FUZZ_CHECK_EQ(actual, expected) FuzzCheckEq((actual), (expected), #actual " == " #expected, __FILE__, __LINE__)

// The input split at its zero bytes into at most maxParts fields (the last
// field keeps any further zero bytes).
QList<QByteArray> SplitFields(const uint8_t* data, size_t size, int maxParts);
