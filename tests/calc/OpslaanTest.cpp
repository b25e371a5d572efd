#include "calc/Berekening.h"
#include "calc/OpenenBerekening.h"
#include "calc/Rapport.h"
#include "calc/SchermInvoer.h"
#include "common/DataFolder.h"
#include "common/Meldingen.h"
#include "model/Kolomregels.h"
#include "model/QuelvarException.h"
#include "store/BerekeningOpslag.h"
#include "store/DmVektaris.h"
#include "store/Gegevensscherm.h"
#include "store/SocialeFondsen.h"
#include "store/WerknemerRecords.h"
#include "support/Constanten.h"
#include "support/Werknemersmodule.h"

#include <gtest/gtest.h>

using namespace vkt;

namespace {

const char* const kTabellen[] = {"Werknemersgegevens", "BerekeningsgegevensVKT", "Heffingsgegevens", "Heffingsregels",
                                 "GrondslagWN", "SociaalFondsWG"};

// A copy of the employee database opened as the program opens it, with the
// window's stored part and the storage of calculations on it.
class Opslaan : public ::testing::Test {
protected:
    void SetUp() override
    {
        scherm_ = std::make_unique<TGegevensScherm>(*dm_);
        fondsen_ = std::make_unique<TSocialeFondsen>(*dm_);
        records_ = std::make_unique<TWerknemerRecords>(*dm_, meldingen_, fondsen_.get());
        opslag_ = std::make_unique<TBerekeningOpslag>(*dm_, *records_, *scherm_, *fondsen_, meldingen_);
        constanten_ = test::GeladenConstanten(DataFolder(), EncodeDate(2020, 3, 1));
        records_->VulWerknemerLijst();
    }

    static TBerekeningInvoer Invoer(const std::string& naam)
    {
        TBerekeningInvoer invoer;
        invoer.Werknemer = naam;
        invoer.BerekeningDatum = EncodeDate(2020, 5, 12);
        invoer.Geboortedatum = EncodeDate(1975, 2, 3);
        invoer.Loonbedrag = 3210.55;
        invoer.SoortLoonbedrag = slNettoloon;
        invoer.Loontijdvak = ltWeek;
        invoer.LoondagenVoorDagtabel = 5;
        invoer.WGLastenTonen = true;
        invoer.Actief.Whk = true;
        return invoer;
    }

    // "Nieuw" followed by "Opslaan": the number the calculation got.
    int SlaNieuwOp(const TBerekeningInvoer& invoer)
    {
        records_->LaadBerekening(-1);
        vast_ = LaadNieuweHeffingsgegevens(*dm_, *constanten_, invoer);
        VulGegevensScherm(*scherm_, invoer, vast_->AwfPremieType);
        opslag_->KaartModus = kmNieuw;
        opslag_->BewaarBerekening(*vast_);
        return dm_->Werknemersnummer;
    }

    // Selecting a saved calculation: the queries, the fields and the levy data.
    TBerekeningInvoer Open(int n)
    {
        records_->VulWerknemerLijst();
        EXPECT_TRUE(records_->LaadBerekening(n));
        scherm_->dgGegevensWN.Load();
        scherm_->dgHeffingsgegevens.Load();
        TBerekeningInvoer invoer = InvoerVanOpgeslagenBerekening(*dm_);
        vast_ = LaadVasteHeffingsgegevens(*dm_, *constanten_, invoer);
        opslag_->KaartModus = kmBestaand;
        return invoer;
    }

    std::vector<std::string> Rapport(TBerekeningInvoer invoer)
    {
        invoer.WGWaoVastPercentage = 6.77;
        TBerekening berekening;
        berekening.Run(vast_.get(), invoer, *constanten_, meldingen_);
        return SchrijfRapport(berekening);
    }

    void Voer(const std::string& sql)
    {
        db::Query query(dm_->adbQuelvar, sql);
        query.ExecSQL();
    }

    int Aantal(const std::string& tabel, int werknemer)
    {
        const char* kolom = tabel == "SociaalFondsWG" ? "Werkgeversnummer" : "Werknemersnummer";
        db::Query query(dm_->adbQuelvar,
                        "SELECT COUNT(*) AS N FROM " + tabel + " WHERE " + kolom + " = " + std::to_string(werknemer));
        query.Open();
        return static_cast<int>(query.AsInteger("N"));
    }

