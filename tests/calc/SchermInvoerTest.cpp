#include "calc/Samenvatting.h"
#include "calc/SchermInvoer.h"
#include "calc/Veldregels.h"
#include "store/Gegevensscherm.h"
#include "support/Werknemersmodule.h"

#include <gtest/gtest.h>

#include <array>

using namespace vkt;

namespace {

// The bound fields of the calculation window over a copy of the employee database.
class SchermInvoer : public ::testing::Test {
protected:
    test::OpenWerknemersmodule module_;
    TGegevensScherm scherm_{module_.Dm()};
};

TBerekeningInvoer Voorbeeld()
{
    TBerekeningInvoer invoer = NieuweBerekeningInvoer(EncodeDate(2020, 5, 12));
    invoer.Werknemer = "Jansen";
    invoer.SoortBerekening = spBuitenlandseArtiest;
    invoer.ZfwIngeschakeld = false;
    invoer.Loontijdvak = lt4Weken;
    invoer.SoortLoonbedrag = slZvwLoon;
    invoer.Loonbedrag = 2500.5;
    invoer.Geboortedatum = EncodeDate(1975, 2, 3);
    invoer.LoondagenVoorDagtabel = 20;
    invoer.Deeltijdpercentage = 50.5;
    invoer.Tabelkleur = tkGroen;
    invoer.LoonbelastingtabelVoorInwoner = igBelgie;
    invoer.ToepLoonheffing = false;
    invoer.VerzekerdZfw = true;
    invoer.VerzekerdWAO = false;
    invoer.PercentageVakantiegeld = 8.33;
    invoer.JaarloonLBPH = 41000;
    invoer.LoonheffingVrij = 12.5;
    invoer.ArtiestLoonheffing = 20;
    invoer.ArtiestAftrekBedrag = 150;
    invoer.LoonInclVakantie = true;
    invoer.IPzonderDeeltijd = true;
    invoer.SFDeeltijd = true;
    invoer.Actief = {true, true, true, false, false, true, true, true};
    invoer.WGLastenTonen = true;
    return invoer;
}

} // namespace

TEST_F(SchermInvoer, TheFieldsGiveBackWhatWasPutInThem)
{
    const TBerekeningInvoer invoer = Voorbeeld();
    VulGegevensScherm(scherm_, invoer, "H");
    const TBerekeningInvoer gelezen = LeesGegevensScherm(scherm_);
    EXPECT_EQ(gelezen.Werknemer, invoer.Werknemer);
    EXPECT_EQ(gelezen.SoortBerekening, invoer.SoortBerekening);
    EXPECT_EQ(gelezen.ZfwIngeschakeld, invoer.ZfwIngeschakeld);
    EXPECT_EQ(gelezen.Loontijdvak, invoer.Loontijdvak);
    EXPECT_EQ(gelezen.SoortLoonbedrag, invoer.SoortLoonbedrag);
    EXPECT_EQ(gelezen.Loonbedrag, invoer.Loonbedrag);
    EXPECT_EQ(gelezen.BerekeningDatum, invoer.BerekeningDatum);
    EXPECT_EQ(gelezen.Geboortedatum, invoer.Geboortedatum);
    EXPECT_EQ(gelezen.LoondagenVoorDagtabel, invoer.LoondagenVoorDagtabel);
    EXPECT_EQ(gelezen.Deeltijdpercentage, invoer.Deeltijdpercentage);
    EXPECT_EQ(gelezen.Tabelkleur, invoer.Tabelkleur);
    EXPECT_EQ(gelezen.LoonbelastingtabelVoorInwoner, invoer.LoonbelastingtabelVoorInwoner);
    EXPECT_EQ(gelezen.ToepLoonheffing, invoer.ToepLoonheffing);
    EXPECT_EQ(gelezen.VerzekerdZfw, invoer.VerzekerdZfw);
    EXPECT_EQ(gelezen.VerzekerdWW, invoer.VerzekerdWW);
    EXPECT_EQ(gelezen.VerzekerdWAO, invoer.VerzekerdWAO);
    EXPECT_EQ(gelezen.PercentageVakantiegeld, invoer.PercentageVakantiegeld);
    EXPECT_EQ(gelezen.JaarloonLBPH, invoer.JaarloonLBPH);
    EXPECT_EQ(gelezen.LoonheffingVrij, invoer.LoonheffingVrij);
    EXPECT_EQ(gelezen.ArtiestLoonheffing, invoer.ArtiestLoonheffing);
    EXPECT_EQ(gelezen.ArtiestAftrekBPType, bpdBedrag);
    EXPECT_EQ(gelezen.ArtiestAftrekBedrag, invoer.ArtiestAftrekBedrag);
    EXPECT_EQ(gelezen.LoonInclVakantie, invoer.LoonInclVakantie);
    EXPECT_EQ(gelezen.IPzonderDeeltijd, invoer.IPzonderDeeltijd);
    EXPECT_EQ(gelezen.SFDeeltijd, invoer.SFDeeltijd);
    const TActieveWerkgeversdelen& a = gelezen.Actief;
    EXPECT_EQ((std::array{a.Pensioen, a.VUTFPU, a.IP, a.Zvw, a.WW, a.WAO, a.Whk, a.Levensloop}),
              (std::array{true, true, true, false, false, true, true, true}));
    EXPECT_EQ(gelezen.WGLastenTonen, invoer.WGLastenTonen);
    EXPECT_EQ(scherm_.cmbAWfPremieType.Key(), "H");
}

