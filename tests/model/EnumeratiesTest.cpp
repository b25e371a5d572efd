#include "model/Enumeraties.h"
#include "model/QuelvarException.h"

#include <gtest/gtest.h>

using namespace vkt;

TEST(Enumeraties, PayPeriodsHaveTheirLabelsAndStandardDays)
{
    const struct {
        int code;
        const char* label;
        const char* veld;
        double dagen;
    } kTijdvakken[] = {{1, "Kwartaal", "Kwartaal", 65}, {2, "Maand", "Maand", 21.67}, {3, "4 Weken", "4Weken", 20},
                       {4, "Week", "Week", 5},          {5, "Dag", "Dag", 1}};
    for (const auto& t : kTijdvakken) {
        EXPECT_EQ(LoontijdvakLabel(t.code), t.label);
        EXPECT_EQ(LoontijdvakVeldnaam(t.code), t.veld);
        EXPECT_EQ(StandaardSVDagen(t.code), t.dagen);
    }
    EXPECT_EQ(LoontijdvakLabel(6), "");
    EXPECT_EQ(GeldigLoontijdvak(5), 5);
    try {
        GeldigLoontijdvak(0);
        FAIL();
    } catch (const Exception& error) {
        EXPECT_STREQ(error.what(), "Onbekend loontijdvak 0.");
    }
    EXPECT_EQ(StandaardLoontijdvak, ltMaand);
}

TEST(Enumeraties, CodesKeepTheirStoredValues)
{
    EXPECT_EQ(InwonergroepLabel(3), "België");
    EXPECT_EQ(SoortBerekeningLabel(6), "Buit. Artiest/Beroepssporter");
    EXPECT_EQ(SoortLoonbedragLabel(5), "Zvw-loon");
    EXPECT_EQ(AwfPremieTypeLabel("H"), "Hoog");
    EXPECT_EQ(BPDTypeLabel(2), "D");
    EXPECT_EQ(BPDTypeVanScherm(0), 0);
    EXPECT_EQ(BPDTypeVanScherm(1), 1);
    EXPECT_EQ(BPDTypeVanScherm(7), 2);
    EXPECT_EQ(rtWhkVerhalingOpWerknemer, 10000001);
    EXPECT_TRUE(IsKolomnummer(19));
    EXPECT_FALSE(IsKolomnummer(6));
    EXPECT_TRUE(IsArtiest(5));
    EXPECT_FALSE(IsArtiest(1));
}

TEST(QuelvarException, BuildsItsMessageFromActionAndCause)
{
    const EQuelvarException metOorzaak("het opslaan van de sociale fondsen", "disk full");
    EXPECT_STREQ(metOorzaak.what(),
                 "Er is een fout opgetreden bij het opslaan van de sociale fondsen\r\n\r\nDe fout betrof: disk full");
    const EQuelvarException plat("Vektaris is al in gebruik.");
    EXPECT_STREQ(plat.what(), "Vektaris is al in gebruik.");
}
