#include "Rekenomgeving.h"

#include "model/Kolomregels.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace vkt;
using vkt::test::Rekenomgeving;

namespace {

// The amount a search for this kind of wage amount aims at, as the statement
// shows it.
double Bereikt(Rekenomgeving& r, int soortLoonbedrag)
{
    switch (soortLoonbedrag) {
    case slSociaalLoon: return r.Kolom(8);
    case slLoonheffingsloon: return r.Kolom(14);
    case slZvwLoon: return r.Kolom(12);
    case slWerkgeverslasten: return r.berekening.Werkgeverslasten();
    default: return r.berekening.Nettoloon();
    }
}

} // namespace

TEST(Berekening, EmployerCostOfAMonthlyWageAddsHolidayPayAndTheEmployerPremiums)
{
    Rekenomgeving r;
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    invoer.Loonbedrag = 3000;
    TBerekening& b = r.Reken(invoer);
    // 3000 + 8% holiday pay 240 + AWf low 2.94% 88.20 + WAO/WIA 6.77% 203.10
    // + Zvw employer levy 6.70% 201.00 (Whk is not switched on by default).
    EXPECT_NEAR(b.Werkgeverslasten(), 3732.30, 1e-9);
    EXPECT_EQ(b.AantalBerekeningen(), 1);
    EXPECT_TRUE(r.meldingen.Meldingen.empty());
}

TEST(Berekening, TheWageForWageTaxAndZvwOnlyCountsOnceInTheZvwWage)
{
    Rekenomgeving r;
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    invoer.Loonbedrag = 3100;
    r.Reken(invoer);
    const double belasting3100 = r.Kolom(15);
    const double netto3100 = r.Kolom(19);
    invoer.Loonbedrag = 3000;
    r.Reken(invoer);
    const double belasting3000 = r.Kolom(15);

    // 3000 gross and 100 wage taxed for wage tax and Zvw only: 3100 for both,
    // taxed and paid out like 3100 gross.
    r.ZetBedrag(rtLoonLBPH, 100);
    r.Reken(invoer);
    EXPECT_DOUBLE_EQ(r.Kolom(8), 3000);
    EXPECT_DOUBLE_EQ(r.Kolom(12), 3100);
    EXPECT_DOUBLE_EQ(r.Kolom(14), 3100);
    EXPECT_DOUBLE_EQ(r.Kolom(15), belasting3100);
    EXPECT_DOUBLE_EQ(r.Kolom(19), netto3100);
    EXPECT_GT(r.Kolom(15) - belasting3000, 0);
    EXPECT_LE(r.Kolom(15) - belasting3000, 52);
}

TEST(Berekening, ColumnZeroHoldsEachEmployerChargeOnce)
{
    Rekenomgeving r;
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    invoer.Loonbedrag = 3500;
    // AWf low 2.94% 102.90 + WAO/WIA 6.77% 236.95 + Zvw levy 6.70% 234.50.
    r.Reken(invoer);
    EXPECT_DOUBLE_EQ(r.Kolom(0), 574.35);
    // Only the AWf of the employer's premium type counts: high 7.94% 277.90;
    // the other AWf line is not charged and shows nothing.
    r.Vast().AwfPremieType = AwfPremieHoog;
    r.Reken(invoer);
    EXPECT_DOUBLE_EQ(r.Kolom(0), 749.35);
    const TKolommen& kolommen = r.berekening.Heffingsgegevens()->Kolommen();
    EXPECT_FALSE(kolommen.ZoekRegel(rtWWPremieAwfLaag)->Actief);
    EXPECT_DOUBLE_EQ(kolommen.ZoekRegel(rtWWPremieAwfLaag)->ResultaatBedrag, 0);
    EXPECT_TRUE(kolommen.ZoekRegel(rtWWPremieAwfHoog)->Actief);
    // The Whk premium 1.28% 44.80 and the employer's life-course savings of
    // 50 once each.
    r.Vast().AwfPremieType = AwfPremieLaag;
    invoer.Actief.Whk = true;
    invoer.Actief.Levensloop = true;
    r.ZetBedrag(rtLevensloopWG, 50);
    r.Reken(invoer);
    EXPECT_DOUBLE_EQ(r.Kolom(0), 574.35 + 44.80 + 50);
}

