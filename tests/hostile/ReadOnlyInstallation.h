#pragma once

#include "TestInstallation.h"
#include "TreeSnapshot.h"

#include <QString>

// A complete installation (the demo generator's when it is built, else a
// small one of our own) with a few hostile extras - a link loop, FIFOs named
// like model files - made read-only, and the snapshot of it taken after that.
class ReadOnlyInstallation {
public:
    ReadOnlyInstallation();
    ~ReadOnlyInstallation();

    TestInstallation& Inst() { return m_inst; }
    // The whole installation: the "Resourcen" directory and what lies beside it.
    QString NativeTop() const;
    // Differences between now and the snapshot taken when it was made read-only.
    std::string Changes() const;
    // True when the demo generator wrote it.
    bool Generated() const { return m_generated; }

private:
    bool Generate();
    void WriteOwn();
    void AddHostileExtras();

    TestInstallation m_inst;
    bool m_generated = false;
    TreeSnapshot m_before;
};
