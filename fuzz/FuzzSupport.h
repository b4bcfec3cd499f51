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

// A value as a failure message shows it: quoted, control characters escaped, cut short.
template <typename T>
QString FuzzShow(const T& value)
{
    QString text;
    QDebug(&text) << value;
    return text.size() > 300 ? text.left(300) + QStringLiteral("...") : text;
}

#define FUZZ_CHECK(cond)                                                        \
    do {                                                                        \
        if (!(cond))                                                            \
            FuzzFail(#cond, __FILE__, __LINE__);                                \
    } while (false)

#define FUZZ_CHECK_EQ(actual, expected)                                         \
    do {                                                                        \
        const auto fuzzActual_ = (actual);   /* copies: a reference to a     */ \
        const auto fuzzExpected_ = (expected); /* temporary's member dangles */ \
        if (!(fuzzActual_ == fuzzExpected_))                                    \
            FuzzFail(#actual " == " #expected, __FILE__, __LINE__,              \
                     FuzzShow(fuzzActual_) + QStringLiteral(" != ") + FuzzShow(fuzzExpected_)); \
    } while (false)

// The input split at its zero bytes into at most maxParts fields (the last
// field keeps any further zero bytes).
QList<QByteArray> SplitFields(const uint8_t* data, size_t size, int maxParts);