// Every part of the employer's cost is in whole cents, and the total is their
// sum: 3297.23 gives holiday pay 263.7784, AWf 96.938562, WAO/WIA 223.222471
// and Zvw 220.91441, shown as 263.78, 96.94, 223.22 and 220.91.
TEST(Berekening, TheEmployersCostIsTheSumOfItsPartsInCents)
{
    Rekenomgeving r;
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    invoer.Loonbedrag = 3297.23;
    TBerekening& b = r.Reken(invoer);
    const TWerkgeversdeel deel = b.Werkgeversdeel();
    EXPECT_DOUBLE_EQ(deel.Vakantiegeld, 263.78);
    EXPECT_DOUBLE_EQ(deel.AwfLaag, 96.94);
    EXPECT_DOUBLE_EQ(deel.WAO, 223.22);
    EXPECT_DOUBLE_EQ(deel.Zvw, 220.91);
    EXPECT_DOUBLE_EQ(b.Werkgeverslasten(), 4102.08);
}

TEST(Berekening, AMissingBirthDateDoesNotMakeTheEmployeeOfPensionAge)
{
    Rekenomgeving r;
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    invoer.Loonbedrag = 3000;
    auto belasting = [&](TDateTime geboren) {
        invoer.Geboortedatum = geboren;
        r.Reken(invoer);
        return r.Kolom(15);
    };
    const double vijftig = belasting(EncodeDate(1970, 1, 1));
    EXPECT_NE(belasting(EncodeDate(1950, 1, 1)), vijftig); // the state pensioner's brackets
    EXPECT_DOUBLE_EQ(belasting(0), vijftig);               // counted as 50 years old
}

TEST(Berekening, APensionFormulaBelowZeroChargesNoPremiumOnEitherPart)
{
    // Gross 1000, pension 5 % for employee and employer, a deduction of 2 %
    // of the gross wage.
    Rekenomgeving r;
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    invoer.Loonbedrag = 1000;
    invoer.Actief.Pensioen = true;
    r.ZetPercentage(rtPensioenPremieWN, 5);
    r.ZetPercentage(rtPensioenPremieWG, 5);
    r.ZetPercentage(rtVergoedingInhouding, 2, 2);
    dynamic_cast<TVergoedingInhoudingKolomRegel&>(r.Regel(rtVergoedingInhouding, 2)).Vergoeding = false;
    const struct {
        const char* formule;
        double pensioen;
    } gevallen[] = {
        {"[Brutoloon]-1250.5", 0},   // -250,50: nothing, not 5 % of 250,50 = 12,53
        {"[Brutoloon]-750", 12.50},  // 250 x 5 %
        {"", 50},                    // no formula: 1000 x 5 %
    };
    for (const auto& geval : gevallen) {
        SCOPED_TRACE(geval.formule);
        r.Vast().FormulePensioen = geval.formule;
        TBerekening& b = r.Reken(invoer);
        EXPECT_DOUBLE_EQ(r.Kolom(7), geval.pensioen);
        EXPECT_DOUBLE_EQ(r.Kolom(8), 1000 - geval.pensioen);
        EXPECT_DOUBLE_EQ(b.Werkgeversdeel().Pensioen, geval.pensioen);
        EXPECT_DOUBLE_EQ(r.Kolom(18), -20); // the deduction stays 2 % of 1000
    }
}

