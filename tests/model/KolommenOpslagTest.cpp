#include "common/DataFolder.h"
#include "common/Exception.h"
#include "db/Query.h"
#include "model/Heffingsgegevens.h"
#include "model/Kolomregels.h"
#include "support/Werknemersdatabase.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

using namespace vkt;

namespace {

const TDateTime kHuidig = EncodeDate(9999, 12, 31);

// The stored lines of an employee joined with the employer's wage components,
// as the program reads them when it opens a calculation.
const char* const kOpgeslagenRegels =
    "SELECT * FROM Heffingsregels, Looncomponenten WHERE Heffingsregels.Werkgeversnummer = :WGNummer "
    "AND Werknemersnummer = :WNNummer AND Ingangsdatum = :Ingangsdatum AND Hersteldatum = :Hersteldatum "
    "AND Heffingstype = 0 AND Heffingsregels.Werkgeversnummer = Looncomponenten.Werkgeversnummer "
    "AND Kolomnummer = KolomnummerLC AND Looncomponentnummer = LooncomponentnummerLC "
    "ORDER BY Kolomnummer, Looncomponentnummer";
const char* const kSysteemcomponenten =
    "SELECT * FROM Looncomponenten WHERE Werkgeversnummer = :WGNummer AND SystemLC = TRUE "
    "ORDER BY KolomnummerLC, LooncomponentnummerLC";

template <typename T>
T& Regel(THeffingsgegevens& heffing, int kolom, int regeltype, int component)
{
    TCustomKolom& k = heffing.Kolommen().Kolom(kolom);
    auto& regel = dynamic_cast<T&>(k.GetRegel(k.AddRegel(regeltype)));
    regel.Looncomponentnummer = component;
    return regel;
}

// Everything a stored line carries, as one comparable text per line.
std::string Beschrijving(const THeffingsgegevens& heffing)
{
    std::ostringstream tekst;
    const TKolommen& kolommen = heffing.Kolommen();
    for (int k = 0; k < kolommen.Count(); ++k) {
        const TBaseKolom& kolom = kolommen.Item(k);
        for (int i = 0; i < kolom.Count(); ++i) {
            const TBaseKolomRegel& r = kolom.GetRegel(i);
            tekst << r.Kolomnummer << "/" << r.Looncomponentnummer << " type " << r.Regeltype << " resultaat "
                  << r.ResultaatBedrag << " sf " << r.TbvSocialeFondsen << " vg " << r.TbvVakantiegeld;
            if (const auto* b = dynamic_cast<const TCustomBedragKolomRegel*>(&r))
                tekst << " bedrag " << b->Bedrag;
            if (const auto* p = dynamic_cast<const TCustomBPDKolomRegel*>(&r))
                tekst << " bpd " << p->BPDType << " pct " << p->Percentage << " kolom " << p->GrondslagKolom << " type "
                      << p->KolomType;
            if (const auto* p = dynamic_cast<const TCustomPremieKolomRegel*>(&r))
                tekst << " franchise " << p->Franchise;
            if (const auto* v = dynamic_cast<const TVergoedingInhoudingKolomRegel*>(&r))
                tekst << " vergoeding " << v->Vergoeding;
            tekst << "\n";
        }
    }
    return tekst.str();
}

class KolommenOpslagTest : public ::testing::Test {
protected:
    void Laad(THeffingsgegevens& heffing, bool geenHeffingsrecord)
    {
        heffing.Werkgeversnummer = 1;
        heffing.Werknemersnummer = 5;
        heffing.SetGeenHeffingsrecord(geenHeffingsrecord);
        db::Query componenten(database_.Verbinding(), kSysteemcomponenten);
        componenten.Param("WGNummer").SetInteger(1);
        componenten.Open();
        db::Query regels(database_.Verbinding(), kOpgeslagenRegels);
        regels.Param("WGNummer").SetInteger(1);
        regels.Param("WNNummer").SetInteger(5);
        regels.Param("Ingangsdatum").SetDateTime(kHuidig);
        regels.Param("Hersteldatum").SetDateTime(kHuidig);
        regels.Open();
        heffing.Kolommen().LaadRegels(componenten, regels);
    }

    int AantalOpgeslagen()
    {
        db::Query aantal(database_.Verbinding(), "SELECT COUNT(*) AS N FROM Heffingsregels");
        aantal.Open();
        return static_cast<int>(aantal.AsInteger("N"));
    }

