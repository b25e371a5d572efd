#include "common/Exception.h"
#include "db/Query.h"
#include "model/Heffingsgegevens.h"
#include "model/Kolommen.h"
#include "model/Kolomregels.h"
#include "model/Symbolen.h"
#include "support/Werknemersdatabase.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

using namespace vkt;

namespace {

// A line of type t appended to column n of the levy data.
template <typename T = TBaseKolomRegel>
T& Regel(THeffingsgegevens& heffing, int kolom, int regeltype)
{
    TCustomKolom& k = heffing.Kolommen().Kolom(kolom);
    return dynamic_cast<T&>(k.GetRegel(k.AddRegel(regeltype)));
}

TCustomBedragKolomRegel& Bedrag(THeffingsgegevens& heffing, int kolom, int regeltype, double bedrag)
{
    auto& regel = Regel<TCustomBedragKolomRegel>(heffing, kolom, regeltype);
    regel.Bedrag = bedrag;
    if (auto* bpd = dynamic_cast<TCustomBPDKolomRegel*>(&regel))
        bpd->BPDType = bpdBedrag;
    return regel;
}

double Totaal(THeffingsgegevens& heffing, int kolom)
{
    heffing.Kolommen().Kolom(kolom).Bereken();
    return heffing.Kolommen().Kolom(kolom).Totaal;
}

} // namespace

TEST(Kolommen, HoldsTheFourteenColumnsInTheirOrder)
{
    TVasteHeffingsgegevens heffing;
    const TKolommen& kolommen = heffing.Kolommen();
    ASSERT_EQ(kolommen.Count(), 14);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(kolommen.Item(i).Kolomnummer, Kolomnummers[static_cast<std::size_t>(i)]);
    EXPECT_EQ(kolommen.GetKolom(0).Kolomnummer, 0);
    EXPECT_EQ(kolommen.GetKolom(19).Kolomnummer, 19);
    for (int vervallen : {1, 2, 6, 9, 10, 11, 20}) {
        try {
            kolommen.GetKolom(vervallen);
            FAIL() << vervallen;
        } catch (const Exception& error) {
            EXPECT_EQ(std::string(error.what()), "Kolom " + std::to_string(vervallen) +
                                                     " is vervallen. Deze mag niet meer in afwijkende grondslagen en "
                                                     "sociale fondsen gebruikt worden.");
        }
    }
}

TEST(Kolommen, ColumnsTotalTheirLines)
{
    TVasteHeffingsgegevens heffing;
    Bedrag(heffing, 4, rtBijtellingAuto, 300);
    Bedrag(heffing, 4, rtBijdrageAuto, 100);
    EXPECT_EQ(Totaal(heffing, 4), 200);

    Bedrag(heffing, 3, rtBrutoloon, 3000);
    Bedrag(heffing, 3, rtLevensloopWN, 150);
    EXPECT_EQ(Totaal(heffing, 3), 2850);
    EXPECT_EQ(heffing.Kolommen().GetBrutoloon(), 3000);

    Bedrag(heffing, 13, rtZfwPremieWG, 200);
    Bedrag(heffing, 13, rtBedrag, 50);
    EXPECT_EQ(Totaal(heffing, 13), 200);
    EXPECT_EQ(heffing.Kolommen().GetOverigKolom13(), 50);

    Bedrag(heffing, 5, rtBedrag, 1234.565);
    EXPECT_EQ(Totaal(heffing, 5), 1234.57);
    Bedrag(heffing, 17, rtBedrag, -1234.565);
    EXPECT_EQ(Totaal(heffing, 17), -1234.57);

    Bedrag(heffing, 18, rtVergoedingReiskosten, 40);
    auto& verhaling = Regel<TWhkVerhalingOpWerknemerKolomRegel>(heffing, 18, rtWhkVerhalingOpWerknemer);
    verhaling.Percentage = 10;
    heffing.Kolommen().Kolom(8).Totaal = 100; // the Whk charged on reads column 8
    EXPECT_EQ(Totaal(heffing, 18), 30);
}

