#include "SampleInstallation.h"

SampleInstallation::SampleInstallation()
{
    WriteText("Categories/Models.ini", "[Haeuser]\nFile1=\\Immobilien\\Stadt\\haus1.gsb\n"
                                       "File2=\\Immobilien\\Stadt\\haus2.gsb\nFile3=\\LSElemente\\Baum\\haus_baum.gsb\n"
                                       "[Baeume]\nFile1=\\LSElemente\\Baum\\eiche.gsb\n"
                                       "File2=\\LSElemente\\Baum\\haus_baum.gsb\n"
                                       "[Schuppen]\nFile1=\\Immobilien\\Stadt\\huette.gsb\n");
    WriteText("Categories/Static_structures/index.ini", "[Index]\nEntry1=gebaeude.ini\n");
    WriteText("Categories/Static_structures/gebaeude.ini",
              QStringLiteral("[Gebaeude]\nName_GER=Gebäude\nName_ENG=Buildings\nFilterSection=Gebaeude\n"
                             "[Haeuser]\nName_GER=Häuser\nName_ENG=Houses\nFilterSection=Haeuser\n"));
    WriteText("Categories/Landscape_elements/index.ini", "[Index]\nEntry1=natur.ini\n");
    WriteText("Categories/Landscape_elements/natur.ini",
              "[Natur]\nName_GER=Natur\nName_ENG=Nature\nFilterSection=Baeume\n");

    WriteModel("Immobilien/Stadt/haus1.gsb", {"Stadt\\haus1"}, "[Info]\nName_GER=Stadthaus\nName_ENG=Town house\n");
    WriteModel("Immobilien/Stadt/haus2.gsb", {"Stadt\\haus2", "Stadt\\fehlt"});
    WriteText("LSElemente/Baum/eiche.ini", "[Info]\nName_GER=Eiche\n");
    WriteModel("Immobilien/Stadt/huette.gsb", {}, QStringLiteral("[Info]\nName_GER=Hütte\n"));
    WriteModel("LSElemente/Baum/haus_baum.gsb", {}, "[Info]\nName_GER=Baumhaus\nName_ENG=Tree house\n");
    WriteBytes("Modelle/Stadt/haus1.mod2", "mod2");
    WriteBytes("Modelle/Stadt/haus2.mod2", "mod2");
}