    test::Werknemersdatabase database_;
};

} // namespace

TEST_F(KolommenOpslagTest, LinesSurviveARoundTripThroughTheDatabase)
{
    TVasteHeffingsgegevens eerste;
    eerste.Werkgeversnummer = 1;
    eerste.Werknemersnummer = 5;
    eerste.SetGeenHeffingsrecord(true);
    auto& bruto = Regel<TBrutoloonKolomRegel>(eerste, 3, rtBrutoloon, 1);
    bruto.Bedrag = 3000.55;
    bruto.ResultaatBedrag = 3000.55;
    auto& awf = Regel<TWWPremieAwfLaagKolomRegel>(eerste, 0, rtWWPremieAwfLaag, 1);
    awf.Percentage = 2.94;
    awf.Franchise = 12;
    awf.GrondslagKolom = 8;
    awf.KolomType = 0;
    awf.ResultaatBedrag = 88.22;
    auto& pensioen = Regel<TPensioenPremieWNKolomRegel>(eerste, 7, rtPensioenPremieWN, 1);
    pensioen.Percentage = 5.5;
    pensioen.BPDType = bpdDerde;
    auto& natura = Regel<TNaturaKolomRegel>(eerste, 4, rtNatura, 1);
    natura.Bedrag = 25;
    natura.TbvSocialeFondsen = true;
    natura.TbvVakantiegeld = true;
    auto& vergoeding = Regel<TVergoedingInhoudingKolomRegel>(eerste, 18, rtVergoedingInhouding, 1);
    vergoeding.Bedrag = 50;
    auto& inhouding = Regel<TVergoedingInhoudingKolomRegel>(eerste, 18, rtVergoedingInhouding, 2);
    inhouding.Vergoeding = false;
    inhouding.Bedrag = 20;
    auto& fonds = Regel<TSociaalFondsWG>(eerste, 12, rtSociaalFondsWG, 7);
    fonds.Kolomnummer = -12;
    fonds.Fondsnummer = 3;
    fonds.JaarGrens = 52000;
    fonds.AfwijkendeGrondslagFormule = "[Brutoloon]";
    fonds.GrondslagActief = true;
    auto& verwijderd = Regel<TBijtellingAutoKolomRegel>(eerste, 4, rtBijtellingAuto, 2);
    verwijderd.Status = rsVerwijderd;
    verwijderd.Nieuw = true; // never stored: deleting it writes nothing

    ASSERT_TRUE(eerste.Kolommen().SlaRegelsOp(database_.Verbinding(), kHuidig, kHuidig));
    // Without a stored levy record every line is inserted, the fund line too.
    EXPECT_EQ(AantalOpgeslagen(), 7);
    db::Query fondsRij(database_.Verbinding(), "SELECT * FROM Heffingsregels WHERE Kolomnummer = -12");
    fondsRij.Open();
    ASSERT_EQ(fondsRij.RecordCount(), 1);
    EXPECT_EQ(fondsRij.AsInteger("Fondsnummer"), 3);
    EXPECT_EQ(fondsRij.AsText("AfwijkendeGrondslag"), "[Brutoloon]");
    db::Query vergoedingen(database_.Verbinding(),
                           "SELECT Vergoeding FROM Heffingsregels WHERE Kolomnummer = 18 ORDER BY Looncomponentnummer");
    vergoedingen.Open();
    EXPECT_TRUE(vergoedingen.AsBoolean("Vergoeding"));
    vergoedingen.Next();
    EXPECT_FALSE(vergoedingen.AsBoolean("Vergoeding"));

    // The join with the wage components brings back every line that has one
    // (the fund line, in column -12, has none).
    TVasteHeffingsgegevens tweede;
    tweede.VerzekerdWW = false;
    Laad(tweede, false);
    EXPECT_EQ(tweede.Kolommen().Kolom(3).EersteRegel<TBrutoloonKolomRegel>()->Bedrag, 3000.55);
    EXPECT_EQ(tweede.Kolommen().Kolom(0).EersteRegel<TWWPremieAwfLaagKolomRegel>()->Franchise, 12);
    EXPECT_EQ(tweede.Kolommen().Kolom(18).Count(), 2);
    for (int k = 0; k < tweede.Kolommen().Count(); ++k)
        for (int i = 0; i < tweede.Kolommen().Item(k).Count(); ++i)
            EXPECT_EQ(tweede.Kolommen().Item(k).GetRegel(i).Status, rsOpgeslagen);
    const std::string opgeslagen = Beschrijving(tweede);
    EXPECT_NE(opgeslagen.find("7/1 type 128 resultaat 0 sf 0 vg 0 bedrag 0 bpd 2 pct 5.5 kolom 0 type 1 franchise 0"),
              std::string::npos)
        << opgeslagen;
    EXPECT_NE(opgeslagen.find("4/1 type 9 resultaat 0 sf 1 vg 1 bedrag 25"), std::string::npos) << opgeslagen;
    EXPECT_NE(opgeslagen.find("0/1 type 262145 resultaat 88.22 sf 0 vg 0 bedrag 0 bpd 1 pct 2.94 kolom 8 type 0"),
              std::string::npos)
        << opgeslagen;

    // Saved again with a stored record: changed lines are updated, a deleted
    // one is removed, a new one inserted, one not to be stored left alone.
    auto& gewijzigd = *tweede.Kolommen().Kolom(3).EersteRegel<TBrutoloonKolomRegel>();
    gewijzigd.Bedrag = 3100;
    tweede.Kolommen().Kolom(4).EersteRegel<TNaturaKolomRegel>()->Status = rsVerwijderd;
    tweede.Kolommen().Kolom(18).GetRegel(1).Status = rsNietOpslaan;
    dynamic_cast<TCustomBedragKolomRegel&>(tweede.Kolommen().Kolom(18).GetRegel(1)).Bedrag = 999;
    Regel<TLoonLBPHKolomRegel>(tweede, 12, rtLoonLBPH, 1).Status = rsNieuw;
    ASSERT_TRUE(tweede.Kolommen().SlaRegelsOp(database_.Verbinding(), kHuidig, kHuidig));
    EXPECT_EQ(AantalOpgeslagen(), 7);

    TVasteHeffingsgegevens derde;
    Laad(derde, false);
    EXPECT_EQ(derde.Kolommen().Kolom(3).EersteRegel<TBrutoloonKolomRegel>()->Bedrag, 3100);
    EXPECT_EQ(derde.Kolommen().Kolom(4).EersteRegel<TNaturaKolomRegel>(), nullptr);
    EXPECT_NE(derde.Kolommen().Kolom(12).EersteRegel<TLoonLBPHKolomRegel>(), nullptr);
    EXPECT_EQ(dynamic_cast<TCustomBedragKolomRegel&>(derde.Kolommen().Kolom(18).GetRegel(1)).Bedrag, 20);
}

