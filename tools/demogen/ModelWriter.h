#pragma once

#include "DemoPlan.h"
#include "Prng.h"

#include <QByteArray>

class OutputTree;

// Writes the models: each gsb file (binary noise around length-prefixed
// strings, among them the mod2 references), its ini file with the display
// names, and the mod2 files below "Modelle" that are meant to exist.
class ModelWriter {
public:
    ModelWriter(const DemoPlan& plan, OutputTree& out, quint64 seed);

    void Write();

    // The gsb bytes of a model (deterministic for the writer's seed and call order).
    QByteArray GsbBytes(const PlannedModel& model);
    static QByteArray IniBytes(const PlannedModel& model);

private:
    void WriteModel(const PlannedModel& model);
    void WriteMod2(const QString& name);
    // count bytes of noise that contain no backslash, so that the only
    // backslashes of a gsb file are those of its strings.
    void AppendNoise(QByteArray& bytes, int count);
    static void AppendString(QByteArray& bytes, const QString& text);

    const DemoPlan& m_plan;
    OutputTree& m_out;
    Prng m_rng;
};
