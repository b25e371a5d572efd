#include "store/SocialeFondsen.h"

#include "support/Werknemersmodule.h"
#include "common/Meldingen.h"
#include "db/Query.h"
#include "model/Formule.h"
#include "model/QuelvarException.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

using namespace vkt;

namespace {

// A fund with a distinct value in every field.
TSociaalFondsWaarden Voorbeeld()
{
    TSociaalFondsWaarden w;
    w.BPDType = bpdBedrag;
    w.PremieWG = 1.5;
    w.PremieWN = 2.25;
    w.FranchiseWG = 100;
    w.FranchiseWN = 200;
    w.BedragWG = 12.34;
    w.BedragWN = 56.78;
    w.JaargrensWG = 50000;
    w.JaargrensWN = 60000;
    w.WGBoekenInKolom = 18;
    w.WNBoekenInKolom = -7;
    w.GrondslagnummerWG = 3;
    w.GrondslagnummerWN = 4;
    w.LooncomponentnummerWG = 5;
    w.LooncomponentnummerWN = 6;
    w.AfwijkendeGrondslagWG = "[Brutoloon] * 2";
    w.AfwijkendeGrondslagWN = "[Brutoloon]";
    w.AfwijkendeGrondslagWerkgever = true;
    w.AfwijkendeGrondslagWerknemer = false;
    return w;
}

auto Fondswaarden(const TSociaalFondsWaarden& w)
{
    return std::tie(w.BPDType, w.PremieWG, w.PremieWN, w.FranchiseWG, w.FranchiseWN, w.BedragWG, w.BedragWN,
                    w.JaargrensWG, w.JaargrensWN, w.WGBoekenInKolom, w.WNBoekenInKolom, w.GrondslagnummerWG,
                    w.GrondslagnummerWN, w.AfwijkendeGrondslagWG, w.AfwijkendeGrondslagWN,
                    w.AfwijkendeGrondslagWerkgever, w.AfwijkendeGrondslagWerknemer);
}

class SocialeFondsenTest : public ::testing::Test {
protected:
    TdmVektaris& Dm() { return module_.Dm(); }

    // Defines a fund while the calculation of employee n is open.
    int Definieer(const std::string& omschrijving, int n, const TSociaalFondsWaarden& waarden = Voorbeeld())
    {
        Dm().SetWerknemersnummer(n);
        TNieuwSociaalFonds nieuw(Dm());
        nieuw.Omschrijving = omschrijving;
        nieuw.Waarden = waarden;
        TBewaardeMeldingen meldingen;
        EXPECT_TRUE(nieuw.Opslaan(meldingen));
        EXPECT_TRUE(meldingen.Meldingen.empty());
        return nieuw.Fondsnummer;
    }

    void Bewaar(int n)
    {
        Dm().adbQuelvar.BeginTrans();
        fondsen_.BewaarSocialeFondsen(n);
        Dm().adbQuelvar.CommitTrans();
    }

    // The stored row of fund f under key k; the test fails without one.
    std::unique_ptr<db::Query> Rij(int k, int f)
    {
        auto rij = std::make_unique<db::Query>(
            Dm().adbQuelvar, "SELECT * FROM SociaalFondsWG WHERE Werkgeversnummer = :k AND Fondsnummer = :f");
        rij->Param("k").SetInteger(k);
        rij->Param("f").SetInteger(f);
        rij->Open();
        EXPECT_EQ(rij->RecordCount(), 1) << "key " << k << ", fund " << f;
        return rij;
    }

    void Voer(const std::string& sql) { Dm().adbQuelvar.Execute(sql); }

    test::OpenWerknemersmodule module_;
    TSocialeFondsen fondsen_{module_.Dm()};
};

} // namespace