TEST_F(KolommenOpslagTest, FundLinesAreWrittenOnlyWhenEveryLineIsNew)
{
    TVasteHeffingsgegevens heffing;
    heffing.Werkgeversnummer = 1;
    heffing.Werknemersnummer = 5;
    auto& fonds = Regel<TSociaalFondsWN>(heffing, 16, rtSociaalFondsWN, 4);
    fonds.Status = rsNieuw;
    Regel<TBrutoloonKolomRegel>(heffing, 3, rtBrutoloon, 1).Status = rsNieuw;
    heffing.Kolommen().SlaRegelsOp(database_.Verbinding(), kHuidig, kHuidig);
    EXPECT_EQ(AantalOpgeslagen(), 1);
    EXPECT_EQ(fonds.Status, rsNietOpslaan);
}

TEST_F(KolommenOpslagTest, LoadingKeepsTheSignAndSetsThePremiums)
{
    database_.Verbinding().Execute(
        "INSERT INTO Looncomponenten (Werkgeversnummer, KolomnummerLC, LooncomponentnummerLC, OmschrijvingLC, "
        "RegeltypeLC, SystemLC) VALUES (1, -12, 8, 'Fonds', 16777216, FALSE);"
        "INSERT INTO Heffingsregels (Werkgeversnummer, Werknemersnummer, Heffingstype, Ingangsdatum, Hersteldatum, "
        "Kolomnummer, Looncomponentnummer, Regeltype, Percentage, Franchise) VALUES "
        "(1, 5, 0, '9999-12-31 00:00:00', '9999-12-31 00:00:00', -12, 8, 16777216, 1, 0),"
        "(1, 5, 0, '9999-12-31 00:00:00', '9999-12-31 00:00:00', 0, 3, 524289, 1, 0),"
        "(1, 5, 0, '9999-12-31 00:00:00', '9999-12-31 00:00:00', 0, 1, 262145, 1, 500)");
    TVasteHeffingsgegevens heffing;
    heffing.VerzekerdWAO = true;
    heffing.VerzekerdWW = true;
    heffing.PremieWAOVast = 6.77;
    Laad(heffing, true);
    const auto* fonds = heffing.Kolommen().Kolom(12).EersteRegel<TSociaalFondsWN>();
    ASSERT_NE(fonds, nullptr);
    EXPECT_EQ(fonds->Kolomnummer, -12);
    EXPECT_EQ(fonds->Status, rsNieuw);
    EXPECT_EQ(heffing.Kolommen().Kolom(0).EersteRegel<TWAOPremieVastKolomRegel>()->Percentage, 6.77);
    const auto* awf = heffing.Kolommen().Kolom(0).EersteRegel<TWWPremieAwfLaagKolomRegel>();
    EXPECT_EQ(awf->Franchise, 0);
    EXPECT_EQ(awf->Omschrijving, "AWf laag");
    EXPECT_EQ(awf->Status, rsOpgeslagen);
    EXPECT_FALSE(awf->Nieuw);

    database_.Verbinding().Execute("UPDATE Heffingsregels SET Kolomnummer = 6 WHERE Kolomnummer = 0;"
                                   "UPDATE Looncomponenten SET KolomnummerLC = 6 WHERE KolomnummerLC = 0");
    TVasteHeffingsgegevens vervallen;
    EXPECT_THROW(Laad(vervallen, false), Exception);
}