TEST(Kolommen, ColumnsWithAFormulaIgnoreTheirOwnLines)
{
    TVasteHeffingsgegevens heffing;
    Bedrag(heffing, 8, rtBedrag, 500);
    Bedrag(heffing, 19, rtBedrag, 500);
    EXPECT_EQ(Totaal(heffing, 8), 0);
    EXPECT_EQ(Totaal(heffing, 19), 0);
    EXPECT_EQ(Totaal(heffing, 16), 0);

    heffing.Kolommen().Kolom(3).Totaal = 3000;
    heffing.Kolommen().Kolom(4).Totaal = 200;
    heffing.Kolommen().Kolom(7).Totaal = 150;
    EXPECT_EQ(Totaal(heffing, 8), 3050);
    // An artist with a cost-reimbursement decision has it deducted as well.
    heffing.Werknemersoort = wsBinnenlandseArtiest;
    heffing.ArtiestAftrekBedrag = 100;
    EXPECT_EQ(Totaal(heffing, 8), 2950);
}

TEST(Kolommen, LineTypesWithoutAClassYieldNothing)
{
    TVasteHeffingsgegevens heffing;
    for (int regeltype : {262144, 524288, 77}) {
        auto& regel = Regel(heffing, 0, regeltype);
        EXPECT_NE(dynamic_cast<TBasisKolomRegel*>(&regel), nullptr);
        EXPECT_EQ(regel.Regeltype, 0);
        EXPECT_EQ(regel.Bereken(), 0);
    }
    EXPECT_EQ(Regel(heffing, 5, 0).Regeltype, rtPremie);
}

TEST(Kolommen, OnlyTheAwfLineOfTheChosenTypeCounts)
{
    TVasteHeffingsgegevens heffing;
    Regel(heffing, 0, rtWWPremieAwfLaag).ResultaatBedrag = 88.2;
    Regel(heffing, 0, rtWWPremieAwfHoog).ResultaatBedrag = 238.2;
    heffing.AwfPremieType = AwfPremieHoog;
    EXPECT_EQ(heffing.Kolommen().GetAwfPremieLaag(), 0);
    EXPECT_EQ(heffing.Kolommen().GetAwfPremieHoog(), 238.2);
    heffing.AwfPremieType = AwfPremieLaag;
    EXPECT_EQ(heffing.Kolommen().GetAwfPremieLaag(), 88.2);
    EXPECT_EQ(heffing.Kolommen().GetAwfPremieHoog(), 0);
}

TEST(Kolommen, WithoutAStoredRecordEveryLineIsNew)
{
    TVasteHeffingsgegevens heffing;
    auto& nieuw = Regel(heffing, 3, rtBedrag);
    auto& verwijderd = Regel(heffing, 3, rtBedrag);
    verwijderd.Status = rsVerwijderd;
    EXPECT_EQ(nieuw.GetEffectieveStatus(), rsNietOpslaan);
    heffing.SetGeenHeffingsrecord(true);
    EXPECT_EQ(nieuw.GetEffectieveStatus(), rsNieuw);
    EXPECT_EQ(verwijderd.GetEffectieveStatus(), rsVerwijderd);
    // A deleted line does not count in the plain sum.
    Bedrag(heffing, 5, rtBedrag, 10).Status = rsVerwijderd;
    Bedrag(heffing, 5, rtBedrag, 20);
    EXPECT_EQ(Totaal(heffing, 5), 20);
}