TEST_F(SchermInvoer, EmptyFieldsReadAsTheSavedCalculationIsReadWithoutAWindow)
{
    scherm_.dgGegevensWN.ClearAll();
    scherm_.dgHeffingsgegevens.ClearAll();
    const TBerekeningInvoer gelezen = LeesGegevensScherm(scherm_);
    EXPECT_EQ(gelezen.SoortBerekening, -1);
    EXPECT_EQ(gelezen.SoortLoonbedrag, -1);
    EXPECT_EQ(gelezen.Loontijdvak, 0);
    EXPECT_EQ(gelezen.Tabelkleur, tkWit);
    EXPECT_EQ(gelezen.LoonbelastingtabelVoorInwoner, igNederland);
    EXPECT_EQ(gelezen.Deeltijdpercentage, 100);
    EXPECT_EQ(gelezen.Loonbedrag, 0);
    EXPECT_EQ(gelezen.BerekeningDatum, 0);
    EXPECT_EQ(gelezen.Geboortedatum, 0);
    EXPECT_TRUE(ControleerInvoer(gelezen).has_value());
}

TEST_F(SchermInvoer, TheSummaryShowsTheChoicesAndPlainNumbers)
{
    TBerekeningInvoer invoer = Voorbeeld();
    invoer.SoortBerekening = spVrijeBerekeningArtiest;
    invoer.Loonbedrag = 12500;
    invoer.VerzekerdWAO = false;
    VulGegevensScherm(scherm_, invoer, "L");
    TSamenvatting s = LeesSamenvatting(scherm_, 45);
    EXPECT_EQ(s.SoortBerekening, "Vrije berekening artiest/sporter");
    EXPECT_EQ(s.SoortLoonbedrag, "Zvw-loon");
    EXPECT_EQ(s.Loontijdvak, "4 Weken");
    EXPECT_EQ(s.Tabelkleur, "Groen");
    EXPECT_EQ(s.Loonbelastingtabel, "België");
    EXPECT_EQ(s.Leeftijd, "45");
    EXPECT_EQ(s.Loonbedrag, "12500,00");
    EXPECT_EQ(s.Deeltijdfactor, "50,5");
    EXPECT_EQ(s.VerzekerdVoor, "WW/Zvw");

    scherm_.cmbLoontijdvak.SetKey("");
    scherm_.cbWW.SetChecked(false);
    scherm_.cbZfw.SetChecked(false);
    scherm_.edDeeltijdFactor.SetNumber(100);
    s = LeesSamenvatting(scherm_, std::nullopt);
    EXPECT_EQ(s.Loontijdvak, "");
    EXPECT_EQ(s.Leeftijd, "");
    EXPECT_EQ(s.Deeltijdfactor, "100");
    EXPECT_EQ(s.VerzekerdVoor, "");
}