TEST_F(SocialeFondsenTest, ANewFundIsNumberedFromTheCatalogueAndAttachedToTheOpenCalculation)
{
    Voer("INSERT INTO SociaalFondsWG (Werkgeversnummer, Ingangsdatum, Fondsnummer, Omschrijving, FondsActief) "
         "VALUES (9, '9999-12-31 00:00:00', 40, 'Elders', 1)"); // numbers under other keys do not count
    EXPECT_EQ(Definieer("Pensioenfonds", 3), 1);
    EXPECT_EQ(Definieer(" Opleidingsfonds ", 3), 2);

    auto catalogus = Rij(0, 2);
    EXPECT_EQ(catalogus->AsText("Omschrijving"), "Opleidingsfonds");
    EXPECT_FALSE(catalogus->AsBoolean("FondsActief"));
    EXPECT_EQ(catalogus->AsDateTime("Ingangsdatum"), TdmVektaris::Hersteldatum());
    EXPECT_EQ(catalogus->AsInteger("LooncomponentnummerWG"), 0);
    auto gekoppeld = Rij(3, 2);
    EXPECT_TRUE(gekoppeld->AsBoolean("FondsActief"));
    EXPECT_EQ(gekoppeld->AsText("Omschrijving"), "Opleidingsfonds");

    // The window then shows the new fund with the values just entered.
    fondsen_.Regels();
    fondsen_.MaakFondsRegel(2, -1);
    const TFondsRegel& regel = fondsen_.FondsRegels->at(0).second;
    EXPECT_EQ(fondsen_.FondsRegels->at(0).first, "2");
    EXPECT_EQ(regel.Fondsnummer, 2);
    EXPECT_TRUE(regel.Getoond);
    EXPECT_EQ(Fondswaarden(regel), Fondswaarden(Voorbeeld()));
    EXPECT_EQ(regel.LooncomponentnummerWG, 0);
}

TEST_F(SocialeFondsenTest, ARowIsStoredColumnByColumnAndReadBackUnchanged)
{
    TFondsRegel regel = Voorbeeld();
    regel.Fondsnummer = 8;
    regel.Omschrijving = "Bouwfonds";
    fondsen_.BewaarFondsRegel(regel, 4, true);

    auto rij = Rij(4, 8);
    EXPECT_TRUE(rij->AsBoolean("FondsActief"));
    EXPECT_EQ(rij->AsInteger("BPDType"), 0);
    EXPECT_EQ(rij->AsInteger("KolomTypeWG"), 0); // the employer part uses its formula
    EXPECT_EQ(rij->AsInteger("KolomTypeWN"), 1);
    EXPECT_EQ(rij->AsInteger("WNBoekenInKolom"), -7);
    EXPECT_EQ(rij->AsInteger("LooncomponentnummerWN"), 6);

    fondsen_.Regels();
    fondsen_.MaakFondsRegel(8, 4);
    const TFondsRegel& gelezen = fondsen_.FondsRegels->at(0).second;
    EXPECT_EQ(Fondswaarden(gelezen), Fondswaarden(regel));
    EXPECT_EQ(gelezen.Omschrijving, "Bouwfonds");
    EXPECT_EQ(gelezen.LooncomponentnummerWG, 5);
    EXPECT_EQ(gelezen.LooncomponentnummerWN, 6);
}

TEST_F(SocialeFondsenTest, AnyBookingTypeButAnAmountReadsAsAPercentage)
{
    const std::vector<std::pair<int, int>> gevallen = {{0, bpdBedrag}, {1, bpdPercentage}, {2, bpdPercentage},
                                                       {-1, bpdPercentage}};
    fondsen_.Regels();
    for (const auto& [opgeslagen, gelezen] : gevallen) {
        Voer("INSERT INTO SociaalFondsWG (Werkgeversnummer, Ingangsdatum, Fondsnummer, BPDType) VALUES (0, "
             "'9999-12-31 00:00:00', 10, " + std::to_string(opgeslagen) + ")");
        fondsen_.MaakFondsRegel(10, -1);
        EXPECT_EQ(fondsen_.FondsRegels->back().second.BPDType, gelezen) << "stored " << opgeslagen;
        Voer("DELETE FROM SociaalFondsWG");
    }
}

