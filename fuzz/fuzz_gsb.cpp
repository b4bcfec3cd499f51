// The gsb scanner over arbitrary bytes: every name it lists must be a
// length-prefixed candidate that a plain reading of the bytes finds, the
// candidates must all be listed once (names differing only in case are one),
// in order, and the index answers must stay in range.
#include "FuzzSupport.h"

#include "hostdata/CGsb.h"
#include "platform/HostPath.h"
#include "platform/RecordingMessageSink.h"
#include "platform/TextCodec.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

namespace {

// The candidates as the format defines them: from each backslash, back to the
// nearest zero byte (the high byte of a 32-bit length), the string behind it.
QSet<QString> Candidates(const QByteArray& bytes)
{
    QSet<QString> found;
    qsizetype zero = -1;   // the nearest zero byte before the position
    for (qsizetype p = 0; p < bytes.size(); ++p) {
        if (bytes[p] == '\0')
            zero = p;
        if (bytes[p] != '\\' || zero < 3)
            continue;
        const qint64 length = quint8(bytes[zero - 3]) + 256 * quint8(bytes[zero - 2]) + 65536 * quint8(bytes[zero - 1]);
        if (length < 3 || zero + 1 + length > bytes.size())
            continue;
        const QString name = TextCodec::DecodeCp1252(bytes.constData() + zero + 1, qsizetype(length));
        if (CGsb::IsMod2Name(name))
            found.insert(name);
    }
    return found;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A "Modelle" directory with a few mod2 files, so that some names exist.
    static QTemporaryDir models;
    static const QString modelsDir = [] {
        QDir(models.path()).mkpath(QStringLiteral("Haus"));
        for (const char* name : {"Haus/Wand.mod2", "Haus/dach.mod2", "a.mod2"})
            QFile(models.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
        return HostPath::ToWindows(models.path());
    }();

    RecordingMessageSink messages;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    CGsb gsb;
    gsb.ScanBytes(bytes, modelsDir);
    QSet<QString> candidates = Candidates(bytes);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const qint32 count = gsb.Count();
    for (qint32 k = 1; k <= count; ++k) {
        const QString name = gsb.Mod2Name(k);
        if (!candidates.contains(name))
            FuzzFail("listed name is no candidate", __FILE__, __LINE__, QDebug::toString(name));
        if (k > 1)
            FUZZ_CHECK(collator.compare(gsb.Mod2Name(k - 1), name) < 0);
        // Out with it and every spelling of it.
        candidates.removeIf([&](const QString& c) { return collator.compare(c, name) == 0; });
    }
    FUZZ_CHECK_EQ(QStringList(candidates.values()), QStringList());
    FUZZ_CHECK(gsb.CountMissing() >= 0 && gsb.CountMissing() <= count);
    FUZZ_CHECK_EQ(gsb.Mod2Name(0), QStringLiteral("Falscher Index für mod2-Item"));
    FUZZ_CHECK_EQ(gsb.Mod2Name(count + 1), QStringLiteral("Falscher Index für mod2-Item"));
    FUZZ_CHECK(!gsb.Mod2Exists(0) && !gsb.Mod2Exists(count + 1));
    FUZZ_CHECK(messages.Entries().isEmpty());
    return 0;
}