TEST(Berekening, TheLargestAmountIsComputedToTheCent)
{
    // Gross 99.999.999,99 a month, under the state pension age: the annual
    // wage 1.199.999.999,88 lies above the tables' limit of 98.820, whose
    // tax is (98.820 - 68.507) x 49,50 % + 25.586 = 40.590,935, truncated to
    // 40.590; the rest is taxed at 49,50 %: 1.199.901.179,88 x 0,495 =
    // 593.951.084,04; together 593.991.674 (truncated), a twelfth 49.499.306,17.
    // No credits at that wage.
    Rekenomgeving r;
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    invoer.Loonbedrag = MaximumBedrag;
    TBerekening& b = r.Reken(invoer);
    EXPECT_DOUBLE_EQ(r.Kolom(14), 99'999'999.99);
    EXPECT_DOUBLE_EQ(r.Kolom(15), 49'499'306.17);
    EXPECT_DOUBLE_EQ(b.Nettoloon(), 50'500'693.82);
    // Holiday pay 8 % 7.999.999,9992; the premiums over the monthly maximum
    // 4.769,33: AWf 2,94 % 140,22, WAO/WIA 6,77 % 322,88, Zvw 6,70 % 319,55.
    const TWerkgeversdeel deel = b.Werkgeversdeel();
    EXPECT_DOUBLE_EQ(deel.Vakantiegeld, 8'000'000.00);
    EXPECT_DOUBLE_EQ(deel.AwfLaag, 140.22);
    EXPECT_DOUBLE_EQ(deel.WAO, 322.88);
    EXPECT_DOUBLE_EQ(deel.Zvw, 319.55);
    EXPECT_DOUBLE_EQ(b.Werkgeverslasten(), 108'000'782.64);

    // Searched back: the lowest gross wage of that net wage. 99.999.999,90
    // gives 593.991.673 a year (49.499.306,08 a month) and the same net wage;
    // a cent less gives a cent less net.
    invoer.SoortLoonbedrag = slNettoloon;
    invoer.Loonbedrag = 50'500'693.82;
    r.Reken(invoer);
    EXPECT_DOUBLE_EQ(r.Kolom(3), 99'999'999.90);
    EXPECT_DOUBLE_EQ(b.Nettoloon(), 50'500'693.82);
}

TEST(Berekening, SearchFindsTheGrossWageThatGaveTheAmount)
{
    struct Soort {
        int positie;
        int loontijdvak;
        double loondagen;
    };
    const Soort kSoorten[] = {{spWerknemer, ltMaand, 21.67},         {spWerknemer, ltWeek, 5},
                              {spWerknemer, ltDag, 3},               {spBijzonderLoon, ltMaand, 21.67},
                              {spBinnenlandseArtiest, ltMaand, 4},   {spBuitenlandseArtiest, ltMaand, 1},
                              {spVrijeBerekeningWerknemers, ltMaand, 21.67}, {spVrijeBerekeningArtiest, ltMaand, 2}};
    const double kBruto[] = {150, 1234.56, 2500.55, 4800, 9000, 25000};
    const int kSoortLoonbedragen[] = {slNettoloon, slSociaalLoon, slLoonheffingsloon, slZvwLoon, slWerkgeverslasten};
    Rekenomgeving r;
    for (const Soort& soort : kSoorten)
        for (double bruto : kBruto)
            for (int s : kSoortLoonbedragen) {
                TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
                invoer.SoortBerekening = soort.positie;
                invoer.Loontijdvak = soort.loontijdvak;
                invoer.LoondagenVoorDagtabel = soort.loondagen;
                invoer.JaarloonLBPH = 30000;
                invoer.LoonheffingVrij = 30;
                invoer.ArtiestLoonheffing = soort.positie == spBinnenlandseArtiest ? 20 : 0;
                invoer.Loonbedrag = bruto;
                r.Reken(invoer);
                const double doel = Bereikt(r, s);
                invoer.SoortLoonbedrag = s;
                invoer.Loonbedrag = doel;
                TBerekening& b = r.Reken(invoer);
                SCOPED_TRACE("soort " + std::to_string(soort.positie) + ", tijdvak " +
                             std::to_string(soort.loontijdvak) + ", bruto " + std::to_string(bruto) +
                             ", soort loonbedrag " + std::to_string(s));
                EXPECT_DOUBLE_EQ(Bereikt(r, s), doel);
                // The lowest gross wage that gives the amount: the one that gave
                // it, or one a little lower (the table tax rises in steps, so
                // the net wage saws up and down and gross wages a table row
                // apart can give the same net wage).
                const double gevonden = b.Heffingsgegevens()->Kolommen().GetBrutoloon();
                EXPECT_LE(gevonden, bruto + 1e-9);
                EXPECT_GE(gevonden, bruto - (s == slNettoloon ? 0.2 : 0.01));
            }
    EXPECT_TRUE(r.meldingen.Meldingen.empty());
}