TEST(Kolommen, MergingAddsIntoLinesOfTheSameComponent)
{
    TVasteHeffingsgegevens doel;
    TVasteHeffingsgegevens bron;
    auto& bruto = Bedrag(doel, 3, rtBrutoloon, 1000);
    bruto.Looncomponentnummer = 1;
    bruto.ResultaatBedrag = 1000;
    doel.Kolommen().Kolom(3).Totaal = 1000;
    auto& bronBruto = Bedrag(bron, 3, rtBrutoloon, 500);
    bronBruto.Looncomponentnummer = 1;
    bronBruto.ResultaatBedrag = 500;
    bron.Kolommen().Kolom(3).Totaal = 500;
    auto& fonds = Regel<TSociaalFondsWN>(bron, 7, rtSociaalFondsWN);
    fonds.Looncomponentnummer = 9;
    fonds.Kolomnummer = -7;
    fonds.JaarGrens = 52000;
    fonds.AfwijkendeGrondslagFormule = "[Brutoloon]";
    auto& inhouding = Regel<TVergoedingInhoudingKolomRegel>(bron, 18, rtVergoedingInhouding);
    inhouding.Vergoeding = false;
    inhouding.Looncomponentnummer = 2;

    doel.Kolommen().VoegKolommenToe(bron.Kolommen());
    EXPECT_EQ(doel.Kolommen().Kolom(3).Count(), 1);
    EXPECT_EQ(bruto.Bedrag, 1500);
    EXPECT_EQ(bruto.ResultaatBedrag, 1500);
    EXPECT_EQ(bruto.Status, rsOpgeslagen);
    EXPECT_EQ(doel.Kolommen().Kolom(3).Totaal, 1500);
    const auto* kopie = doel.Kolommen().Kolom(7).EersteRegel<TSociaalFondsWN>();
    ASSERT_NE(kopie, nullptr);
    EXPECT_EQ(kopie->Status, rsNieuw);
    EXPECT_EQ(kopie->Kolomnummer, -7);
    EXPECT_EQ(kopie->JaarGrens, 52000);
    EXPECT_EQ(kopie->AfwijkendeGrondslagFormule, "[Brutoloon]");
    EXPECT_FALSE(doel.Kolommen().Kolom(18).EersteRegel<TVergoedingInhoudingKolomRegel>()->Vergoeding);

    doel.Kolommen().MaakLeeg();
    EXPECT_EQ(doel.Kolommen().Kolom(3).Count(), 0);
    EXPECT_EQ(doel.Kolommen().Kolom(3).Totaal, 1500);
}

namespace {

// Each column's total and each line's type, component, status, marks,
// description and amounts, as text.
std::string Beschrijving(const TKolommen& kolommen)
{
    std::string tekst;
    for (int k = 0; k < kolommen.Count(); ++k) {
        const TBaseKolom& kolom = kolommen.Item(k);
        tekst += "kolom " + std::to_string(kolom.Kolomnummer) + " " + std::to_string(kolom.Totaal) + "\n";
        for (int i = 0; i < kolom.Count(); ++i) {
            const TBaseKolomRegel& r = kolom.GetRegel(i);
            const auto* bedrag = Als<TCustomBedragKolomRegel>(&r);
            const auto* bpd = Als<TCustomBPDKolomRegel>(&r);
            tekst += std::to_string(r.Regeltype) + " " + std::to_string(r.Looncomponentnummer) + " " +
                     std::to_string(r.Kolomnummer) + " " + std::to_string(r.Status) + " " +
                     std::to_string(r.Actief) + std::to_string(r.Nieuw) + " '" + r.Omschrijving + "' " +
                     std::to_string(r.ResultaatBedrag) + " " + (bedrag ? std::to_string(bedrag->Bedrag) : "-") +
                     " " + (bpd ? std::to_string(bpd->Percentage) : "-") + "\n";
        }
    }
    return tekst;
}

} // namespace