    test::OpenWerknemersmodule module_;
    TdmVektaris* dm_ = &module_.Dm();
    TBewaardeMeldingen meldingen_;
    std::unique_ptr<TWerknemerRecords> records_;
    std::unique_ptr<TGegevensScherm> scherm_;
    std::unique_ptr<TSocialeFondsen> fondsen_;
    std::unique_ptr<TBerekeningOpslag> opslag_;
    std::unique_ptr<TdmConstanten> constanten_;
    std::unique_ptr<TVasteHeffingsgegevens> vast_;
};

} // namespace

TEST_F(Opslaan, ANewCalculationIsStoredAndOpensAsItWasEntered)
{
    const TBerekeningInvoer invoer = Invoer("Jansen");
    ASSERT_EQ(SlaNieuwOp(invoer), 1);
    const std::vector<std::string> verwacht = Rapport(invoer);
    EXPECT_EQ(SlaNieuwOp(Invoer("De Vries")), 2);
    for (const char* tabel : {"Werknemersgegevens", "BerekeningsgegevensVKT", "Heffingsgegevens"})
        EXPECT_EQ(Aantal(tabel, 1), 1) << tabel;
    EXPECT_EQ(Aantal("Heffingsregels", 1), 26);

    const TBerekeningInvoer geopend = Open(1);
    EXPECT_EQ(geopend.Werknemer, "Jansen");
    EXPECT_EQ(geopend.Loontijdvak, ltWeek);
    EXPECT_EQ(geopend.SoortLoonbedrag, slNettoloon);
    EXPECT_DOUBLE_EQ(geopend.Loonbedrag, 3210.55);
    EXPECT_DOUBLE_EQ(geopend.LoondagenVoorDagtabel, 5);
    EXPECT_EQ(geopend.BerekeningDatum, EncodeDate(2020, 5, 12));
    EXPECT_TRUE(geopend.Actief.Whk);
    EXPECT_FALSE(vast_->GeenHeffingsrecord);
    EXPECT_EQ(Rapport(geopend), verwacht);
}

TEST_F(Opslaan, SavingASavedCalculationUpdatesItsRowsAndKeepsItsNumber)
{
    SlaNieuwOp(Invoer("Jansen"));
    SlaNieuwOp(Invoer("De Vries"));
    Open(1);
    scherm_->edLoonbedrag.SetNumber(4000);
    TKolomRegelValues natura = vast_->Kolommen().Kolom(4).GetRegel(0).Values();
    natura.Bedrag = 75;
    vast_->Kolommen().Kolom(4).GetRegel(0).SetValues(natura);
    opslag_->BewaarBerekening(*vast_);
    EXPECT_EQ(dm_->Werknemersnummer, 1);
    const TBerekeningInvoer geopend = Open(1);
    EXPECT_DOUBLE_EQ(geopend.Loonbedrag, 4000);
    EXPECT_DOUBLE_EQ(Als<TCustomBedragKolomRegel>(&vast_->Kolommen().Kolom(4).GetRegel(0))->Bedrag, 75);
    EXPECT_EQ(Aantal("Werknemersgegevens", 1), 1);
    EXPECT_EQ(Aantal("Heffingsregels", 1), 26);
    EXPECT_DOUBLE_EQ(Open(2).Loonbedrag, 3210.55);
}

TEST_F(Opslaan, DeletingLeavesNoRowOfTheEmployee)
{
    SlaNieuwOp(Invoer("Jansen"));
    SlaNieuwOp(Invoer("De Vries"));
    Voer("INSERT INTO GrondslagWN (Werkgeversnummer, Werknemersnummer, Ingangsdatum, Hersteldatum) "
         "VALUES (1, 1, '9999-12-31 00:00:00', '9999-12-31 00:00:00')");
    Open(1);
    opslag_->VerwijderBerekening(*vast_);
    for (const char* tabel : kTabellen)
        EXPECT_EQ(Aantal(tabel, 1), 0) << tabel;
    EXPECT_EQ(Aantal("Werknemersgegevens", 2), 1);
    EXPECT_EQ(Aantal("Heffingsregels", 2), 26);
    EXPECT_EQ(meldingen_.Meldingen.back(), "De gegevens zijn verwijderd.");
    EXPECT_EQ(records_->NieuwWerknemersnummer(), 3);
}

