#pragma once

#include "TestInstallation.h"

// The installation the window and command-line tests share (paths as EEP
// writes them, from the resource directory):
//  - Immobilien\Stadt\haus1.gsb: section Haeuser (Gebäude > Häuser), ini names
//    "Stadthaus" / "Town house", its one mod2 file present.
//  - Immobilien\Stadt\haus2.gsb: section Haeuser, no ini file, names the mod2
//    files Stadt\haus2 (present) and Stadt\fehlt (missing).
//  - LSElemente\Baum\eiche.gsb: section Baeume (Natur), listed but missing;
//    ini file with a German name only.
//  - Immobilien\Stadt\huette.gsb: section Schuppen, which no category uses.
//  - LSElemente\Baum\haus_baum.gsb: sections Baeume and Haeuser.
class SampleInstallation : public TestInstallation {
public:
    SampleInstallation();
};
