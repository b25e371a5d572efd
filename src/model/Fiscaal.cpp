#include "model/Fiscaal.h"

#include "db/Query.h"
#include "model/Enumeraties.h"

#include <algorithm>
#include <vector>

namespace vkt {
namespace {

const std::array<const char*, AantalKortingen> kKortingNamen = {
    "arko1Onder65", "arko1Boven65", "arko2Onder65", "arko2Boven65", "arko3Onder65", "arko3Boven65",
    "arkg1Onder65", "arkg1Boven65", "arkg2Onder65", "arkg2Boven65", "arkg3Onder65", "arkg3Boven65",
    "arkm1Onder65", "arkm1Boven65", "arkm2Onder65", "arkm2Boven65", "arkm3Onder65", "arkm3Boven65",
    "arka1Onder65", "arka1Boven65", "arkg4Onder65", "arkg4Boven65", "ahk1OnderAOW", "ahk1BovenAOW",
    "ahk2OnderAOW", "ahk2BovenAOW", "ouk1OnderAOW", "ouk1BovenAOW", "ouk2OnderAOW", "ouk2BovenAOW",
    "ouk3OnderAOW", "ouk3BovenAOW", "aok1OnderAOW", "aok1BovenAOW"};

const std::array<const char*, AantalFiscaleWaarden> kWaardeNamen = {
    "FactorKwartaalGeenBon", "FactorMaandGeenBon", "Factor4WekenGeenBon", "FactorWeekGeenBon",
    "FactorDagGeenBon", "BerekenGrens", "FactorBerekenGrens", "PercentageBerekenGrens",
    "BelArtiestInOnder65", "BelArtiestInBoven65", "BelArtiestUitOnder65", "BelArtiestUitBoven65",
    "BelThuiswerkGeenKortingOnder65", "BelThuiswerkKortingOnder65", "BelThuiswerkGeenKortingBoven65",
    "BelThuiswerkKortingBoven65", "KostenAftrekThuiswerk", "AnoniemenTarief"};

// The upper bounds, percentages and additions of one age group become the
// four rows of its bracket table; the last row is open-ended.
TSchijventabel LeesSchijven(const db::Query& query, const std::string& groep)
{
    auto getal = [&](const std::string& kolom, int k) { return query.AsDouble(kolom + std::to_string(k) + groep); };
    TSchijventabel tabel{};
    double vorigeGrens = 0;
    for (int rij = 0; rij < 4; ++rij) {
        const double grens = rij < 3 ? getal("MaxSchijvenTarief", rij + 1) : 9999999999.0;
        tabel[rij] = TSchijf{rij == 0 ? 0 : vorigeGrens + 1, grens, vorigeGrens, getal("PercentageSchijf", rij + 1),
                             getal("BijtelSchijf", rij + 1)};
        vorigeGrens = grens;
    }
    return tabel;
}

TBijzondereBeloningRij LeesBijzondereBeloning(const db::Query& query)
{
    TBijzondereBeloningRij rij;
    rij.Jaarloon = query.AsDouble("Jaarloon");
    for (const TBijzondereBeloningKolom& kolom : BijzondereBeloningKolommen)
        rij.*kolom.Veld = query.AsDouble(kolom.Naam);
    return rij;
}

// Puts the query on its first row whose column has the value; past the end
// when there is none, where every field reads as empty.
void ZoekEersteRij(db::Query& query, const char* kolom, std::int64_t waarde)
{
    query.First();
    while (!query.Eof() && query.AsInteger(kolom) != waarde)
        query.Next();
}

} // namespace

const std::array<TBijzondereBeloningKolom, 9> BijzondereBeloningKolommen = {
    TBijzondereBeloningKolom{"Onder65ZonderKorting", &TBijzondereBeloningRij::Onder65ZonderKorting},
    TBijzondereBeloningKolom{"Onder65MetKorting", &TBijzondereBeloningRij::Onder65MetKorting},
    TBijzondereBeloningKolom{"Onder65Verrekening", &TBijzondereBeloningRij::Onder65Verrekening},
    TBijzondereBeloningKolom{"Boven65Geboren1946EnLaterZonderKorting", &TBijzondereBeloningRij::Boven65Geboren1946EnLaterZonderKorting},
    TBijzondereBeloningKolom{"Boven65Geboren1946EnLaterMetKorting", &TBijzondereBeloningRij::Boven65Geboren1946EnLaterMetKorting},
    TBijzondereBeloningKolom{"Boven65Geboren1946EnLaterVerrekening", &TBijzondereBeloningRij::Boven65Geboren1946EnLaterVerrekening},
    TBijzondereBeloningKolom{"Boven65ZonderKorting", &TBijzondereBeloningRij::Boven65ZonderKorting},
    TBijzondereBeloningKolom{"Boven65MetKorting", &TBijzondereBeloningRij::Boven65MetKorting},
    TBijzondereBeloningKolom{"Boven65Verrekening", &TBijzondereBeloningRij::Boven65Verrekening},
};

const std::array<const char*, 12> PremieloonMaximaNamen = {
    "KwartaalMaxWWWAO", "MaandMaxWWWAO", "4WekenMaxWWWAO", "WeekMaxWWWAO", "DagMaxWWWAO", "KwartaalMaxZvw",
    "MaandMaxZvw",      "4WekenMaxZvw",  "WeekMaxZvw",     "DagMaxZvw",    "JaarMaxWWWAO", "JaarMaxZvw"};

const char* KortingNaam(TKorting korting) { return kKortingNamen.at(korting); }
const char* FiscaleWaardeNaam(TFiscaleWaarde waarde) { return kWaardeNamen.at(waarde); }

void TFiscaal::LaadSociaalFiscaal(db::Query& query)
{
    query.First();
    for (int i = 0; i < AantalFiscaleWaarden; ++i)
        waarden_[i] = query.AsDouble(kWaardeNamen[i]);
    waarden_[fwFactorBerekenGrens] = static_cast<double>(query.AsInteger("FactorBerekenGrens"));
    schijvenOnder65_ = LeesSchijven(query, "Onder65");
    schijvenBoven65_ = LeesSchijven(query, "Boven65");
    schijvenBoven65Geboren1946EnLater_ = LeesSchijven(query, "Boven65Geboren1946EnLater");
}

void TFiscaal::LaadKortingen(db::Query& query)
{
    for (int groep = 0; groep < AantalInwonergroepen; ++groep) {
        ZoekEersteRij(query, "InwonergroepLBTabel", groep);
        for (int k = 0; k < AantalKortingen; ++k)
            kortingen_[groep][k] = query.AsDouble(kKortingNamen[k]);
    }
}

void TFiscaal::LaadMinimumloon(db::Query& query)
{
    query.First();
    for (auto& rij : minimumloon_) {
        if (query.Eof())
            break;
        rij = TMinimumloonRij{query.AsDouble("MinloonM"), query.AsDouble("MinloonW"), query.AsDouble("MinloonU")};
        query.Next();
    }
}

void TFiscaal::LaadBijzondereTabellen(db::Query& query)
{
    // The rows of each part (white or green, resident group) in one pass; the
    // statement returns each part in ascending Jaarloon.
    std::vector<TBijzondereBeloningRij> delen[2][AantalInwonergroepen];
    for (query.First(); !query.Eof(); query.Next()) {
        const auto groep = query.AsInteger("InwonergroepLBTabel");
        if (groep >= 0 && groep < AantalInwonergroepen)
            delen[query.AsBoolean("WitteTabel") ? 0 : 1][groep].push_back(LeesBijzondereBeloning(query));
    }
    for (const bool wit : {true, false}) {
        const int plaatsen = wit ? WitteBijzondereBeloningRijen : GroeneBijzondereBeloningRijen;
        for (int groep = 0; groep < AantalInwonergroepen; ++groep) {
            const std::vector<TBijzondereBeloningRij>& rijen = delen[wit ? 0 : 1][groep];
            const int eerste = groep * BijzondereBeloningRijenPerGroep + (wit ? 0 : WitteBijzondereBeloningRijen);
            for (int i = 0; i < plaatsen; ++i) {
                // A part with fewer rows than places repeats its last row.
                const std::size_t bron = std::min<std::size_t>(static_cast<std::size_t>(i), rijen.size() - 1);
                bijzondereBeloningen_[eerste + i] = rijen.empty() ? TBijzondereBeloningRij{} : rijen[bron];
            }
        }
    }
}

void TFiscaal::LaadPremieloon(db::Query& query)
{
    query.First();
    for (std::size_t i = 0; i < premieloonMaxima_.size(); ++i)
        premieloonMaxima_[i] = query.AsDouble(PremieloonMaximaNamen[i]);
}

double TFiscaal::FactorGeenBon(int loontijdvak) const
{
    switch (GeldigLoontijdvak(loontijdvak)) {
    case ltKwartaal:
        return FactorKwartaalGeenBon();
    case ltMaand:
        return FactorMaandGeenBon();
    case lt4Weken:
        return Factor4WekenGeenBon();
    case ltWeek:
        return FactorWeekGeenBon();
    case ltDag:
        return FactorDagGeenBon();
    default:
        return 0;
    }
}

TMinimumloonRij TFiscaal::Minimumloon(int leeftijd) const
{
    const int index = std::clamp(leeftijd - EersteMinimumloonLeeftijd, 0, AantalMinimumloonRijen - 1);
    return minimumloon_[index];
}

bool TFiscaal::BijzondereBeloning(bool witteTabel, int inwonergroep, double jaarloon,
                                  TBijzondereBeloningRij& rij) const
{
    if (inwonergroep < 0 || inwonergroep >= AantalInwonergroepen)
        return false;
    const int eerste = inwonergroep * BijzondereBeloningRijenPerGroep + (witteTabel ? 0 : WitteBijzondereBeloningRijen);
    const int aantal = witteTabel ? WitteBijzondereBeloningRijen : GroeneBijzondereBeloningRijen;
    int gekozen = eerste;
    for (int i = eerste + aantal - 1; i >= eerste; --i) {
        if (bijzondereBeloningen_[i].Jaarloon <= jaarloon) {
            gekozen = i;
            break;
        }
    }
    rij = bijzondereBeloningen_[gekozen];
    return true;
}

} // namespace vkt
