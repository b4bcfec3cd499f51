#pragma once

#include "DemoPlan.h"

#include <QString>
#include <QtGlobal>

struct DemoOptions {
    QString outDir;            // native; receives "Resourcen" (and "Resourcen.Pak")
    int models = 300;
    quint64 seed = 1;
    bool pak = false;          // also write "Resourcen.Pak" beside "Resourcen"

    static constexpr int kMinModels = 20;
};

struct DemoSummary {
    int models = 0;
    int categories = 0;
    int files = 0;
};

// Plans and writes a synthetic EEP 6 installation. The same options give the
// same installation, byte for byte (only the file times differ).
namespace DemoGenerator {

// Everything decided, nothing written.
DemoPlan MakePlan(const DemoOptions& options);

// Writes the planned installation below options.outDir. An earlier demo
// there (recognised by its marker file) is replaced; an empty "Resourcen"
// directory is used; any other "Resourcen" is left alone and refused with
// DemoError.
DemoSummary Write(const DemoOptions& options, const DemoPlan& plan);

// Native path of the "Resourcen" directory below an output directory.
QString ResourcenDir(const QString& outDir);
// The marker file that identifies a directory this generator wrote.
QString MarkerName();

} // namespace DemoGenerator