TEST(Berekening, AnUnreachableTargetIsToldAsAnErrorForEveryKindOfAmount)
{
    Rekenomgeving r;
    // An employee pension premium of 150% makes the net wage and the
    // social-insurance wage fall as the gross wage rises: no gross wage of 0
    // or more reaches a positive target. Gross wage 0 comes closest, with 0.
    r.ZetPercentage(rtPensioenPremieWN, 150);
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    const struct {
        int soort;
        const char* naam;
    } kSoorten[] = {{slNettoloon, "een nettoloon"}, {slSociaalLoon, "een sociaal loon"},
                    {slLoonheffingsloon, "een loonheffingsloon"}};
    for (const auto& geval : kSoorten) {
        SCOPED_TRACE(geval.naam);
        r.meldingen = TBewaardeMeldingen();
        invoer.SoortLoonbedrag = geval.soort;
        invoer.Loonbedrag = 2000;
        TBerekening& b = r.Reken(invoer);
        EXPECT_TRUE(r.meldingen.Meldingen.empty());
        ASSERT_EQ(r.meldingen.Foutmeldingen.size(), 1U);
        EXPECT_EQ(r.meldingen.Foutmeldingen[0], std::string("Er is geen oplossing: geen brutoloon van 0,00 tot en met "
                                                            "99999999,99 geeft ") +
                                                    geval.naam + " van 2000,00. Het dichtst erbij komt een brutoloon "
                                                    "van 0,00 met " + geval.naam + " van 0,00.");
        EXPECT_TRUE(b.DoelOnbereikbaar());
        EXPECT_EQ(b.Heffingsgegevens()->Kolommen().GetBrutoloon(), 0);
        EXPECT_FALSE(b.BrutoloonBereik().has_value());
    }
    // The next run starts afresh.
    invoer.SoortLoonbedrag = slBrutoloon;
    EXPECT_FALSE(r.Reken(invoer).DoelOnbereikbaar());
}

TEST(Berekening, TheKindOfCalculationChoosesTheLevyDataAndTheActiveLines)
{
    struct Geval {
        int positie;
        int loontijdvak;
        double loondagen;
        const char* klasse;
        int werknemersoort;
        bool dagtabel;
        bool naturaActief;
        bool pensioenWNActief;
        bool vergoedingActief;
    };
    const Geval kGevallen[] = {
        {spWerknemer, ltMaand, 21.67, "vast", wsWerknemer, false, true, true, true},
        {spWerknemer, 0, 21.67, "vast", wsWerknemer, false, true, true, true},
        {spWerknemer, ltDag, 1, "eenmalig", wsWerknemer, false, true, true, true},
        {spWerknemer, ltDag, 3, "eenmalig", wsWerknemer, true, true, true, true},
        {spBijzonderLoon, ltMaand, 21.67, "bijzonder", wsWerknemer, false, false, true, false},
        {spBinnenlandseArtiest, ltMaand, 1, "eenmalig", wsBinnenlandseArtiest, false, true, false, false},
        {spBuitenlandseArtiest, ltMaand, 1, "eenmalig", wsBuitenlandseArtiest, true, true, false, false},
        {spVrijeBerekeningWerknemers, ltMaand, 21.67, "vast", wsWerknemer, false, true, true, true},
        {spVrijeBerekeningArtiest, ltMaand, 1, "eenmalig", wsBinnenlandseArtiest, true, true, false, false},
    };
    Rekenomgeving r;
    for (const Geval& g : kGevallen) {
        SCOPED_TRACE("positie " + std::to_string(g.positie) + ", tijdvak " + std::to_string(g.loontijdvak));
        TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
        invoer.SoortBerekening = g.positie;
        invoer.Loontijdvak = g.loontijdvak;
        invoer.LoondagenVoorDagtabel = g.loondagen;
        const THeffingsgegevens& o = *r.Reken(invoer).Heffingsgegevens();
        const char* klasse = dynamic_cast<const TBijzondereHeffingsgegevens*>(&o)  ? "bijzonder"
                             : dynamic_cast<const TEenmaligeHeffingsgegevens*>(&o) ? "eenmalig"
                                                                                    : "vast";
        EXPECT_STREQ(klasse, g.klasse);
        EXPECT_EQ(o.Werknemersoort, g.werknemersoort);
        EXPECT_EQ(o.Loontijdvak, g.loontijdvak == 0 ? ltMaand : g.loontijdvak);
        if (std::string(klasse) == "eenmalig") {
            EXPECT_EQ(o.DagTabelToepassen, g.dagtabel);
        }
        auto actief = [&](int regeltype) {
            const TBaseKolomRegel* regel = o.Kolommen().ZoekRegel(regeltype);
            if (regel == nullptr)
                ADD_FAILURE() << "geen regel " << regeltype;
            return regel != nullptr && regel->Actief;
        };
        EXPECT_EQ(actief(rtNatura), g.naturaActief);
        EXPECT_EQ(actief(rtPensioenPremieWN), g.pensioenWNActief);
        EXPECT_EQ(actief(rtVergoedingInhouding), g.vergoedingActief);
        EXPECT_TRUE(actief(rtLoonLBPH));
    }
}

