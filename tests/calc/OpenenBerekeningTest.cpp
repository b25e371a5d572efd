#include "calc/OpenenBerekening.h"

#include "calc/Veldregels.h"
#include "common/DataFolder.h"
#include "common/Meldingen.h"
#include "model/Formule.h"
#include "model/Kolomregels.h"
#include "store/DmVektaris.h"
#include "store/WerknemerRecords.h"
#include "support/Constanten.h"
#include "support/Werknemersmodule.h"

#include <gtest/gtest.h>

using namespace vkt;

namespace {

const char* const kHuidig = "'9999-12-31 00:00:00'";

// A copy of the employee database with two saved calculations: 1 with a
// levy record and two stored lines, 2 (an artist from abroad) with neither
// but with a formula.
class OpenenBerekening : public ::testing::Test {
protected:
    void SetUp() override
    {
        Voer("INSERT INTO Werknemersgegevens (Werkgeversnummer, Werknemersnummer, Ingangsdatum, Hersteldatum, Naam, "
             "WerknemerSoort, Geboortedatum, CodeLoonheffingskorting, Loontijdvak, Tabelkleur, "
             "LoonbelastingtabelVoorInwoner, Vastloon, Deeltijdpercentage, VerzekerdWW, VerzekerdWAO, VerzekerdZfw, "
             "JaarloonVorigJaar) VALUES "
             "(1, 1, " + std::string(kHuidig) + ", " + kHuidig + ", 'Jansen', 0, '1980-05-01 00:00:00', 1, 4, 1, 3, "
             "2500, 80, 1, 1, 1, 0), "
             "(1, 2, " + kHuidig + ", " + kHuidig + ", 'Artiest', 6, '1990-01-01 00:00:00', 0, 4, 0, 0, 900, 100, "
             "1, 1, 1, 0)");
        Voer("INSERT INTO BerekeningsgegevensVKT (Werkgeversnummer, Werknemersnummer, BerekeningsDatum, "
             "PercentageVakantiegeld, ActiefWAO, ActiefWW, ActiefZvw, ActiefWhk, WGLastenTonen, SoortLoonbedrag, "
             "ArtiestAftrekBedrag, ArtiestLoonheffing) VALUES "
             "(1, 1, '2020-04-15 00:00:00', 8, 1, 1, 0, 1, 1, 3, 0, 0), "
             "(1, 2, '2020-08-01 00:00:00', 0, 0, 0, 1, 0, 0, 0, 75, 20)");
        Voer("INSERT INTO Heffingsgegevens (Werkgeversnummer, Werknemersnummer, Heffingstype, Ingangsdatum, "
             "Hersteldatum, DagTabelDagen, AwfPremieType) VALUES (1, 1, 0, " + std::string(kHuidig) + ", " + kHuidig +
             ", 5, 'H')");
        Voer("INSERT INTO Heffingsregels (Werkgeversnummer, Werknemersnummer, Heffingstype, Ingangsdatum, "
             "Hersteldatum, Kolomnummer, Looncomponentnummer, Regeltype, Bedrag) VALUES "
             "(1, 1, 0, " + std::string(kHuidig) + ", " + kHuidig + ", 3, 1, 3, 2500), "
             "(1, 1, 0, " + kHuidig + ", " + kHuidig + ", 4, 1, 9, 120)");
        Voer("INSERT INTO GrondslagWN (Werkgeversnummer, Werknemersnummer, Ingangsdatum, Hersteldatum, FormuleWW, "
             "IngeschakeldWW) VALUES (1, 2, " + std::string(kHuidig) + ", " + kHuidig + ", '[Brutoloon]/2', 1)");
        records_ = std::make_unique<TWerknemerRecords>(*dm_, meldingen_);
        constanten_ = test::GeladenConstanten(DataFolder(), EncodeDate(2020, 3, 1));
    }