TEST_F(SocialeFondsenTest, AFundWithoutAStoredRowGetsTheDefaultValues)
{
    fondsen_.Regels();
    fondsen_.MaakFondsRegel(5, 3);
    fondsen_.MaakFondsRegel(6, -1);
    ASSERT_EQ(fondsen_.FondsRegels->size(), 2u);
    for (const auto& [nummer, regel] : *fondsen_.FondsRegels) {
        EXPECT_EQ(nummer, std::to_string(regel.Fondsnummer));
        EXPECT_TRUE(regel.Getoond);
        EXPECT_EQ(Fondswaarden(regel), Fondswaarden(TSociaalFondsWaarden{}));
        EXPECT_EQ(regel.LooncomponentnummerWG, 0);
    }
}

TEST_F(SocialeFondsenTest, WithoutRowsNothingIsMadeOrDetached)
{
    Definieer("Pensioenfonds", 3);
    fondsen_.MaakFondsRegel(1, 3);
    EXPECT_FALSE(fondsen_.FondsRegels);
    Bewaar(3);
    EXPECT_TRUE(Rij(3, 1)->AsBoolean("FondsActief"));
}

TEST_F(SocialeFondsenTest, DescriptionsAreUniqueIgnoringCaseAndSurroundingSpaces)
{
    Definieer("Pensioenfonds Bouw", 3);
    TNieuwSociaalFonds nieuw(Dm());
    const std::vector<std::pair<std::string, bool>> gevallen = {
        {"Pensioenfonds Bouw", false}, {"pensioenfonds bouw", false}, {"  PENSIOENFONDS BOUW ", false},
        {"Pensioenfonds Bouw 2", true}, {"Pensioenfonds  Bouw", true}};
    for (const auto& [omschrijving, ok] : gevallen)
        EXPECT_EQ(nieuw.OmschrijvingOK(omschrijving), ok) << "'" << omschrijving << "'";
}

TEST_F(SocialeFondsenTest, AMissingOrTakenDescriptionIsToldAndNothingIsStored)
{
    Definieer("Pensioenfonds", 3);
    const auto voor = test::Inhoud(Dm().adbQuelvar);
    for (const std::string omschrijving : {"", "   ", "PENSIOENFONDS"}) {
        TNieuwSociaalFonds nieuw(Dm());
        nieuw.Omschrijving = omschrijving;
        TBewaardeMeldingen meldingen;
        EXPECT_FALSE(nieuw.Opslaan(meldingen));
        EXPECT_EQ(meldingen.Meldingen, std::vector<std::string>{"Omschrijving bestaat reeds of is niet ingevuld."});
    }
    EXPECT_EQ(test::Inhoud(Dm().adbQuelvar), voor);
}

TEST_F(SocialeFondsenTest, LoadingShowsOnlyTheAttachedFundsOfTheEmployee)
{
    Definieer("Pensioenfonds", 3);
    Definieer("Opleidingsfonds", 4);
    Definieer("Vakbondsfonds", 3);
    Voer("UPDATE SociaalFondsWG SET FondsActief = 0 WHERE Werkgeversnummer = 3 AND Fondsnummer = 1");
    fondsen_.LaadSocialeFondsen(3);
    ASSERT_EQ(fondsen_.FondsRegels->size(), 1u);
    EXPECT_EQ(fondsen_.FondsRegels->at(0).second.Omschrijving, "Vakbondsfonds");
    EXPECT_EQ(fondsen_.LaadCatalogus(), (std::vector<TCatalogusFonds>{
                                            {"Pensioenfonds", 1, false},
                                            {"Opleidingsfonds", 2, false},
                                            {"Vakbondsfonds", 3, true}}));
}