TEST(Berekening, EmployerPartsFollowTheirBoxesAndArtistsPayInsuranceWhenInsured)
{
    Rekenomgeving r;
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    invoer.Loonbedrag = 3000;
    invoer.Actief.WW = false;
    invoer.Actief.Whk = true;
    r.Reken(invoer);
    EXPECT_EQ(r.berekening.Heffingsgegevens()->Kolommen().GetAwfPremieLaag(), 0);
    EXPECT_NEAR(r.berekening.Heffingsgegevens()->Kolommen().GetWhkPremie(), 38.40, 1e-9); // 1.28% of 3000

    invoer.SoortBerekening = spBinnenlandseArtiest;
    invoer.Actief = TActieveWerkgeversdelen{};
    invoer.Actief.WW = false;
    invoer.Actief.WAO = false;
    r.Reken(invoer);
    const TKolommen& k = r.berekening.Heffingsgegevens()->Kolommen();
    EXPECT_NEAR(k.GetAwfPremieLaag(), 88.20, 1e-9);
    EXPECT_NEAR(k.GetWhkPremie(), 38.40, 1e-9);
    // An artist's employer cost leaves out the premiums whose boxes are off:
    // 3000 + 240 holiday pay + 201.00 Zvw employer levy.
    EXPECT_NEAR(r.berekening.Werkgeverslasten(), 3441.00, 1e-9);
}

TEST(Berekening, SocialFundsBecomeLinesAndOnlyListedEmployerKeysCountInTheCost)
{
    Rekenomgeving r;
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    invoer.Loonbedrag = 3000;
    const double zonderFondsen = r.Reken(invoer).Werkgeverslasten();
    const double nettoZonder = r.Kolom(19);

    TSociaalFondsWaarden pensioenfonds;
    pensioenfonds.Omschrijving = "Bedrijfsfonds";
    pensioenfonds.PremieWN = 1;
    pensioenfonds.PremieWG = 2;
    pensioenfonds.WNBoekenInKolom = 7;
    pensioenfonds.WGBoekenInKolom = 0;
    TSociaalFondsWaarden vastBedrag;
    vastBedrag.Omschrijving = "Vakbond";
    vastBedrag.BPDType = bpdBedrag;
    vastBedrag.BedragWN = 12.5;
    vastBedrag.BedragWG = 40;
    vastBedrag.WNBoekenInKolom = -17;
    vastBedrag.WGBoekenInKolom = 5; // no key the employer cost reads
    TSociaalFondsWaarden losgekoppeld = pensioenfonds;
    losgekoppeld.Getoond = false;
    invoer.SocialeFondsen = {pensioenfonds, vastBedrag, losgekoppeld};

    TBerekening& b = r.Reken(invoer);
    const TRapportLijst& lijst = b.RapportLijst();
    ASSERT_EQ(lijst.size(), 4U);
    EXPECT_EQ(lijst[0].first, "7");
    EXPECT_EQ(lijst[1].first, "0WG");
    EXPECT_EQ(lijst[2].first, "-17");
    EXPECT_EQ(lijst[3].first, "5WG");
    EXPECT_DOUBLE_EQ(lijst[0].second->ResultaatBedrag, 30);
    EXPECT_DOUBLE_EQ(lijst[1].second->ResultaatBedrag, 60);
    EXPECT_DOUBLE_EQ(lijst[2].second->ResultaatBedrag, 12.5);
    EXPECT_DOUBLE_EQ(lijst[3].second->ResultaatBedrag, 40);
    EXPECT_EQ(lijst[2].second->Kolomnummer, -17);

    // Booked outside the premium bases, a fund moves only the net wage and the
    // employer's cost.
    vastBedrag.WGBoekenInKolom = 0;
    invoer.SocialeFondsen = {vastBedrag};
    r.Reken(invoer);
    EXPECT_NEAR(r.berekening.Werkgeverslasten(), zonderFondsen + 40, 1e-9);
    EXPECT_NEAR(r.Kolom(19), nettoZonder - 12.5, 1e-9);
}

