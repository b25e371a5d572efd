#include "calc/OpenenBerekening.h"

#include "calc/Berekening.h"
#include "calc/Getalvelden.h"
#include "calc/Veldregels.h"
#include "model/DmConstanten.h"
#include "model/Kolomregels.h"
#include "model/QuelvarException.h"
#include "store/DmVektaris.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace vkt {
namespace {

// The employer's Zvw rate, or the most recent rate of the constants
// database when the employer has none.
void ZetZvwPercentages(THeffingsgegevens& t, const db::Record& werkgever, TdmConstanten& constanten)
{
    db::Query& percentages = constanten.qryPercentages;
    percentages.Close();
    percentages.Param("IngDat").SetDateTime(EncodeDate(9999, 12, 31));
    percentages.Open();
    auto rate = [&](const char* kolom) {
        const double eigen = werkgever.AsDouble(kolom);
        return eigen != 0 || percentages.Eof() ? eigen : percentages.AsDouble(kolom);
    };
    t.PremieZfwWG = rate("PremieZfwWG");
    t.PremieZfwWN = rate("PremieZfwWN");
    percentages.Close();
}

// The stored lines of the employee, or of nobody when there is no levy record.
void LaadRegels(TVasteHeffingsgegevens& vast, TdmVektaris& werknemers, int werknemersnummer)
{
    db::Query& regels = werknemers.qryVastHefReg;
    const bool geen = vast.GeenHeffingsrecord || werknemersnummer < 1;
    regels.Close();
    regels.Param("WGNummer").SetInteger(geen ? -1 : werknemers.Werkgeversnummer);
    regels.Param("WNNummer").SetInteger(geen ? -1 : werknemersnummer);
    regels.Param("Ingangsdatum").SetDateTime(TdmVektaris::Hersteldatum());
    regels.Param("Hersteldatum").SetDateTime(TdmVektaris::Hersteldatum());
    regels.Open();
    if (regels.Eof())
        vast.MaakStandaardRegels(werknemers.qrySystemLC, werknemers.qryWG);
    else
        vast.Kolommen().LaadRegels(werknemers.qrySystemLC, regels);
    regels.Close();
}

// The deviating-basis formulas of an employee without a levy record, which
// the levy query cannot bring along.
void LaadGrondslagen(TVasteHeffingsgegevens& vast, TdmVektaris& werknemers, int werknemersnummer)
{
    werknemers.OpenGrondslagWN(werknemers.Werkgeversnummer, werknemersnummer);
    vast.LaadFormules(werknemers.qryGrondslagWN);
    werknemers.qryGrondslagWN.Close();
}

std::unique_ptr<TVasteHeffingsgegevens> Laad(TdmVektaris& werknemers, TdmConstanten& constanten,
                                             const TBerekeningInvoer& invoer, int werknemersnummer)
{
    auto vast = std::make_unique<TVasteHeffingsgegevens>();
    const TDateTime datum = TdmConstanten::BeginBerekeningsdatum(Today());
    vast->SetBerekeningsDatum(datum);
    constanten.Berekeningsdatum = datum;
    vast->SetConstanten(&constanten.GetConstanten());

    const db::Record& werkgever = werknemers.qryWG;
    vast->PercentageVakantiegeld = werkgever.AsDouble("PercentageVakantiegeld");
    ZetZvwPercentages(*vast, werkgever, constanten);
    vast->PremieWAOVast = werkgever.AsDouble("PremieWAOVast");
    vast->PremieWhk = werkgever.AsDouble("PremieWhk");
    vast->PremieAwfLaag = werkgever.AsDouble("PremieAwfLaag");
    vast->PremieAwfHoog = werkgever.AsDouble("PremieAwfHoog");

    db::Query& heffing = werknemers.qryVastHefGeg;
    const bool opgeslagen = werknemersnummer >= 1;
    vast->SetGeenHeffingsrecord(!opgeslagen || !heffing.Active() || heffing.RecordCount() == 0);
    if (opgeslagen) {
        vast->LaadWerknemer(werknemers.qryWNvkt);
        vast->LaadOfStandaard(heffing);
    } else {
        vast->ZetStandaardwaarden();
    }
    if (vast->GeenHeffingsrecord && opgeslagen)
        LaadGrondslagen(*vast, werknemers, werknemersnummer);
    TBerekening::VulHeffingsgegevens(*vast, invoer);
    LaadRegels(*vast, werknemers, werknemersnummer);
    SetWAOPremieRegel(*vast);
    return vast;
}

bool MetHeffingsrecord(const TdmVektaris& werknemers)
{
    const db::Query& heffing = werknemers.qryVastHefGeg;
    return heffing.Active() && heffing.RecordCount() > 0;
}

// The numbers of the settings, each as wide as its field; a text such as
// 'NaN' in one of them reads as a number too.
constexpr const TGetalveld* kInstellingen[] = {&kVeldLoonbedrag,  &kVeldDeeltijdfactor,     &kVeldVakantiegeld,
                                               &kVeldJaarloon,    &kVeldLoonheffing,        &kVeldArtiestLoonheffing,
                                               &kVeldArtiestAftrek};
constexpr const TGetalveld* kRegelgetallen[] = {&kVeldRegelBedrag, &kVeldRegelPercentage, &kVeldRegelFranchise};

// The codes of the settings with the lists they choose from (the kind of
// calculation and of the wage amount have checks of their own).
struct TKeuzeveld {
    const char* Kolom;
    std::int64_t Van;
    std::int64_t Tot;
};
constexpr TKeuzeveld kKeuzes[] = {{"Loontijdvak", ltKwartaal, ltDag},
                                  {"Tabelkleur", tkWit, tkGroen},
                                  {"LoonbelastingtabelVoorInwoner", igNederland, AantalInwonergroepen - 1}};

const char* const kOpgeslagenRegels = "SELECT * FROM Heffingsregels WHERE Werkgeversnummer = :WGNummer AND "
                                      "Werknemersnummer = :WNNummer";

std::string BuitenLijst(const std::string& kolom, const std::string& waarde)
{
    return "Het veld " + kolom + " van de opgeslagen berekening bevat een keuze die niet in de lijst staat (" +
           waarde + ").";
}

// The first field of the row that holds a number that is not finite.
std::optional<std::string> NietEindigVeld(const db::Query& rij)
{
    for (const std::string& naam : rij.FieldNames()) {
        const db::Value* waarde = rij.FindField(naam);
        const bool getal = waarde != nullptr && (waarde->Type() == db::FieldType::Double ||
                                                 waarde->Type() == db::FieldType::DateTime);
        if (getal && !std::isfinite(waarde->AsDouble()))
            return OngeldigOpgeslagenGetal({"", naam.c_str(), 0, 0}, waarde->AsDouble());
    }
    return std::nullopt;
}

// The first number of the row that its field cannot hold.
std::optional<std::string> TeBreed(const db::Query& rij, const TGetalveld* const* velden, std::size_t aantal)
{
    for (std::size_t i = 0; i < aantal; ++i)
        if (!velden[i]->EigenControle && !rij.IsNull(velden[i]->Kolom) &&
            !PastInVeld(rij.AsDouble(velden[i]->Kolom), *velden[i]))
            return OngeldigOpgeslagenGetal(*velden[i], rij.AsDouble(velden[i]->Kolom));
    return std::nullopt;
}

std::optional<std::string> BuitenKeuzelijst(const db::Query& berekening, const db::Query* heffing)
{
    for (const TKeuzeveld& keuze : kKeuzes) {
        if (berekening.IsNull(keuze.Kolom))
            continue;
        const std::int64_t code = berekening.AsInteger(keuze.Kolom);
        if (code < keuze.Van || code > keuze.Tot)
            return BuitenLijst(keuze.Kolom, std::to_string(code));
    }
    if (heffing != nullptr && !heffing->IsNull("AwfPremieType")) {
        const std::string awf = heffing->AsText("AwfPremieType");
        if (awf != AwfPremieLaag && awf != AwfPremieHoog)
            return BuitenLijst("AwfPremieType", awf);
    }
    return std::nullopt;
}

} // namespace

