// The gsb scanner over arbitrary bytes: every name it lists must be a
// length-prefixed candidate that a plain reading of the bytes finds, the
// candidates must all be listed (up to case-insensitive duplicates), and the
// index answers must stay in range.
#include "FuzzSupport.h"

#include "hostdata/CGsb.h"
#include "platform/HostPath.h"
#include "platform/RecordingMessageSink.h"
#include "platform/TextCodec.h"
#include "startup/ModuleState.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

namespace {

// A "Modelle" directory with a few mod2 files, so that some names exist.
const QTemporaryDir& ModelsDir()
{
    static QTemporaryDir dir;
    static const bool ready = [] {
        QDir(dir.path()).mkpath(QStringLiteral("Haus"));
        for (const char* name : {"Haus/Wand.mod2", "Haus/dach.mod2", "a.mod2"}) {
            QFile f(dir.filePath(QString::fromLatin1(name)));
            f.open(QIODevice::WriteOnly);
        }
        return true;
    }();
    Q_UNUSED(ready);
    return dir;
}

// The candidates as the format defines them: from each backslash, back to the
// nearest zero byte (the high byte of a 32-bit length), the string behind it.
QSet<QString> Candidates(const QByteArray& bytes)
{
    QSet<QString> found;
    const qsizetype n = bytes.size();
    qsizetype lastZero = -1;   // nearest zero byte before the position
    for (qsizetype p = 0; p < n; ++p) {
        if (bytes[p] != '\\') {
            if (bytes[p] == '\0')
                lastZero = p;
            continue;
        }
        // 1-based rule "i > 3" is 0-based i >= 3.
        if (lastZero < 3)
            continue;
        const qsizetype i = lastZero;
        const qint64 length = quint8(bytes[i - 3]) + 256 * quint8(bytes[i - 2]) + 65536 * quint8(bytes[i - 1]);
        const qsizetype s = i + 1;
        if (length >= 3 && s + length <= n) {
            const QString name = TextCodec::DecodeCp1252(bytes.constData() + s, qsizetype(length));
            if (CGsb::IsMod2Name(name))
                found.insert(name);
        }
    }
    return found;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool ready = [] {
        gMod.gtModelsDir = HostPath::ToWindows(ModelsDir().path());
        return true;
    }();
    Q_UNUSED(ready);

    RecordingMessageSink messages;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    CGsb gsb;
    gsb.ScanBytes(bytes);

    const QSet<QString> candidates = Candidates(bytes);
    const qint32 count = gsb.Count();
    FUZZ_CHECK(count >= 0);
    FUZZ_CHECK(count <= candidates.size());
    FUZZ_CHECK(candidates.isEmpty() == (count == 0));
    FUZZ_CHECK(gsb.CountMissing() >= 0 && gsb.CountMissing() <= count);

    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (qint32 k = 1; k <= count; ++k) {
        const QString name = gsb.Mod2Name(k);
        if (!candidates.contains(name))
            FuzzFail("listed name is no candidate", __FILE__, __LINE__, FuzzShow(name));
        FUZZ_CHECK(CGsb::IsMod2Name(name));
        if (k > 1)
            FUZZ_CHECK(collator.compare(gsb.Mod2Name(k - 1), name) < 0);
    }
    for (const QString& candidate : candidates) {
        bool listed = false;
        for (qint32 k = 1; k <= count && !listed; ++k)
            listed = collator.compare(candidate, gsb.Mod2Name(k)) == 0;
        if (!listed)
            FuzzFail("candidate not listed", __FILE__, __LINE__, FuzzShow(candidate));
    }
    const QString badIndex = QStringLiteral("Falscher Index für mod2-Item");
    FUZZ_CHECK_EQ(gsb.Mod2Name(0), badIndex);
    FUZZ_CHECK_EQ(gsb.Mod2Name(count + 1), badIndex);
    FUZZ_CHECK(!gsb.Mod2Exists(0) && !gsb.Mod2Exists(count + 1));
    FUZZ_CHECK(messages.Entries().isEmpty());
    return 0;
}