TEST(Kolommen, TakingOverASetGivesWhatEmptyingAndAddingGivesAndKeepsTheLinesItCan)
{
    TVasteHeffingsgegevens bron;
    auto& bruto = Bedrag(bron, 3, rtBrutoloon, 2500);
    bruto.Looncomponentnummer = 1;
    bruto.Omschrijving = "Brutoloon";
    auto& extra = Bedrag(bron, 3, rtBedrag, 100);
    extra.Looncomponentnummer = 1; // the same component: added into the gross wage
    Regel<TPensioenPremieWNKolomRegel>(bron, 7, rtPensioenPremieWN).Percentage = 4.5;
    bron.Kolommen().Kolom(19).Totaal = -0.0;
    bron.Kolommen().Kolom(8).Totaal = 12;

    // A set that held other lines: another type first in column 7, more lines
    // in column 3, changed amounts, marks and descriptions, a line in column 18.
    TVasteHeffingsgegevens gebruikt;
    auto& oudBruto = Bedrag(gebruikt, 3, rtBrutoloon, 1);
    oudBruto.Actief = false;
    oudBruto.Nieuw = true;
    oudBruto.Omschrijving = "oud";
    oudBruto.Status = rsVerwijderd;
    Bedrag(gebruikt, 3, rtNatura, 2);
    Bedrag(gebruikt, 3, rtBedrag, 3).Omschrijving = "oud";
    Regel(gebruikt, 7, rtIPPremieWN);
    Regel(gebruikt, 18, rtVergoedingInhouding).Actief = false;
    gebruikt.Kolommen().Kolom(8).Totaal = 99;
    const TBaseKolomRegel* eersteRegel = &gebruikt.Kolommen().Kolom(3).GetRegel(0);

    TVasteHeffingsgegevens nieuw;
    nieuw.Kolommen().MaakLeeg();
    nieuw.Kolommen().VoegKolommenToe(bron.Kolommen());
    gebruikt.Kolommen().NeemOver(bron.Kolommen());
    EXPECT_EQ(Beschrijving(gebruikt.Kolommen()), Beschrijving(nieuw.Kolommen()));
    EXPECT_EQ(&gebruikt.Kolommen().Kolom(3).GetRegel(0), eersteRegel) << "a line of the same type is reused";
    EXPECT_FALSE(std::signbit(gebruikt.Kolommen().Kolom(19).Totaal));
    EXPECT_EQ(gebruikt.Kolommen().Kolom(3).GetRegel(0).Looncomponentnummer, 1);
    EXPECT_EQ(Als<TCustomBedragKolomRegel>(&gebruikt.Kolommen().Kolom(3).GetRegel(0))->Bedrag, 2600);
}

TEST(Symbolen, ReadTheRegisteredColumnSet)
{
    const std::vector<TSymbol>& symbolen = SymbolenTabel();
    ASSERT_EQ(symbolen.size(), 18u);
    EXPECT_EQ(symbolen[0].Name, "Brutoloon");
    EXPECT_EQ(symbolen[15].Name, "PrivégebruikAuto");
    EXPECT_EQ(symbolen[17].Name, "Whk.premie");
    for (const TSymbol& symbool : symbolen)
        EXPECT_EQ(symbool.Value(), -999999) << symbool.Name;

    TVasteHeffingsgegevens heffing;
    Bedrag(heffing, 3, rtBrutoloon, 3000).ResultaatBedrag = 3000;
    Bedrag(heffing, 4, rtBijtellingAuto, 300).ResultaatBedrag = 300;
    Bedrag(heffing, 4, rtBijdrageAuto, 100).ResultaatBedrag = 100;
    heffing.Kolommen().Kolom(19).Totaal = 2000;
    heffing.Kolommen().Kolom(15).Totaal = 600;
    heffing.Kolommen().Kolom(14).Totaal = 3000;
    RegistreerKolommen(&heffing.Kolommen());
    EXPECT_EQ(CalculateExpression("[brutoloon]*0.5", SymbolenTabel(), true), 1500);
    EXPECT_EQ(CalculateExpression("[PrivégebruikAuto]", SymbolenTabel(), true), 200);
    EXPECT_EQ(CalculateExpression("[Nettoloon]", SymbolenTabel(), true), 2000);
    heffing.SetVastPercentageLoonheffing(10);
    EXPECT_EQ(CalculateExpression("[Nettoloon]", SymbolenTabel(), true), 2000 + 600 - 300);
    RegistreerKolommen(nullptr);
    EXPECT_EQ(CalculateExpression("[Brutoloon]", SymbolenTabel(), true), -999999);
}
