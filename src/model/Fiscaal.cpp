#include "model/Fiscaal.h"

#include "common/Exception.h"
#include "common/Text.h"
#include "db/DatabaseError.h"
#include "db/Query.h"
#include "model/Enumeraties.h"

#include <algorithm>
#include <cmath>
#include <functional>
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

const char* const kSociaalFiscaal = "SociaalFiscaal";
const char* const kMinleef = "Minleef";
const char* const kBijzondereBeloningen = "TabelBijzondereBeloningen";
const char* const kLoontijdvakBedragen = "LoontijdvakBedragen";

// A figure of the constants database. A calculation with a figure that is
// missing, empty or not a finite number would give meaningless amounts
// without a word, so loading stops with a message naming table and column.
double Getal(const db::Query& query, const char* tabel, const std::string& kolom, const std::string& waar = {})
{
    const std::string plaats = "in de tabel " + std::string(tabel) + waar;
    if (!query.HasField(kolom))
        throw Exception("de tabel " + std::string(tabel) + " mist de kolom " + kolom);
    if (query.Eof())
        throw Exception("de tabel " + std::string(tabel) + " heeft geen rij" + waar);
    if (query.IsNull(kolom))
        throw Exception(plaats + " is de kolom " + kolom + " leeg");
    double waarde = 0;
    try {
        waarde = query.FieldByName(kolom).AsDouble();
    } catch (const db::DatabaseError& fout) {
        throw Exception(plaats + " is de kolom " + kolom + " onleesbaar: " + fout.what());
    }
    if (!std::isfinite(waarde))
        throw Exception(plaats + " is de kolom " + kolom + " geen eindig getal (" + ShortestNumber(waarde) + ")");
    return waarde;
}

// Runs a loader; an error of the engine names the table it was reading.
void Lees(const char* tabel, const std::function<void()>& lezen)
{
    try {
        lezen();
    } catch (const db::DatabaseError& fout) {
        throw Exception("in de tabel " + std::string(tabel) + ": " + fout.what());
    }
}

// The upper bounds, percentages and additions of one age group become the
// four rows of its bracket table; the last row is open-ended.
TSchijventabel LeesSchijven(const db::Query& query, const std::string& groep)
{
    auto getal = [&](const std::string& kolom, int k) {
        return Getal(query, kSociaalFiscaal, kolom + std::to_string(k) + groep);
    };
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

TBijzondereBeloningRij LeesBijzondereBeloning(const db::Query& query, const std::string& waar)
{
    TBijzondereBeloningRij rij;
    rij.Jaarloon = Getal(query, kBijzondereBeloningen, "Jaarloon", waar);
    for (const TBijzondereBeloningKolom& kolom : BijzondereBeloningKolommen)
        rij.*kolom.Veld = Getal(query, kBijzondereBeloningen, kolom.Naam, waar);
    return rij;
}

// Puts the query on its first row whose column has the value; past the end
// when there is none.
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
    Lees(kSociaalFiscaal, [&] {
        query.First();
        for (int i = 0; i < AantalFiscaleWaarden; ++i)
            waarden_[i] = Getal(query, kSociaalFiscaal, kWaardeNamen[i]);
        waarden_[fwFactorBerekenGrens] = std::round(waarden_[fwFactorBerekenGrens]);
        schijvenOnder65_ = LeesSchijven(query, "Onder65");
        schijvenBoven65_ = LeesSchijven(query, "Boven65");
        schijvenBoven65Geboren1946EnLater_ = LeesSchijven(query, "Boven65Geboren1946EnLater");
    });
}

void TFiscaal::LaadKortingen(db::Query& query)
{
    Lees(kSociaalFiscaal, [&] {
        for (int groep = 0; groep < AantalInwonergroepen; ++groep) {
            ZoekEersteRij(query, "InwonergroepLBTabel", groep);
            const std::string waar = " voor inwonergroep " + std::to_string(groep);
            for (int k = 0; k < AantalKortingen; ++k)
                kortingen_[groep][k] = Getal(query, kSociaalFiscaal, kKortingNamen[k], waar);
        }
    });
}

void TFiscaal::LaadMinimumloon(db::Query& query)
{
    Lees(kMinleef, [&] {
        // One row per age from 15 to 21; rows of other ages are ignored.
        std::array<bool, AantalMinimumloonRijen> gelezen{};
        for (query.First(); !query.Eof(); query.Next()) {
            const double leeftijd = Getal(query, kMinleef, "Leeftijd");
            const double plaats = leeftijd - EersteMinimumloonLeeftijd;
            if (plaats < 0 || plaats >= AantalMinimumloonRijen || plaats != std::floor(plaats))
                continue;
            const auto i = static_cast<std::size_t>(plaats);
            if (gelezen[i])
                continue;
            const std::string waar = " voor leeftijd " + std::to_string(static_cast<int>(leeftijd));
            minimumloon_[i] = TMinimumloonRij{Getal(query, kMinleef, "MinloonM", waar),
                                              Getal(query, kMinleef, "MinloonW", waar),
                                              Getal(query, kMinleef, "MinloonU", waar)};
            gelezen[i] = true;
        }
        for (std::size_t i = 0; i < gelezen.size(); ++i)
            if (!gelezen[i])
                throw Exception("de tabel " + std::string(kMinleef) + " heeft geen rij voor leeftijd " +
                                std::to_string(EersteMinimumloonLeeftijd + static_cast<int>(i)));
    });
}

void TFiscaal::LaadBijzondereTabellen(db::Query& query)
{
    // The rows of each part (white or green, resident group) in one pass; the
    // statement returns each part in ascending Jaarloon.
    std::vector<TBijzondereBeloningRij> delen[2][AantalInwonergroepen];
    Lees(kBijzondereBeloningen, [&] {
        for (query.First(); !query.Eof(); query.Next()) {
            const auto groep = query.AsInteger("InwonergroepLBTabel");
            const bool wit = query.AsBoolean("WitteTabel");
            const std::string waar = std::string(" voor de ") + (wit ? "witte" : "groene") +
                                     " tabel van inwonergroep " + std::to_string(groep);
            if (groep >= 0 && groep < AantalInwonergroepen)
                delen[wit ? 0 : 1][groep].push_back(LeesBijzondereBeloning(query, waar));
        }
    });
    for (const bool wit : {true, false}) {
        const int plaatsen = wit ? WitteBijzondereBeloningRijen : GroeneBijzondereBeloningRijen;
        for (int groep = 0; groep < AantalInwonergroepen; ++groep) {
            const std::vector<TBijzondereBeloningRij>& rijen = delen[wit ? 0 : 1][groep];
            if (rijen.empty())
                throw Exception(std::string("de tabel ") + kBijzondereBeloningen + " heeft geen rij voor de " +
                                (wit ? "witte" : "groene") + " tabel van inwonergroep " + std::to_string(groep));
            const int eerste = groep * BijzondereBeloningRijenPerGroep + (wit ? 0 : WitteBijzondereBeloningRijen);
            for (int i = 0; i < plaatsen; ++i) {
                // A part with fewer rows than places repeats its last row.
                const std::size_t bron = std::min<std::size_t>(static_cast<std::size_t>(i), rijen.size() - 1);
                bijzondereBeloningen_[eerste + i] = rijen[bron];
            }
        }
    }
}

void TFiscaal::LaadPremieloon(db::Query& query)
{
    Lees(kLoontijdvakBedragen, [&] {
        query.First();
        for (std::size_t i = 0; i < premieloonMaxima_.size(); ++i)
            premieloonMaxima_[i] = Getal(query, kLoontijdvakBedragen, PremieloonMaximaNamen[i]);
    });
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