std::unique_ptr<TVasteHeffingsgegevens> LaadVasteHeffingsgegevens(TdmVektaris& werknemers, TdmConstanten& constanten,
                                                                  const TBerekeningInvoer& invoer)
{
    return Laad(werknemers, constanten, invoer, werknemers.Werknemersnummer);
}

std::unique_ptr<TVasteHeffingsgegevens> LaadNieuweHeffingsgegevens(TdmVektaris& werknemers, TdmConstanten& constanten,
                                                                   const TBerekeningInvoer& invoer)
{
    return Laad(werknemers, constanten, invoer, -1);
}

TBaseKolomRegel* WAOVastRegel(const THeffingsgegevens& heffing)
{
    const TCustomKolom& kolom = heffing.Kolommen().Kolom(0);
    for (int i = 0; i < kolom.Count(); ++i)
        if (kolom.GetRegel(i).Regeltype == rtWAOPremieVast)
            return &kolom.GetRegel(i);
    return nullptr;
}

TBaseKolomRegel* SetWAOPremieRegel(TVasteHeffingsgegevens& vast)
{
    try {
        TBaseKolomRegel* regel = WAOVastRegel(vast);
        if (auto* bpd = Als<TCustomBPDKolomRegel>(regel))
            bpd->Percentage = vast.GeenWAOVastPremie() ? 0 : vast.PremieWAOVast;
        return regel;
    } catch (const std::exception& error) {
        throw EQuelvarException(std::string("frmMain.SetWAOPremieRegel: ") + error.what());
    }
}

