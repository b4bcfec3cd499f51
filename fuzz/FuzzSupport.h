#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

// Small helpers shared by the fuzz targets: checks that abort with a readable
// message (libFuzzer then keeps the input as a crash artifact) and the
// splitting of one input into several fields.

[[noreturn]] void FuzzFail(const char* what, const char* file, int line, const QString& detail = QString());

#define FUZZ_CHECK(cond)                                                        \
    do {                                                                        \
        if (!(cond))                                                            \
            FuzzFail(#cond, __FILE__, __LINE__);                                \
    } while (false)

#define FUZZ_CHECK_EQ(actual, expected)                                         \
    do {                                                                        \
        const auto& fuzzActual_ = (actual);                                     \
        const auto& fuzzExpected_ = (expected);                                 \
        if (!(fuzzActual_ == fuzzExpected_))                                    \
            FuzzFail(#actual " == " #expected, __FILE__, __LINE__,              \
                     FuzzShow(fuzzActual_) + QStringLiteral(" != ") + FuzzShow(fuzzExpected_)); \
    } while (false)

QString FuzzShow(const QString& text);
QString FuzzShow(const QStringList& list);
QString FuzzShow(bool value);
QString FuzzShow(qint64 value);
inline QString FuzzShow(int value) { return FuzzShow(qint64(value)); }

// The input split at its zero bytes into at most maxParts fields (the last
// field keeps any further zero bytes).
QList<QByteArray> SplitFields(const uint8_t* data, size_t size, int maxParts);
