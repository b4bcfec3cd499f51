#pragma once

#include "TestInstallation.h"

// A small installation for the command-line tests, all files created now:
//   Immobilien\Haus1.gsb  in "Wohnhaeuser" (Immobilien > Gebäude > Wohnhäuser),
//                         ini name "Haus eins" / "House one"; names the mod2
//                         files Immobilien\Haus1 (present) and Immobilien\Dach (missing)
//   Immobilien\Haus2.gsb  in "Wohnhaeuser" too, but neither gsb nor ini file exists
//   Goods\Kiste.gsb       in "Kisten" (Güter > Kisten), ini file without Name_GER
//   Immobilien\Neu\Neu.GSB  on disk only ("Models.ini" does not list it)
//   Lose.gsb              directly in Resourcen, outside the date search roots
class SampleInstallation : public TestInstallation {
public:
    SampleInstallation();
};