TBerekeningInvoer InvoerVanOpgeslagenBerekening(TdmVektaris& werknemers)
{
    const db::Query& r = werknemers.qryWNvkt;
    auto getal = [&](const char* kolom, double leeg) { return r.IsNull(kolom) ? leeg : r.AsDouble(kolom); };
    auto geheel = [&](const char* kolom, std::int64_t leeg) { return r.IsNull(kolom) ? leeg : r.AsInteger(kolom); };
    // The value when it is one of the list's codes, else the list's "no choice".
    auto keuze = [&](const char* kolom, std::int64_t leeg, std::int64_t van, std::int64_t tot, int geen) {
        const std::int64_t code = geheel(kolom, leeg);
        return code >= van && code <= tot ? static_cast<int>(code) : geen;
    };
    auto vlag = [&](const char* kolom) { return !r.IsNull(kolom) && r.AsBoolean(kolom); };

    TBerekeningInvoer invoer;
    invoer.Werknemer = r.AsText("Naam");
    const std::int64_t soort = geheel("WerknemerSoort", sbWerknemer);
    const auto positie = std::find(SoortBerekeningVolgorde.begin(), SoortBerekeningVolgorde.end(), soort);
    invoer.SoortBerekening =
        positie == SoortBerekeningVolgorde.end() ? -1 : static_cast<int>(positie - SoortBerekeningVolgorde.begin());
    invoer.Loontijdvak = keuze("Loontijdvak", 0, ltKwartaal, ltDag, 0);
    invoer.SoortLoonbedrag = keuze("SoortLoonbedrag", slBrutoloon, slBrutoloon, slZvwLoon, -1);
    invoer.Loonbedrag = getal("Vastloon", 0);
    // No date stays no date: the date's check refuses it, as it refuses an empty field.
    invoer.BerekeningDatum = r.IsNull("BerekeningsDatum") ? 0 : r.AsDateTime("BerekeningsDatum");
    invoer.Geboortedatum = r.IsNull("Geboortedatum") ? 0 : r.AsDateTime("Geboortedatum");
    invoer.Deeltijdpercentage = getal("Deeltijdpercentage", 100);
    invoer.Tabelkleur = keuze("Tabelkleur", tkWit, tkWit, tkGroen, tkWit);
    invoer.LoonbelastingtabelVoorInwoner =
        keuze("LoonbelastingtabelVoorInwoner", igNederland, igNederland, AantalInwonergroepen - 1, igNederland);
    invoer.ToepLoonheffing = vlag("CodeLoonheffingskorting");
    invoer.VerzekerdZfw = vlag("VerzekerdZfw");
    invoer.VerzekerdWW = vlag("VerzekerdWW");
    invoer.VerzekerdWAO = vlag("VerzekerdWAO");
    invoer.PercentageVakantiegeld = getal("PercentageVakantiegeld", 0);
    invoer.JaarloonLBPH = getal("JaarloonVorigJaar", 0);
    invoer.LoonheffingVrij = getal("PercentageLoonheffing", 0);
    invoer.ArtiestLoonheffing = getal("ArtiestLoonheffing", 0);
    // The artist's reimbursement is shown as the stored amount.
    invoer.ArtiestAftrekBPType = bpdBedrag;
    invoer.ArtiestAftrekBedrag = getal("ArtiestAftrekBedrag", 0);
    invoer.LoonInclVakantie = vlag("InclusiefVakantie");
    invoer.IPzonderDeeltijd = vlag("IPzonderDeeltijd");
    invoer.SFDeeltijd = vlag("SFDeeltijd");
    invoer.Actief = {vlag("ActiefPensioen"), vlag("ActiefVUTFPU"), vlag("ActiefIP"),  vlag("ActiefZvw"),
                     vlag("ActiefWW"),       vlag("ActiefWAO"),    vlag("ActiefWhk"), vlag("ActiefLevensloop")};
    invoer.WGLastenTonen = vlag("WGLastenTonen");
    // Without a levy record the window shows the wage days of a month.
    const db::Query& heffing = werknemers.qryVastHefGeg;
    invoer.LoondagenVoorDagtabel = MetHeffingsrecord(werknemers) && !heffing.IsNull("DagTabelDagen")
                                       ? heffing.AsDouble("DagTabelDagen")
                                       : StandaardSVDagen(ltMaand);
    PasRegelsToeNaLaden(invoer);
    return invoer;
}