TEST_F(Opslaan, AFailureAtAnyWriteStepLeavesEveryTableAsItWas)
{
    SlaNieuwOp(Invoer("Jansen"));
    Voer("CREATE TABLE Teller (N INTEGER)");
    Voer("INSERT INTO Teller VALUES (0)");
    // A trigger that fails the n-th write of one kind on one table.
    const struct {
        const char* moment;
        const char* tabel;
        int keer;
    } kFouten[] = {{"INSERT", "Werknemersgegevens", 1},  {"INSERT", "BerekeningsgegevensVKT", 1},
                   {"INSERT", "Heffingsgegevens", 1},    {"INSERT", "Heffingsregels", 3},
                   {"UPDATE", "Werknemersgegevens", 1},  {"UPDATE", "Heffingsregels", 5},
                   {"DELETE", "Heffingsregels", 2},      {"DELETE", "Heffingsgegevens", 1},
                   {"DELETE", "BerekeningsgegevensVKT", 1}, {"DELETE", "Werknemersgegevens", 1},
                   {"DELETE", "GrondslagWN", 1}};
    for (const auto& fout : kFouten) {
        SCOPED_TRACE(std::string(fout.moment) + " " + fout.tabel);
        Voer(std::string("CREATE TRIGGER Fout BEFORE ") + fout.moment + " ON " + fout.tabel +
             " BEGIN UPDATE Teller SET N = N + 1; SELECT RAISE(ABORT, 'schijf vol') WHERE (SELECT N FROM Teller) >= " +
             std::to_string(fout.keer) + "; END");
        if (std::string(fout.tabel) == "GrondslagWN")
            Voer("INSERT INTO GrondslagWN (Werkgeversnummer, Werknemersnummer, Ingangsdatum, Hersteldatum) "
                 "VALUES (1, 1, '9999-12-31 00:00:00', '9999-12-31 00:00:00')");
        const auto vooraf = test::Inhoud(dm_->adbQuelvar);
        try {
            if (std::string(fout.moment) == "INSERT") {
                SlaNieuwOp(Invoer("Nieuw"));
            } else {
                Open(1);
                scherm_->edLoonbedrag.SetNumber(1234);
                if (std::string(fout.moment) == "UPDATE")
                    opslag_->BewaarBerekening(*vast_);
                else
                    opslag_->VerwijderBerekening(*vast_);
            }
            ADD_FAILURE() << "geen fout";
        } catch (const EQuelvarException& error) {
            EXPECT_NE(std::string(error.what()).find("het opslaan van de heffingsgegevens. De operatie is geannuleerd."),
                      std::string::npos)
                << error.what();
            EXPECT_NE(std::string(error.what()).find("schijf vol"), std::string::npos) << error.what();
        }
        EXPECT_EQ(test::Inhoud(dm_->adbQuelvar), vooraf);
        EXPECT_FALSE(dm_->adbQuelvar.InTransaction());
        Voer("DROP TRIGGER Fout");
        Voer("DELETE FROM GrondslagWN");
    }
    // After the failures the calculation still saves.
    Open(1);
    opslag_->BewaarBerekening(*vast_);
    EXPECT_EQ(SlaNieuwOp(Invoer("Tweede")), 2);
}

TEST_F(Opslaan, SaveAsCopiesTheLinesTheFundsAndTheFormulasUnderANewNumber)
{
    SlaNieuwOp(Invoer("Jansen"));
    Voer("INSERT INTO SociaalFondsWG (Werkgeversnummer, Ingangsdatum, Fondsnummer, Omschrijving, FondsActief, BPDType, "
         "PremieWN, PremieWG, WNBoekenInKolom, WGBoekenInKolom) VALUES "
         "(0, '9999-12-31 00:00:00', 1, 'Bedrijfsfonds', 0, 1, 1, 2, 7, 0), "
         "(1, '9999-12-31 00:00:00', 1, 'Bedrijfsfonds', 1, 1, 1.5, 2, 7, 0)");
    Voer("INSERT INTO GrondslagWN (Werkgeversnummer, Werknemersnummer, Ingangsdatum, Hersteldatum, FormuleWW, "
         "IngeschakeldWW) VALUES (1, 1, '9999-12-31 00:00:00', '9999-12-31 00:00:00', '[Brutoloon]*0.9', 1)");
    TBerekeningInvoer invoer = Open(1);
    invoer.SocialeFondsen = fondsen_->GetoondeFondsen();
    ASSERT_EQ(invoer.SocialeFondsen.size(), 1U);
    EXPECT_DOUBLE_EQ(invoer.SocialeFondsen[0].PremieWN, 1.5);

    opslag_->BewaarAls(*vast_, "Jansen (kopie)");
    EXPECT_EQ(dm_->Werknemersnummer, 2);
    EXPECT_EQ(Aantal("Werknemersgegevens", 2), 1);
    EXPECT_EQ(Aantal("Heffingsregels", 2), 26);
    EXPECT_EQ(Aantal("GrondslagWN", 2), 1);
    EXPECT_EQ(Aantal("SociaalFondsWG", 2), 1);
    EXPECT_EQ(vast_->FormuleWW, "[Brutoloon]*0.9");
    const TBerekeningInvoer kopie = Open(2);
    EXPECT_EQ(kopie.Werknemer, "Jansen (kopie)");
    EXPECT_DOUBLE_EQ(fondsen_->GetoondeFondsen().at(0).PremieWN, 1.5);
}

