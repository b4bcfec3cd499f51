#include "hostdata/ModelDetail.h"

#include "TestInstallation.h"
#include "hostdata/CGsb.h"
#include "hostdata/CModels.h"
#include "platform/HostPath.h"

#include <gtest/gtest.h>

TEST(ModelDetail, FoundMissingAndUnknownModels)
{
    TestInstallation inst;
    inst.Activate();
    inst.WriteText("Categories/Static_structures/index.ini", "[i]\na=a.ini\nb=CDIn\nc=b.ini\n");
    inst.WriteText("Categories/Static_structures/a.ini", "[Top]\nName_GER=Gebäude\n");
    inst.WriteText("Categories/Static_structures/b.ini", "[Leaf]\nName_GER=Wohnhäuser\nFilterSection=Haeuser\n");
    inst.WriteText("Immobilien/Haus.ini", "[x]\nName_GER=Stadthaus\n");
    const QByteArray mod2Ref("\x0B\x00\x00\x00Haus\\Dach.m", 15);
    inst.WriteBytes("Immobilien/Haus.gsb", mod2Ref);
    inst.WriteBytes("Modelle/Haus/Dach.m.mod2", "m");
    inst.WriteBytes("../Fremd/Lok.gsb", mod2Ref + QByteArray("\x0A\x00\x00\x00Lok\\Kessel", 14));
    const QString outside = HostPath::ToWindows(inst.NativePath("../Fremd/Lok.gsb")).toLower();

    CCategories cats;
    ASSERT_TRUE(cats.Init());
    CModels models;
    models.StoreFile("\\immobilien\\haus.gsb", "Haeuser");
    models.StoreFile("\\immobilien\\fehlt.gsb", "Haeuser");
    models.StoreFile(outside, DroppedSection());   // a full path is read as it is
    const QString place = "Gebäude\r\n-- Wohnhäuser\r\n-- -- ";
    const struct {
        QString expected;
        int mod2Count, mod2Missing;
    } rows[] = {
        {"\\immobilien\\haus.gsb|finden Sie in EEP im Editor|4 Immobilien|" + place + "Stadthaus|", 1, 0},
        {"\\immobilien\\fehlt.gsb|finden Sie in EEP im Editor|4 Immobilien|" + place + "? ? ( --> \\fehlt.ini)|"
         "gsb-Datei existiert nicht", 0, 0},
        {outside + "|ist im EEP nicht bekannt|-1 ||mod2-Dateien unvollständig", 2, 1},
    };
    for (qint32 i = 0; i < 3; ++i) {
        CGsb gsb;
        const ModelDetail d = ModelDetail::Of(models, i, cats, gsb);
        EXPECT_EQ(QStringList({d.file, d.resultSentence, QString::number(d.editor) + ' ' + d.editorName, d.placeText, d.fileState})
                      .join('|'), rows[i].expected);
        EXPECT_EQ(d.known, d.editor >= 0);
        EXPECT_EQ(gsb.Count(), rows[i].mod2Count) << i;
        EXPECT_EQ(gsb.CountMissing(), rows[i].mod2Missing) << i;
    }
}