std::optional<std::string> OngeldigeOpgeslagenWaarde(TdmVektaris& werknemers)
{
    const db::Query& berekening = werknemers.qryWNvkt;
    const db::Query* heffing = MetHeffingsrecord(werknemers) ? &werknemers.qryVastHefGeg : nullptr;
    std::optional<std::string> fout = NietEindigVeld(berekening);
    if (!fout && heffing != nullptr)
        fout = NietEindigVeld(*heffing);
    if (!fout)
        fout = TeBreed(berekening, kInstellingen, std::size(kInstellingen));
    if (!fout && heffing != nullptr)
        fout = TeBreed(*heffing, std::array{&kVeldLoondagen}.data(), 1);
    if (!fout)
        fout = BuitenKeuzelijst(berekening, heffing);
    if (!fout) {
        db::Query regels(werknemers.adbQuelvar, kOpgeslagenRegels);
        regels.Param("WGNummer").SetInteger(werknemers.Werkgeversnummer);
        regels.Param("WNNummer").SetInteger(werknemers.Werknemersnummer);
        regels.Open();
        for (regels.First(); !fout && !regels.Eof(); regels.Next()) {
            fout = NietEindigVeld(regels);
            if (!fout)
                fout = TeBreed(regels, kRegelgetallen, std::size(kRegelgetallen));
        }
    }
    return fout;
}

} // namespace vkt