TEST_F(SocialeFondsenTest, ADetachedFundKeepsItsValuesAndCanBeAttachedAgain)
{
    Definieer("Pensioenfonds", 3);
    Definieer("Opleidingsfonds", 3);
    fondsen_.LaadSocialeFondsen(3);
    fondsen_.ZoekFondsRegel(1)->PremieWN = 4.5;

    fondsen_.VerwerkKeuze({{"Pensioenfonds", 1, false}, {"Opleidingsfonds", 2, true}});
    ASSERT_EQ(fondsen_.GetoondeFondsen().size(), 1u);
    EXPECT_EQ(fondsen_.GetoondeFondsen()[0].Fondsnummer, 2);
    EXPECT_EQ(fondsen_.LaadCatalogus()[0].Aangevinkt, false);
    Bewaar(3);
    EXPECT_FALSE(Rij(3, 1)->AsBoolean("FondsActief"));
    EXPECT_DOUBLE_EQ(Rij(3, 1)->AsDouble("PremieWN"), Voorbeeld().PremieWN); // hiding saved nothing else

    fondsen_.VerwerkKeuze({{"Pensioenfonds", 1, true}, {"Opleidingsfonds", 2, true}});
    ASSERT_EQ(fondsen_.FondsRegels->size(), 2u);
    EXPECT_DOUBLE_EQ(fondsen_.ZoekFondsRegel(1)->PremieWN, 4.5);
    Bewaar(3);
    EXPECT_TRUE(Rij(3, 1)->AsBoolean("FondsActief"));
    EXPECT_DOUBLE_EQ(Rij(3, 1)->AsDouble("PremieWN"), 4.5);
    EXPECT_DOUBLE_EQ(Rij(0, 1)->AsDouble("PremieWN"), Voorbeeld().PremieWN);
}

TEST_F(SocialeFondsenTest, CheckingANeverAttachedFundTakesTheCatalogueValuesAndIsInsertedOnSaving)
{
    TSociaalFondsWaarden catalogus = Voorbeeld();
    catalogus.PremieWG = 9.75;
    Definieer("Pensioenfonds", 3, catalogus);
    Definieer("Opleidingsfonds", 4);
    fondsen_.LaadSocialeFondsen(4);
    fondsen_.VerwerkKeuze({{"Pensioenfonds", 1, true}, {"Opleidingsfonds", 2, true}});
    ASSERT_EQ(fondsen_.FondsRegels->size(), 2u);
    EXPECT_EQ(fondsen_.FondsRegels->at(1).first, "1");
    EXPECT_DOUBLE_EQ(fondsen_.FondsRegels->at(1).second.PremieWG, 9.75);
    EXPECT_EQ(fondsen_.FondsRegels->at(1).second.Omschrijving, "Pensioenfonds");

    fondsen_.ZoekFondsRegel(1)->PremieWG = 1.25;
    Bewaar(4);
    auto rij = Rij(4, 1);
    EXPECT_TRUE(rij->AsBoolean("FondsActief"));
    EXPECT_DOUBLE_EQ(rij->AsDouble("PremieWG"), 1.25);
    EXPECT_EQ(rij->AsText("Omschrijving"), "Pensioenfonds");
    EXPECT_DOUBLE_EQ(Rij(0, 1)->AsDouble("PremieWG"), 9.75);
    EXPECT_DOUBLE_EQ(Rij(3, 1)->AsDouble("PremieWG"), 9.75);
}

TEST_F(SocialeFondsenTest, UncheckedFundsWithoutARowAreIgnored)
{
    Definieer("Pensioenfonds", 3);
    fondsen_.VerwerkKeuze({{"Pensioenfonds", 1, false}});
    EXPECT_TRUE(fondsen_.FondsRegels->empty());
}

TEST_F(SocialeFondsenTest, SavingNeverChangesTheDescriptionOfAnAttachedFund)
{
    Definieer("Pensioenfonds", 3);
    fondsen_.LaadSocialeFondsen(3);
    fondsen_.ZoekFondsRegel(1)->Omschrijving = "Anders";
    Bewaar(3);
    EXPECT_EQ(Rij(3, 1)->AsText("Omschrijving"), "Pensioenfonds");
}