    void Voer(const std::string& sql)
    {
        db::Query query(dm_->adbQuelvar, sql);
        query.ExecSQL();
    }

    int AantalRegels(const THeffingsgegevens& h) const
    {
        int aantal = 0;
        for (int k = 0; k < h.Kolommen().Count(); ++k)
            aantal += h.Kolommen().Item(k).Count();
        return aantal;
    }

    test::OpenWerknemersmodule module_;
    TdmVektaris* dm_ = &module_.Dm();
    TBewaardeMeldingen meldingen_;
    std::unique_ptr<TWerknemerRecords> records_;
    std::unique_ptr<TdmConstanten> constanten_;
};

} // namespace

TEST_F(OpenenBerekening, ListsTheSavedCalculationsAndPositionsOnOne)
{
    const std::vector<TWerknemerItem> lijst = records_->VulWerknemerLijst();
    ASSERT_EQ(lijst.size(), 2U);
    EXPECT_EQ(lijst[0].Werknemersnummer, 1);
    EXPECT_EQ(lijst[1].Naam, "Artiest");
    EXPECT_EQ(records_->NieuwWerknemersnummer(), 3);

    ASSERT_TRUE(records_->LaadBerekening(1));
    EXPECT_EQ(dm_->Werknemersnummer, 1);
    EXPECT_EQ(dm_->qryWNvkt.AsText("Naam"), "Jansen");
    EXPECT_EQ(dm_->qryVastHefGeg.RecordCount(), 1);
    ASSERT_TRUE(records_->LaadBerekening(2));
    EXPECT_EQ(dm_->qryVastHefGeg.RecordCount(), 0);
}

TEST_F(OpenenBerekening, AStoredLevyRecordBringsItsOwnLines)
{
    records_->VulWerknemerLijst();
    records_->LaadBerekening(1);
    const TBerekeningInvoer invoer = InvoerVanOpgeslagenBerekening(*dm_);
    EXPECT_EQ(invoer.Werknemer, "Jansen");
    EXPECT_EQ(invoer.SoortBerekening, spWerknemer);
    EXPECT_EQ(invoer.Loontijdvak, ltWeek);
    EXPECT_EQ(invoer.SoortLoonbedrag, slNettoloon);
    EXPECT_DOUBLE_EQ(invoer.Loonbedrag, 2500);
    EXPECT_EQ(invoer.BerekeningDatum, EncodeDate(2020, 4, 15));
    EXPECT_DOUBLE_EQ(invoer.LoondagenVoorDagtabel, 5);
    EXPECT_DOUBLE_EQ(invoer.Deeltijdpercentage, 80);
    EXPECT_EQ(invoer.LoonbelastingtabelVoorInwoner, 3);
    EXPECT_TRUE(invoer.VerzekerdZfw);
    EXPECT_TRUE(invoer.Actief.Whk);
    EXPECT_FALSE(invoer.Actief.Zvw);

    const auto vast = LaadVasteHeffingsgegevens(*dm_, *constanten_, invoer);
    EXPECT_FALSE(vast->GeenHeffingsrecord);
    EXPECT_EQ(vast->AwfPremieType, "H");
    EXPECT_EQ(AantalRegels(*vast), 2);
    EXPECT_EQ(vast->Kolommen().Kolom(4).GetRegel(0).Regeltype, rtNatura);
    EXPECT_DOUBLE_EQ(Als<TCustomBedragKolomRegel>(&vast->Kolommen().Kolom(4).GetRegel(0))->Bedrag, 120);
}