TEST(Berekening, WithoutRegularLevyDataNothingIsComputed)
{
    Rekenomgeving r;
    TdmConstanten constanten(".");
    TBerekening b;
    EXPECT_FALSE(b.Run(nullptr, Rekenomgeving::StandaardInvoer(), constanten, r.meldingen));
    EXPECT_EQ(b.Heffingsgegevens(), nullptr);
    EXPECT_DOUBLE_EQ(b.Werkgeverslasten(), 0);
}

TEST(Berekening, ADateAfter2020IsUsedAsEntered)
{
    Rekenomgeving r;
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    invoer.BerekeningDatum = EncodeDate(2021, 1, 15);
    const THeffingsgegevens& o = *r.Reken(invoer).Heffingsgegevens();
    EXPECT_EQ(o.BerekeningsDatum, EncodeDate(2021, 1, 15));
    EXPECT_EQ(o.Constanten->Ingangsdatum(), EncodeDate(2020, 7, 1));
}

namespace {

// Every line amount and column total of the run's calculation object, the
// results the statement shows and the social-fund lines, in their order.
struct Afdruk {
    std::vector<double> bedragen;
    std::vector<std::string> fondsen;
    bool operator==(const Afdruk&) const = default;
};

Afdruk AfdrukVan(const TBerekening& b)
{
    Afdruk a;
    const TKolommen& kolommen = b.Heffingsgegevens()->Kolommen();
    for (int k = 0; k < kolommen.Count(); ++k) {
        const TBaseKolom& kolom = kolommen.Item(k);
        a.bedragen.push_back(kolom.Totaal);
        for (int i = 0; i < kolom.Count(); ++i) {
            const TBaseKolomRegel& regel = kolom.GetRegel(i);
            a.bedragen.push_back(regel.ResultaatBedrag);
            a.bedragen.push_back(regel.Actief);
        }
    }
    for (const double uitkomst : {b.Nettoloon(), b.Loonheffing(), b.Werkgeverslasten(),
                                  b.Heffingsgegevens()->ToegepasteArbeidskorting,
                                  static_cast<double>(b.AantalBerekeningen())})
        a.bedragen.push_back(uitkomst);
    for (const auto& [sleutel, regel] : b.RapportLijst())
        a.fondsen.push_back(sleutel + " " + std::to_string(regel->ResultaatBedrag));
    return a;
}

// Inputs of every class of calculation object, with and without a fund and a
// search, so that a reused run meets lines and settings of another kind.
std::vector<TBerekeningInvoer> Afwisselend()
{
    TSociaalFondsWaarden fonds;
    fonds.Fondsnummer = 4;
    fonds.Omschrijving = "Bouwfonds";
    fonds.PremieWN = 2;
    fonds.PremieWG = 1.5;
    fonds.WNBoekenInKolom = 17;
    fonds.GrondslagnummerWN = 3;
    fonds.GrondslagnummerWG = 3;
    std::vector<TBerekeningInvoer> lijst;
    auto voeg = [&](auto wijzig) {
        TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
        invoer.Loonbedrag = 3000;
        wijzig(invoer);
        lijst.push_back(invoer);
    };
    voeg([&](TBerekeningInvoer& i) { i.SocialeFondsen = {fonds}; });
    voeg([](TBerekeningInvoer& i) { i.SoortBerekening = spBijzonderLoon; i.JaarloonLBPH = 40000; });
    voeg([](TBerekeningInvoer& i) { i.SoortLoonbedrag = slNettoloon; i.Loonbedrag = 2100; });
    voeg([](TBerekeningInvoer& i) { i.Loontijdvak = ltDag; i.Loonbedrag = 160; i.LoondagenVoorDagtabel = 1; });
    voeg([&](TBerekeningInvoer& i) {
        i.SoortBerekening = spBinnenlandseArtiest;
        i.ArtiestAftrekBedrag = 300;
        i.SocialeFondsen = {fonds, fonds};
    });
    voeg([](TBerekeningInvoer& i) {
        i.SoortBerekening = spVrijeBerekeningWerknemers;
        i.LoonheffingVrij = 30;
        i.SoortLoonbedrag = slWerkgeverslasten;
    });
    voeg([](TBerekeningInvoer& i) { i.Geboortedatum = EncodeDate(1950, 2, 1); i.Tabelkleur = tkGroen; });
    voeg([](TBerekeningInvoer& i) { i.Loontijdvak = ltKwartaal; i.Loonbedrag = 12000; i.Actief.Pensioen = true; });
    return lijst;
}

} // namespace