TEST_F(SocialeFondsenTest, DatabaseErrorsCarryTheOperationThatFailed)
{
    Voer("ALTER TABLE SociaalFondsWG RENAME TO Weg");
    const auto ontbreekt = [](const std::string& tabel) {
        return "De tabel " + tabel + " ontbreekt in de database (no such table: " + tabel + ")";
    };
    TNieuwSociaalFonds nieuw(Dm());
    nieuw.Omschrijving = "Pensioenfonds";
    const std::vector<std::pair<std::function<void()>, std::string>> gevallen = {
        {[&] { fondsen_.LaadCatalogus(); }, "TfrmSocialeFondsen.Load: " + ontbreekt("SociaalFondsWG")},
        {[&] { nieuw.OmschrijvingOK("x"); }, "TfrmNieuwSociaalFondsVKT.OmschrijvingOK: " + ontbreekt("SociaalFondsWG")},
        {[&] { nieuw.GetNieuwFondsnummer(0); },
         "TfrmNieuwSociaalFondsVKT.GetNieuwFondsnummer: " + ontbreekt("SociaalFondsWG")},
        {[&] { nieuw.AppendSociaalFondsWG(0, 1, 0, 0); },
         "TfrmNieuwSociaalFondsVKT.AppendSociaalFondsWG: " + ontbreekt("SOCIAALFONDSWG")},
        {[&] { nieuw.BewaarNieuwFonds(); },
         "Er is een fout opgetreden bij het opslaan van de sociale fondsen\r\n\r\nDe fout betrof: "
         "TfrmNieuwSociaalFondsVKT.GetNieuwFondsnummer: " +
             ontbreekt("SociaalFondsWG")},
    };
    for (const auto& [opdracht, tekst] : gevallen) {
        try {
            opdracht();
            ADD_FAILURE() << "no error for " << tekst;
        } catch (const std::exception& fout) {
            EXPECT_EQ(fout.what(), tekst);
        }
    }
    EXPECT_FALSE(Dm().adbQuelvar.InTransaction());
}

TEST_F(SocialeFondsenTest, AStoredFormulaLongerThanItsColumnIsRefusedWhenSwitchedOn)
{
    const std::string lang(256, '1');
    const std::string past(255, '1');
    const struct {
        bool werkgever, werknemer;
        const std::string& formuleWG;
        const std::string& formuleWN;
        std::string melding; // empty: loaded as stored
    } gevallen[] = {
        {true, true, past, past, ""},
        {false, false, lang, lang, ""}, // never computed with, so kept
        {true, false, lang, past,
         "AfwijkendeGrondslagWG van sociaal fonds 'Bouw': De formule is langer dan 255 tekens."},
        {true, true, past, lang,
         "AfwijkendeGrondslagWN van sociaal fonds 'Bouw': De formule is langer dan 255 tekens."},
    };
    for (const auto& geval : gevallen) {
        SCOPED_TRACE(geval.melding);
        Voer("DELETE FROM SociaalFondsWG");
        Voer("INSERT INTO SociaalFondsWG (Werkgeversnummer, Ingangsdatum, Fondsnummer, Omschrijving, FondsActief, "
             "AfwijkendeGrondslagWG, AfwijkendeGrondslagWN, ActiefWG, ActiefWN) VALUES (3, '9999-12-31 00:00:00', "
             "1, 'Bouw', 1, '" + geval.formuleWG + "', '" + geval.formuleWN + "', " +
             (geval.werkgever ? "1" : "0") + ", " + (geval.werknemer ? "1" : "0") + ")");
        fondsen_.VerwijderFondsRegels();
        if (geval.melding.empty()) {
            fondsen_.LaadSocialeFondsen(3);
            ASSERT_EQ(fondsen_.FondsRegels->size(), 1u);
            EXPECT_EQ(fondsen_.FondsRegels->at(0).second.AfwijkendeGrondslagWG, geval.formuleWG);
            EXPECT_EQ(fondsen_.FondsRegels->at(0).second.AfwijkendeGrondslagWN, geval.formuleWN);
            continue;
        }
        try {
            fondsen_.LaadSocialeFondsen(3);
            ADD_FAILURE() << "no error";
        } catch (const EExpressionError& fout) {
            EXPECT_EQ(fout.what(), geval.melding);
        }
        EXPECT_TRUE(fondsen_.FondsRegels->empty());
    }
}
