#include "model/Kolommen.h"

#include "db/Connection.h"
#include "db/Query.h"
#include "model/Afronding.h"
#include "model/Kolomregels.h"

#include <cstdint>
#include <cstdlib>

namespace vkt {
namespace {

const char* const kInsert =
    "INSERT INTO HEFFINGSREGELS (  Werkgeversnummer, Werknemersnummer, Heffingstype, Ingangsdatum,  Hersteldatum, "
    "Kolomnummer,  Regeltype, Looncomponentnummer, Fondsnummer,  TbvVakantieGeld, TbvSocialeFondsen,  Bedrag, Uren, "
    "Percentage, BPDType, KolomType, GrondslagKolom,  Franchise, JaarGrens, Deelname, Vergoeding, ResultaatBedrag,  "
    "AfwijkendeGrondslag, GrondslagActief )  VALUES (:Werkgeversnummer, :Werknemersnummer, :Heffingstype, "
    ":Ingangsdatum, :Hersteldatum, :Kolomnummer, \r\n"
    ":RegelType, :Looncomponentnummer, :Fondsnummer, :TbvVakantieGeld, :TbvSociaalFonds, \r\n"
    ":Bedrag, :Uren, :Percentage, :BPDType, :KolomType, :GrondslagKolom, :Franchise, :JaarGrens, :Deelname, "
    ":Vergoeding, :ResultaatBedrag, \r\n"
    ":AfwijkendeGrondslag, :GrondslagActief) ";

const char* const kUpdate =
    "UPDATE HEFFINGSREGELS\r\n"
    " SET Regeltype = :Regeltype, Fondsnummer = :Fondsnummer, TbvVakantiegeld = :TbvVakantiegeld, "
    "TbvSocialeFondsen = :TbvSociaalFonds, Uren = :Uren, Bedrag = :Bedrag, Percentage = :Percentage, "
    "BPDType = :BPDType, KolomType = :KolomType, GrondslagKolom = :GrondslagKolom, Franchise = :Franchise, "
    "JaarGrens = :JaarGrens, Deelname = :Deelname, Vergoeding = :Vergoeding, ResultaatBedrag = :ResultaatBedrag, "
    "AfwijkendeGrondslag = :AfwijkendeGrondslag, GrondslagActief = :GrondslagActief \r\n"
    "WHERE Werkgeversnummer = :Werkgeversnummer AND Werknemersnummer = :Werknemersnummer AND Heffingstype = "
    ":Heffingstype AND Ingangsdatum = :Ingangsdatum AND Hersteldatum = :Hersteldatum AND Kolomnummer = :Kolomnummer "
    "AND Looncomponentnummer = :Looncomponentnummer";

const char* const kDelete =
    "DELETE FROM HEFFINGSREGELS WHERE Werkgeversnummer = :Werkgeversnummer AND Werknemersnummer = :Werknemersnummer "
    "AND Heffingstype = 0 AND Ingangsdatum = :Ingangsdatum AND Hersteldatum = :Hersteldatum AND Kolomnummer = "
    ":Kolomnummer AND Looncomponentnummer = :Looncomponentnummer";

// The values of one line for the INSERT and UPDATE statements; a value the
// line's class does not have is written as 0, false or empty.
void ZetRegelParameters(db::Query& statement, const TBaseKolomRegel& regel)
{
    const auto* bedrag = Als<TCustomBedragKolomRegel>(&regel);
    const auto* bpd = Als<TCustomBPDKolomRegel>(&regel);
    const auto* premie = Als<TCustomPremieKolomRegel>(&regel);
    const auto* fonds = Als<TCustomSociaalFonds>(&regel);
    const auto* vergoeding = Als<TVergoedingInhoudingKolomRegel>(&regel);
    auto getalOfNul = [](bool heeft, double waarde) {
        return heeft ? db::Value::Double(waarde) : db::Value::Integer(0);
    };

    statement.Param("Kolomnummer").SetInteger(regel.Kolomnummer);
    statement.Param("RegelType").SetInteger(regel.Regeltype);
    statement.Param("Looncomponentnummer").SetInteger(regel.Looncomponentnummer);
    statement.Param("Fondsnummer").SetInteger(fonds != nullptr ? fonds->Fondsnummer : 0);
    statement.Param("TbvVakantiegeld").SetBoolean(regel.TbvVakantiegeld);
    statement.Param("TbvSociaalFonds").SetBoolean(regel.TbvSocialeFondsen);
    statement.Param("Bedrag").SetValue(getalOfNul(bedrag != nullptr, bedrag != nullptr ? bedrag->Bedrag : 0));
    statement.Param("Uren").SetInteger(0);
    statement.Param("Percentage").SetValue(getalOfNul(bpd != nullptr, bpd != nullptr ? bpd->Percentage : 0));
    statement.Param("BPDType").SetInteger(bpd != nullptr ? bpd->BPDType : 0);
    statement.Param("KolomType").SetInteger(bpd != nullptr ? bpd->KolomType : 0);
    statement.Param("GrondslagKolom").SetInteger(bpd != nullptr ? bpd->GrondslagKolom : 0);
    statement.Param("Franchise").SetValue(getalOfNul(premie != nullptr, premie != nullptr ? premie->Franchise : 0));
    statement.Param("JaarGrens").SetValue(getalOfNul(fonds != nullptr, fonds != nullptr ? fonds->JaarGrens : 0));
    statement.Param("Deelname").SetInteger(fonds != nullptr ? fonds->Deelname : 0);
    statement.Param("Vergoeding").SetBoolean(vergoeding != nullptr && vergoeding->Vergoeding);
    statement.Param("ResultaatBedrag").SetDouble(regel.ResultaatBedrag);
    statement.Param("AfwijkendeGrondslag").SetText(fonds != nullptr ? fonds->AfwijkendeGrondslagFormule : "");
    statement.Param("GrondslagActief").SetBoolean(fonds != nullptr && fonds->GrondslagActief);
}

// Copies a line of another set into a new line r of the same type.
void KopieerRegel(const TBaseKolomRegel& p, TBaseKolomRegel& r)
{
    r.Status = rsNieuw;
    r.Kolomnummer = p.Kolomnummer;
    r.Looncomponentnummer = p.Looncomponentnummer;
    r.Fondsnummer = p.Fondsnummer;
    r.Rekeningnummer = p.Rekeningnummer;
    r.Debet = p.Debet;
    r.Tegenrekening = p.Tegenrekening;
    r.TbvSocialeFondsen = p.TbvSocialeFondsen;
    r.TbvVakantiegeld = p.TbvVakantiegeld;
    r.ResultaatBedrag = p.ResultaatBedrag;
    auto* bedrag = Als<TCustomBedragKolomRegel>(&r);
    const auto* bronBedrag = Als<TCustomBedragKolomRegel>(&p);
    if (bedrag != nullptr && bronBedrag != nullptr)
        bedrag->Bedrag = bronBedrag->Bedrag;
    auto* bpd = Als<TCustomBPDKolomRegel>(&r);
    const auto* bronBpd = Als<TCustomBPDKolomRegel>(&p);
    if (bpd != nullptr && bronBpd != nullptr) {
        bpd->BPDType = bronBpd->BPDType;
        bpd->KolomType = bronBpd->KolomType;
        bpd->Percentage = bronBpd->Percentage;
        bpd->GrondslagKolom = bronBpd->GrondslagKolom;
    }
    auto* premie = Als<TCustomPremieKolomRegel>(&r);
    const auto* bronPremie = Als<TCustomPremieKolomRegel>(&p);
    if (premie != nullptr && bronPremie != nullptr)
        premie->Franchise = bronPremie->Franchise;
    auto* fonds = Als<TCustomSociaalFonds>(&r);
    const auto* bronFonds = Als<TCustomSociaalFonds>(&p);
    auto* vergoeding = Als<TVergoedingInhoudingKolomRegel>(&r);
    const auto* bronVergoeding = Als<TVergoedingInhoudingKolomRegel>(&p);
    if (fonds != nullptr && bronFonds != nullptr) {
        fonds->JaarGrens = bronFonds->JaarGrens;
        fonds->Deelname = bronFonds->Deelname;
        fonds->GrondslagActief = bronFonds->GrondslagActief;
        fonds->AfwijkendeGrondslagFormule = bronFonds->AfwijkendeGrondslagFormule;
    } else if (vergoeding != nullptr && bronVergoeding != nullptr) {
        vergoeding->Vergoeding = bronVergoeding->Vergoeding;
    }
}

} // namespace

TKolommen::TKolommen(TBaseHeffingen* heffingsgegevens) : TBaseKolommen(heffingsgegevens)
{
    Append(std::make_unique<TKolom0>(this));
    Append(std::make_unique<TKolom3>(this));
    Append(std::make_unique<TKolom4>(this));
    Append(std::make_unique<TKolom5>(this));
    Append(std::make_unique<TKolom7>(this));
    Append(std::make_unique<TKolom8>(this));
    Append(std::make_unique<TKolom12>(this));
    Append(std::make_unique<TKolom13>(this));
    Append(std::make_unique<TKolom14>(this));
    Append(std::make_unique<TKolom15>(this));
    Append(std::make_unique<TKolom16>(this));
    Append(std::make_unique<TKolom17>(this));
    Append(std::make_unique<TKolom18>(this));
    Append(std::make_unique<TKolom19>(this));
}

TCustomKolom& TKolommen::Kolom(int kolomnummer) const { return static_cast<TCustomKolom&>(GetKolom(kolomnummer)); }

double TKolommen::GetBijtellingAuto() const { return RondAfOpCenten(Kolom(4).ResultaatVan<TBijtellingAutoKolomRegel>()); }
double TKolommen::GetBijdrageAuto() const { return RondAfOpCenten(Kolom(4).ResultaatVan<TBijdrageAutoKolomRegel>()); }
double TKolommen::GetBijtellingFiets() const { return RondAfOpCenten(Kolom(4).ResultaatVan<TBijtellingFietsKolomRegel>()); }
double TKolommen::GetBijdrageFiets() const { return RondAfOpCenten(Kolom(4).ResultaatVan<TBijdrageFietsKolomRegel>()); }

double TKolommen::GetVergoedingReiskosten() const
{
    return RondAfOpCenten(Kolom(18).ResultaatVan<TVergoedingReiskostenKolomRegel>());
}

double TKolommen::GetVergoedingen() const
{
    return RondAfOpCenten(Kolom(18).SomVan<TCustomVergoedingInhoudingKolomRegel>(
        [](const TCustomVergoedingInhoudingKolomRegel& regel) { return regel.Vergoeding; }));
}

double TKolommen::GetInhoudingen() const
{
    return RondAfOpCenten(Kolom(18).SomVan<TCustomVergoedingInhoudingKolomRegel>(
        [](const TCustomVergoedingInhoudingKolomRegel& regel) { return !regel.Vergoeding; }));
}

double TKolommen::GetWhkVerhaling() const
{
    return RondAfOpCenten(Kolom(18).ResultaatVan<TWhkVerhalingOpWerknemerKolomRegel>());
}

double TKolommen::GetWhkPremie() const { return RondAfOpCenten(Kolom(0).ResultaatVan<TWhkPremieKolomRegel>()); }
double TKolommen::GetBrutoloon() const { return brutoloonAfronding_(Kolom(3).GetBrutoloon()); }
double TKolommen::GetPensioenPremieWN() const { return RondAfOpCenten(Kolom(7).ResultaatVan<TPensioenPremieWNKolomRegel>()); }
double TKolommen::GetPensioenPremieWG() const { return RondAfOpCenten(Kolom(7).ResultaatVan<TPensioenPremieWGKolomRegel>()); }
double TKolommen::GetIPPremieWN() const { return RondAfOpCenten(Kolom(7).ResultaatVan<TIPPremieWNKolomRegel>()); }
double TKolommen::GetIPPremieWG() const { return RondAfOpCenten(Kolom(7).ResultaatVan<TIPPremieWGKolomRegel>()); }
double TKolommen::GetVUTFPUPremieWN() const { return RondAfOpCenten(Kolom(7).ResultaatVan<TVUTFPUPremieWNKolomRegel>()); }
double TKolommen::GetVUTFPUPremieWG() const { return RondAfOpCenten(Kolom(7).ResultaatVan<TVUTFPUPremieWGKolomRegel>()); }
double TKolommen::GetZvwPremieWG() const { return RondAfOpCenten(Kolom(0).ResultaatVan<TZfwPremieWGKolomRegel>()); }
double TKolommen::GetLoonInNatura() const { return RondAfOpCenten(Kolom(4).ResultaatVan<TNaturaKolomRegel>()); }

namespace {
template <typename T>
double BerekenEerste(const TCustomKolom& kolom)
{
    T* regel = kolom.EersteRegel<T>();
    return regel != nullptr ? RondAfOpCenten(regel->Bereken()) : 0;
}
} // namespace

double TKolommen::GetLevensloopWG() { return BerekenEerste<TLevensloopWGKolomRegel>(Kolom(0)); }
double TKolommen::GetLevensloopWN() { return BerekenEerste<TLevensloopWNKolomRegel>(Kolom(3)); }
double TKolommen::GetOpnameLevensloop() { return BerekenEerste<TOpnameLevensloopKolomRegel>(Kolom(3)); }
double TKolommen::GetHogereZvw() const { return RondAfOpCenten(Kolom(3).ResultaatVan<THogereZvwKolomRegel>()); }

double TKolommen::GetWAOPremie() const
{
    return RondAfOpCenten(Kolom(0).SomVan<TWAOPremieKolomRegel>([](const auto&) { return true; }));
}

double TKolommen::GetLoonTbvVakantiegeld() const
{
    return Kolom(3).GetTotaalTbvVakantiegeld() + Kolom(4).GetTotaalTbvVakantiegeld() +
           Kolom(5).GetTotaalTbvVakantiegeld();
}

void TKolommen::SetBrutoloon(double bedrag)
{
    const TCustomKolom& kolom = Kolom(3);
    for (int i = 0; i < kolom.Count(); ++i)
        if (auto* regel = Als<TCustomBedragKolomRegel>(&kolom.GetRegel(i)); regel && regel->Regeltype == rtBrutoloon)
            regel->Bedrag = bedrag;
}

void TKolommen::BerekenKolommen()
{
    for (int i = 0; i < Count(); ++i)
        Item(i).Bereken();
}

double TKolommen::GetSocialeFondsenKolom12() const
{
    return RondAfOpCenten(Kolom(12).SomVan<TCustomSociaalFonds>([](const auto&) { return true; }));
}

double TKolommen::GetOverigKolom13() const
{
    return RondAfOpCenten(Kolom(13).SomVan<TBaseKolomRegel>([](const TBaseKolomRegel& regel) {
        return !IsVan<TZfwPremieWNKolomRegel>(regel) && !IsVan<TZfwPremieWGKolomRegel>(regel);
    }));
}

double TKolommen::GetSocialeFondsenKolom14() const
{
    return RondAfOpCenten(Kolom(14).SomVan<TCustomSociaalFonds>([](const auto&) { return true; }));
}

double TKolommen::Aftrek() const { return Heffingsgegevens->Aftrek(); }
double TKolommen::VastPercentageLoonheffing() const { return Heffingsgegevens->VastPercentageLoonheffing(); }

double TKolommen::GetKolomTotaalTbvSocialeFondsen(int kolomnummer) const
{
    return RondAfOpCenten(GetKolom(kolomnummer).GetTotaalTbvSocialeFondsen());
}

double TKolommen::Loonheffing() { return Heffingsgegevens->Loonheffing(); }

double TKolommen::GetAwfPremieLaag() const
{
    if (Heffingsgegevens->AwfPremieType != AwfPremieLaag)
        return 0;
    return RondAfOpCenten(Kolom(0).ResultaatVan<TWWPremieAwfLaagKolomRegel>());
}

double TKolommen::GetAwfPremieHoog() const
{
    if (Heffingsgegevens->AwfPremieType != AwfPremieHoog)
        return 0;
    return RondAfOpCenten(Kolom(0).ResultaatVan<TWWPremieAwfHoogKolomRegel>());
}

double TKolommen::GetWAOPremieVast() const { return RondAfOpCenten(Kolom(0).ResultaatVan<TWAOPremieVastKolomRegel>()); }
double TKolommen::GetZvwPremieWN() const { return RondAfOpCenten(Kolom(16).ResultaatVan<TZfwPremieWNKolomRegel>()); }
double TKolommen::GetLoonLBPH() const { return RondAfOpCenten(Kolom(12).ResultaatVan<TLoonLBPHKolomRegel>()); }

void TKolommen::LaadRegels(db::Query& lcRecords, db::Query& regelRecords)
{
    const bool verzekerdWW = Heffingsgegevens->VerzekerdWW;
    const bool verzekerdWAO = Heffingsgegevens->VerzekerdWAO;
    for (regelRecords.First(); !regelRecords.Eof(); regelRecords.Next()) {
        // A social-fund line keeps its negative column number; it lives in
        // the column of the absolute number.
        const int kolomnummer = std::abs(static_cast<int>(regelRecords.AsInteger("Kolomnummer")));
        const int regeltype = static_cast<int>(regelRecords.AsInteger("Regeltype"));
        TCustomKolom& kolom = Kolom(kolomnummer);
        TBaseKolomRegel& regel = kolom.GetRegel(kolom.AddRegel(regeltype));
        regel.LoadFromDataSet(regelRecords);
        regel.Status = Heffingsgegevens->GeenHeffingsrecord ? rsNieuw : rsOpgeslagen;

        if (regeltype == rtWAOPremieVast && verzekerdWAO)
            static_cast<TCustomBPDKolomRegel&>(regel).Percentage =
                Heffingsgegevens->GeenWAOVastPremie() ? 0 : Heffingsgegevens->PremieWAOVast;

        if ((regeltype == rtWWPremieAwfLaag || regeltype == rtWWPremieAwfHoog) && verzekerdWW) {
            for (lcRecords.First(); !lcRecords.Eof(); lcRecords.Next()) {
                if (lcRecords.AsInteger("RegeltypeLC") != regeltype)
                    continue;
                auto& premie = static_cast<TCustomPremieKolomRegel&>(regel);
                premie.Omschrijving = lcRecords.AsText("OmschrijvingLC");
                premie.Looncomponentnummer = static_cast<int>(lcRecords.AsInteger("LooncomponentnummerLC"));
                premie.Status = rsOpgeslagen;
                premie.Nieuw = false;
                premie.Franchise = 0;
                break;
            }
        }
    }
}

bool TKolommen::SlaRegelsOp(db::Connection& connection, TDateTime ingangsdatum, TDateTime hersteldatum)
{
    db::Query statement(connection);
    const int werkgeversnummer = Heffingsgegevens->Werkgeversnummer;
    const int werknemersnummer = Heffingsgegevens->Werknemersnummer;
    for (int k = 0; k < Count(); ++k) {
        const TBaseKolom& kolom = Item(k);
        for (int i = 0; i < kolom.Count(); ++i) {
            TBaseKolomRegel& regel = kolom.GetRegel(i);
            // Fund lines are written only when every line is new.
            if (IsVan<TCustomSociaalFonds>(regel))
                regel.Status = rsNietOpslaan;
            const int status = regel.GetEffectieveStatus();
            if (status == rsNietOpslaan || (status == rsVerwijderd && regel.Nieuw))
                continue;
            statement.SetSQL(status == rsVerwijderd ? kDelete : (status == rsNieuw ? kInsert : kUpdate));
            statement.Param("Werkgeversnummer").SetInteger(werkgeversnummer);
            statement.Param("Werknemersnummer").SetInteger(werknemersnummer);
            statement.Param("Ingangsdatum").SetDateTime(status == rsVerwijderd ? EncodeDate(9999, 12, 31) : ingangsdatum);
            statement.Param("Hersteldatum").SetDateTime(hersteldatum);
            statement.Param("Kolomnummer").SetInteger(regel.Kolomnummer);
            statement.Param("Looncomponentnummer").SetInteger(regel.Looncomponentnummer);
            if (status != rsVerwijderd) {
                statement.Param("Heffingstype").SetInteger(Heffingsgegevens->Soort());
                ZetRegelParameters(statement, regel);
            }
            statement.ExecSQL();
        }
    }
    return true;
}

TBaseKolomRegel* TKolommen::ZoekRegel(int regeltype, int looncomponentnummer) const
{
    for (int k = 0; k < Count(); ++k)
        for (int r = 0; r < Item(k).Count(); ++r) {
            TBaseKolomRegel& regel = Item(k).GetRegel(r);
            if (regel.Regeltype == regeltype &&
                (looncomponentnummer == 0 || regel.Looncomponentnummer == looncomponentnummer))
                return &regel;
        }
    return nullptr;
}

namespace {

// The line among the first aantal lines of the column with that wage component.
TBaseKolomRegel* MetLooncomponent(const TBaseKolom& kolom, int aantal, int looncomponentnummer)
{
    for (int j = 0; j < aantal; ++j)
        if (kolom.GetRegel(j).Looncomponentnummer == looncomponentnummer)
            return &kolom.GetRegel(j);
    return nullptr;
}

// Adds the amounts of line p into q, a line of the same wage component.
void TelOp(const TBaseKolomRegel& p, TBaseKolomRegel& q)
{
    q.Status = rsOpgeslagen;
    q.ResultaatBedrag += p.ResultaatBedrag;
    auto* bedrag = Als<TCustomBedragKolomRegel>(&q);
    const auto* bronBedrag = Als<TCustomBedragKolomRegel>(&p);
    if (bedrag != nullptr && bronBedrag != nullptr)
        bedrag->Bedrag += bronBedrag->Bedrag;
}

// Makes r, a used line of p's type, what a new line of that type is after
// KopieerRegel: the copy takes neither the description nor the marks for a
// new and an active line, and sets every other value a run changes.
void KopieerInGebruikteRegel(const TBaseKolomRegel& p, TBaseKolomRegel& r)
{
    r.Omschrijving.clear();
    r.Nieuw = false;
    r.Actief = true;
    KopieerRegel(p, r);
}

} // namespace

void TKolommen::VoegKolommenToe(const TKolommen& bron)
{
    for (int k = 0; k < Count(); ++k) {
        TCustomKolom& kolom = static_cast<TCustomKolom&>(Item(k));
        const TBaseKolom& bronKolom = bron.GetKolom(kolom.Kolomnummer);
        kolom.Totaal += bronKolom.Totaal;
        for (int i = 0; i < bronKolom.Count(); ++i) {
            const TBaseKolomRegel& p = bronKolom.GetRegel(i);
            if (TBaseKolomRegel* q = MetLooncomponent(kolom, kolom.Count(), p.Looncomponentnummer))
                TelOp(p, *q);
            else
                KopieerRegel(p, kolom.GetRegel(kolom.AddRegel(p.Regeltype)));
        }
    }
}

void TKolommen::NeemOver(const TKolommen& bron)
{
    for (int k = 0; k < Count(); ++k) {
        TBaseKolom& kolom = Item(k);
        const TBaseKolom& bronKolom = bron.GetKolom(kolom.Kolomnummer);
        kolom.Totaal = 0.0 + bronKolom.Totaal; // as an emptied column adds it: never a negative zero
        int aantal = 0;
        // The wage components below 64 taken so far: a component not among
        // them needs no search for a line to add into.
        std::uint64_t genomen = 0;
        for (int i = 0; i < bronKolom.Count(); ++i) {
            const TBaseKolomRegel& p = bronKolom.GetRegel(i);
            const int component = p.Looncomponentnummer;
            const bool klein = component >= 0 && component < 64;
            const std::uint64_t bit = klein ? std::uint64_t{1} << component : 0;
            if (!klein || (genomen & bit) != 0) {
                if (TBaseKolomRegel* q = MetLooncomponent(kolom, aantal, component)) {
                    TelOp(p, *q);
                    continue;
                }
            }
            genomen |= bit;
            // A line type always makes a line of the same class, whose own
            // type is that type again: equal types mean equal classes.
            if (aantal < kolom.Count() && kolom.GetRegel(aantal).Regeltype == p.Regeltype) {
                KopieerInGebruikteRegel(p, kolom.GetRegel(aantal));
            } else {
                auto regel = MaakKolomRegel(p.Regeltype, &kolom);
                KopieerRegel(p, *regel);
                kolom.Plaats(aantal, std::move(regel));
            }
            ++aantal;
        }
        kolom.KortIn(aantal);
    }
}

void TKolommen::MaakLeeg()
{
    for (int k = 0; k < Count(); ++k)
        Item(k).Clear();
}

} // namespace vkt