TEST(Berekening, AReusedRunGivesWhatAFreshRunGivesAfterAnyOtherRun)
{
    Rekenomgeving r;
    TBerekening hergebruikt;
    const std::vector<TBerekeningInvoer> lijst = Afwisselend();
    // Every input after every other, and each after itself.
    for (const TBerekeningInvoer& vorige : lijst) {
        for (std::size_t n = 0; n < lijst.size(); ++n) {
            SCOPED_TRACE(n);
            ASSERT_TRUE(hergebruikt.Run(&r.Vast(), vorige, r.Constanten(), r.meldingen));
            ASSERT_TRUE(hergebruikt.Run(&r.Vast(), lijst[n], r.Constanten(), r.meldingen));
            TBerekening vers;
            ASSERT_TRUE(vers.Run(&r.Vast(), lijst[n], r.Constanten(), r.meldingen));
            EXPECT_EQ(AfdrukVan(hergebruikt), AfdrukVan(vers));
            EXPECT_EQ(hergebruikt.BrutoloonBereik().has_value(), vers.BrutoloonBereik().has_value());
        }
    }
}

TEST(Berekening, ARunOfTheSameKindReusesTheCalculationObjectAndItsLines)
{
    Rekenomgeving r;
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    TBerekening b;
    ASSERT_TRUE(b.Run(&r.Vast(), invoer, r.Constanten(), r.meldingen));
    const THeffingsgegevens* object = b.Heffingsgegevens();
    const TBaseKolomRegel* bruto = &object->Kolommen().Kolom(3).GetRegel(0);
    invoer.SoortLoonbedrag = slNettoloon;
    invoer.Loonbedrag = 2500;
    ASSERT_TRUE(b.Run(&r.Vast(), invoer, r.Constanten(), r.meldingen));
    EXPECT_EQ(b.Heffingsgegevens(), object);
    EXPECT_EQ(&b.Heffingsgegevens()->Kolommen().Kolom(3).GetRegel(0), bruto);
    EXPECT_EQ(b.Nettoloon(), 2500);
}

TEST(Berekening, ACurveOverGrossWagesComputesTheSameInputsAtEachWage)
{
    Rekenomgeving r;
    TBerekeningInvoer invoer = Rekenomgeving::StandaardInvoer();
    TBerekening curve;
    ASSERT_TRUE(curve.ZetInvoer(&r.Vast(), invoer, r.Constanten().ConstantenOp(invoer.BerekeningDatum)));
    for (const double bruto : {1500.0, 3000.0, 4500.55}) {
        curve.BerekenBij(bruto);
        invoer.Loonbedrag = bruto;
        TBerekening los;
        ASSERT_TRUE(los.Run(&r.Vast(), invoer, r.Constanten(), r.meldingen));
        EXPECT_EQ(curve.Nettoloon(), los.Nettoloon()) << bruto;
        EXPECT_EQ(curve.Werkgeverslasten(), los.Werkgeverslasten()) << bruto;
    }
    EXPECT_EQ(curve.AantalBerekeningen(), 3);
}