TEST_F(OpenenBerekening, WithoutALevyRecordTheSystemComponentsAndTheFormulasApply)
{
    records_->VulWerknemerLijst();
    records_->LaadBerekening(2);
    const TBerekeningInvoer invoer = InvoerVanOpgeslagenBerekening(*dm_);
    EXPECT_EQ(invoer.SoortBerekening, spBuitenlandseArtiest);
    EXPECT_EQ(invoer.Loontijdvak, ltMaand); // only employees choose their pay period
    EXPECT_FALSE(invoer.ZfwIngeschakeld);
    EXPECT_FALSE(invoer.VerzekerdZfw); // both Zvw boxes stored: the employer's levy wins
    EXPECT_DOUBLE_EQ(invoer.LoondagenVoorDagtabel, 21.67);
    EXPECT_DOUBLE_EQ(invoer.ArtiestAftrekBedrag, 75);
    EXPECT_EQ(invoer.ArtiestAftrekBPType, bpdBedrag);

    const auto vast = LaadVasteHeffingsgegevens(*dm_, *constanten_, invoer);
    EXPECT_TRUE(vast->GeenHeffingsrecord);
    EXPECT_EQ(vast->AwfPremieType, "L");
    EXPECT_EQ(vast->FormuleWW, "[Brutoloon]/2");
    EXPECT_EQ(AantalRegels(*vast), 26); // the employer's system wage components
}

TEST_F(OpenenBerekening, AStoredCalculationWithoutABirthDateIsRefusedByTheBirthDatesCheck)
{
    // Both ways an empty birth date is stored: no value, or the day number 0.
    for (const char* leeg : {"NULL", "'1899-12-30 00:00:00'"}) {
        SCOPED_TRACE(leeg);
        Voer(std::string("UPDATE Werknemersgegevens SET Geboortedatum = ") + leeg + " WHERE Werknemersnummer = 1");
        records_->VulWerknemerLijst();
        records_->LaadBerekening(1);
        const TBerekeningInvoer invoer = InvoerVanOpgeslagenBerekening(*dm_);
        EXPECT_EQ(invoer.Geboortedatum, 0);
        const auto fout = ControleerInvoer(invoer);
        ASSERT_TRUE(fout.has_value());
        EXPECT_EQ(fout->Melding, "Geboortedatum is ongeldig of niet ingevuld.");
        EXPECT_EQ(fout->Veld, TInvoerveld::Geboortedatum);
        EXPECT_EQ(fout->Tab, TInvoertab::Werknemersgegevens);
    }
}

TEST_F(OpenenBerekening, AStoredFormulaLongerThanItsColumnIsRefusedWhenTheCalculationIsLoaded)
{
    // Calculation 1 reads its formulas with its levy record, 2 without one reads them on their own.
    Voer("INSERT INTO GrondslagWN (Werkgeversnummer, Werknemersnummer, Ingangsdatum, Hersteldatum, FormuleWW, "
         "IngeschakeldWW) VALUES (1, 1, " + std::string(kHuidig) + ", " + kHuidig + ", '[Brutoloon]/2', 1)");
    std::string lang = " [Brutoloon]";
    while (lang.size() < 300)
        lang += "+0";
    records_->VulWerknemerLijst();
    // Switched off, the formula is not loaded and the calculation opens.
    for (const bool ingeschakeld : {true, false}) {
        Voer("UPDATE GrondslagWN SET FormuleWW = '" + lang + "', IngeschakeldWW = " + (ingeschakeld ? "1" : "0"));
        dm_->OpenWerknemersQuery();
        for (int n : {1, 2}) {
            SCOPED_TRACE(n);
            ASSERT_TRUE(records_->LaadBerekening(n));
            const TBerekeningInvoer invoer = InvoerVanOpgeslagenBerekening(*dm_);
            if (!ingeschakeld) {
                EXPECT_EQ(LaadVasteHeffingsgegevens(*dm_, *constanten_, invoer)->FormuleWW, "");
                continue;
            }
            try {
                LaadVasteHeffingsgegevens(*dm_, *constanten_, invoer);
                ADD_FAILURE() << "no error";
            } catch (const EExpressionError& fout) {
                EXPECT_STREQ(fout.what(), "FormuleWW: De formule is langer dan 255 tekens.");
            }
        }
    }
}