TEST(Werknemersdatabase, IsBuiltBesideTheProgramsForItsOwnerOnly)
{
    const std::filesystem::path bestand = DataFolder() / "Vkt2020.db";
    struct stat info {};
    ASSERT_EQ(stat(bestand.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    test::Werknemersdatabase database;
    db::Connection& verbinding = database.Verbinding();
    db::Query versie(verbinding, "SELECT Versie FROM Versie");
    versie.Open();
    EXPECT_EQ(versie.AsInteger("Versie"), 202001);
    db::Query werkgever(verbinding, "SELECT * FROM Werkgever");
    werkgever.Open();
    ASSERT_EQ(werkgever.RecordCount(), 1);
    EXPECT_EQ(werkgever.AsInteger("Werkgeversnummer"), 1);
    EXPECT_EQ(werkgever.AsDouble("PremieAwfLaag"), 2.94);
    EXPECT_EQ(werkgever.AsDouble("PremieAwfHoog"), 7.94);
    EXPECT_EQ(werkgever.AsDouble("PremieWAOVast"), 6.77);
    EXPECT_EQ(werkgever.AsDouble("PremieWhk"), 1.28);
    EXPECT_EQ(werkgever.AsDouble("PercentageVakantiegeld"), 8);
    EXPECT_EQ(werkgever.AsDouble("PremieZfwWG"), 0);

    db::Query componenten(verbinding, kSysteemcomponenten);
    componenten.Param("WGNummer").SetInteger(1);
    componenten.Open();
    EXPECT_EQ(componenten.RecordCount(), 26);
    std::vector<int> kolom0;
    for (; !componenten.Eof() && componenten.AsInteger("KolomnummerLC") == 0; componenten.Next())
        kolom0.push_back(static_cast<int>(componenten.AsInteger("RegeltypeLC")));
    EXPECT_EQ(kolom0, (std::vector<int>{262145, 262146, 524289, 524291, 16384, 12}));

    for (const char* tabel : {"Werknemersgegevens", "BerekeningsgegevensVKT", "Heffingsgegevens", "GrondslagWN"})
        EXPECT_FALSE(verbinding.PrimaryKey(tabel).empty()) << tabel;
    EXPECT_EQ(verbinding.PrimaryKey("Heffingsregels").size(), 7u);
    for (const char* tabel : {"dbparams", "SociaalFondsWG", "Werknemersgegevens", "Heffingsregels"}) {
        db::Query leeg(verbinding, std::string("SELECT COUNT(*) AS N FROM ") + tabel);
        leeg.Open();
        EXPECT_EQ(leeg.AsInteger("N"), 0) << tabel;
    }
}