TEST_F(Opslaan, TheNameWindowWantsANewName)
{
    const struct {
        const char* oud;
        const char* nieuw;
        bool goed;
    } kGevallen[] = {{"Jansen", "De Vries", true}, {"Jansen", " jansen ", false}, {"Jansen", "  ", false},
                     {"", "Jansen", true},         {"Één", "één", false}};
    for (const auto& geval : kGevallen)
        EXPECT_EQ(IsNieuweNaam(geval.oud, geval.nieuw), geval.goed) << geval.oud << " / " << geval.nieuw;
}

TEST_F(Opslaan, AFailedSaveAsLeavesEveryTableAsItWas)
{
    SlaNieuwOp(Invoer("Jansen"));
    Voer("INSERT INTO SociaalFondsWG (Werkgeversnummer, Ingangsdatum, Fondsnummer, Omschrijving, FondsActief) VALUES "
         "(0, '9999-12-31 00:00:00', 1, 'Fonds', 0), (1, '9999-12-31 00:00:00', 1, 'Fonds', 1)");
    Voer("CREATE TABLE Teller (N INTEGER)");
    Voer("INSERT INTO Teller VALUES (0)");
    for (const auto& [tabel, keer] : {std::pair{"Werknemersgegevens", 1}, std::pair{"BerekeningsgegevensVKT", 1},
                                      std::pair{"Heffingsgegevens", 1}, std::pair{"Heffingsregels", 10},
                                      std::pair{"SociaalFondsWG", 1}}) {
        SCOPED_TRACE(tabel);
        Voer(std::string("CREATE TRIGGER Fout BEFORE INSERT ON ") + tabel +
             " BEGIN UPDATE Teller SET N = N + 1; SELECT RAISE(ABORT, 'schijf vol') WHERE (SELECT N FROM Teller) >= " +
             std::to_string(keer) + "; END");
        Open(1);
        const auto vooraf = test::Inhoud(dm_->adbQuelvar);
        EXPECT_THROW(opslag_->BewaarAls(*vast_, "Kopie"), EQuelvarException);
        EXPECT_EQ(test::Inhoud(dm_->adbQuelvar), vooraf);
        EXPECT_EQ(dm_->Werknemersnummer, 1);
        Voer("DROP TRIGGER Fout");
    }
    // A formula that cannot be copied leaves the copy saved without it.
    Voer("INSERT INTO GrondslagWN (Werkgeversnummer, Werknemersnummer, Ingangsdatum, Hersteldatum, FormuleWW, "
         "IngeschakeldWW) VALUES (1, 1, '9999-12-31 00:00:00', '9999-12-31 00:00:00', '[Brutoloon]', 1)");
    Voer("CREATE TRIGGER Fout BEFORE INSERT ON GrondslagWN BEGIN SELECT RAISE(ABORT, 'schijf vol'); END");
    Open(1);
    opslag_->BewaarAls(*vast_, "Kopie");
    EXPECT_EQ(Aantal("Werknemersgegevens", 2), 1);
    EXPECT_EQ(Aantal("GrondslagWN", 2), 0);
    EXPECT_NE(meldingen_.Foutmeldingen.back().find("opslaan als: afwijkende grondslag "), std::string::npos);
}
