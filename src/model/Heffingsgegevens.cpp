#include "model/Heffingsgegevens.h"

#include "db/Query.h"
#include "db/Record.h"
#include "model/Formule.h"
#include "model/Kolom.h"
#include "model/Kolomregels.h"
#include "model/Symbolen.h"

#include <cmath>
#include <string>
#include <utility>

namespace vkt {
namespace {

// The net wage counts as stable once two successive passes differ by no more
// than this; the passes stop after MaximaalAantalBerekeningen in any case.
constexpr double NettoloonTolerantie = 0.001;
constexpr int MaximaalAantalBerekeningen = 15;
// A line whose class has no deviating-basis formula answers this basis.
constexpr double GeenAfwijkendeGrondslag = -99999;

// The nine formulas with the suffix of their stored columns "Formule..." and
// "Ingeschakeld...", in the order in which they are loaded.
struct TFormuleKolom {
    const char* Formule;
    const char* Ingeschakeld;
    std::string THeffingsgegevens::*Veld;
};
const TFormuleKolom FormuleKolommen[] = {
    {"FormulePensioen", "IngeschakeldPensioen", &THeffingsgegevens::FormulePensioen},
    {"FormuleVUTFPU", "IngeschakeldVUTFPU", &THeffingsgegevens::FormuleVUTFPU},
    {"FormuleBelVrijVergoeding", "IngeschakeldBelVrijVergoeding", &THeffingsgegevens::FormuleBelVrijVergoeding},
    {"FormuleBelVrijInhouding", "IngeschakeldBelVrijInhouding", &THeffingsgegevens::FormuleBelVrijInhouding},
    {"FormuleWW", "IngeschakeldWW", &THeffingsgegevens::FormuleWW},
    {"FormuleWAO", "IngeschakeldWAO", &THeffingsgegevens::FormuleWAO},
    {"FormuleWhk", "IngeschakeldWhk", &THeffingsgegevens::FormuleWhk},
    {"FormuleZfw", "IngeschakeldZfw", &THeffingsgegevens::FormuleZfw},
    {"FormuleIP", "IngeschakeldIP", &THeffingsgegevens::FormuleIP},
};

// Keeps a column set registered for the formula symbols while it lives, so
// that an evaluation error cannot leave it registered.
class TRegistratie {
public:
    explicit TRegistratie(const TKolommen* kolommen) { RegistreerKolommen(kolommen); }
    ~TRegistratie() { RegistreerKolommen(nullptr); }
    TRegistratie(const TRegistratie&) = delete;
    TRegistratie& operator=(const TRegistratie&) = delete;
};


} // namespace

THeffingsgegevens::THeffingsgegevens() : kolommen_(std::make_unique<TKolommen>(this)) {}

THeffingsgegevens::~THeffingsgegevens()
{
    kolommen_.reset();
    Constanten = nullptr; // not owned
}

int THeffingsgegevens::Soort() const { return 0; }

double THeffingsgegevens::DagTabelFactor(int loontijdvak) const
{
    if (loontijdvak == ltDag && DagTabelToepassen && DagTabelDagen != 0)
        return DagTabelDagen;
    return 1;
}

double THeffingsgegevens::KortingsDagFactor() const { return 1; }

bool THeffingsgegevens::GeenWAOVastPremie() const { return false; }

void THeffingsgegevens::Bereken()
{
    // The table tax of one pass serves the next only within this call.
    struct TPassen {
        THeffingsgegevens& h;
        explicit TPassen(THeffingsgegevens& heffingsgegevens) : h(heffingsgegevens)
        {
            h.passenLopen_ = true;
            h.vorigeTabelheffing_.Geldig = false;
        }
        ~TPassen()
        {
            h.passenLopen_ = false;
            h.vorigeTabelheffing_.Geldig = false;
        }
    } passen(*this);
    const TBaseKolom& nettoloon = Kolommen().GetKolom(19);
    Kolommen().BerekenKolommen();
    double vorige = -999999;
    double huidige = nettoloon.Totaal;
    int aantal = 1;
    // Lines that read later columns see the previous pass; repeat until the
    // net wage no longer moves.
    while (aantal < MaximaalAantalBerekeningen && std::fabs(vorige - huidige) > NettoloonTolerantie) {
        Kolommen().BerekenKolommen();
        vorige = huidige;
        huidige = nettoloon.Totaal;
        ++aantal;
    }
}

int THeffingsgegevens::TabelLoontijdvak() const { return Loontijdvak; }

const std::string* THeffingsgegevens::FormuleVoor(const TBaseKolomRegel& regel) const
{
    if (IsVan<TVUTFPUPremieWNKolomRegel>(regel) || IsVan<TVUTFPUPremieWGKolomRegel>(regel))
        return &FormuleVUTFPU;
    if (IsVan<TPensioenPremieWNKolomRegel>(regel) || IsVan<TPensioenPremieWGKolomRegel>(regel))
        return &FormulePensioen;
    if (const auto* vergoeding = Als<TVergoedingInhoudingKolomRegel>(&regel))
        return vergoeding->Vergoeding ? &FormuleBelVrijVergoeding : &FormuleBelVrijInhouding;
    if (IsVan<TWWPremieWGKolomRegel>(regel))
        return &FormuleWW;
    if (IsVan<TWAOPremieKolomRegel>(regel))
        return &FormuleWAO;
    if (IsVan<TWhkPremieKolomRegel>(regel) || IsVan<TWhkVerhalingOpWerknemerKolomRegel>(regel))
        return &FormuleWhk;
    if (IsVan<TZfwPremieWNKolomRegel>(regel) || IsVan<TZfwPremieWGKolomRegel>(regel))
        return &FormuleZfw;
    if (IsVan<TIPPremieWNKolomRegel>(regel) || IsVan<TIPPremieWGKolomRegel>(regel))
        return &FormuleIP;
    if (const auto* fonds = Als<TCustomSociaalFonds>(&regel))
        return &fonds->AfwijkendeGrondslagFormule;
    return nullptr;
}

double THeffingsgegevens::AfwijkendeGrondslag(const TBaseKolomRegel& regel) const
{
    const std::string* formule = FormuleVoor(regel);
    if (formule == nullptr)
        return GeenAfwijkendeGrondslag;
    TRegistratie registratie(&Kolommen());
    return CalculateExpression(*formule, SymbolenTabel(), true);
}

double THeffingsgegevens::VastPercentageLoonheffing() const { return FVastPercentageLoonheffing; }

double THeffingsgegevens::SVDagenFonds(const TBaseKolomRegel* regel) const
{
    // Artists and sportsmen pay their funds over a whole year of insured days.
    const bool fonds = regel != nullptr && (IsVan<TSociaalFondsWN>(*regel) || IsVan<TSociaalFondsWG>(*regel));
    return IsArtiest(Werknemersoort) && fonds ? SVDagenPerJaar : SVDagen;
}

bool THeffingsgegevens::HeeftAfwijkendeGrondslag(const TBaseKolomRegel& regel) const
{
    if (!IsVan<TCustomBPDKolomRegel>(regel))
        return false;
    // A social fund says itself whether its formula is switched on.
    if (const auto* fonds = Als<TCustomSociaalFonds>(&regel))
        return fonds->GrondslagActief;
    const std::string* formule = FormuleVoor(regel);
    return formule != nullptr && !formule->empty();
}

bool THeffingsgegevens::IsVerzekerd(const TBaseKolomRegel& regel) const
{
    if (IsVan<TCustomZfwPremieKolomRegel>(regel))
        return VerzekerdZfw;
    if (IsVan<TWWPremieWGKolomRegel>(regel))
        return VerzekerdWW;
    if (IsVan<TWAOPremieKolomRegel>(regel))
        return VerzekerdWAO;
    return true;
}

double THeffingsgegevens::VakantiegeldFactor() const
{
    return InclusiefVakantie ? 1 + PercentageVakantiegeld / 100 : 1;
}

bool THeffingsgegevens::LoonInclusiefVakantiegeld() const { return InclusiefVakantie; }

bool THeffingsgegevens::VrijeBerekening() const { return FVrijeBerekening; }

bool THeffingsgegevens::IPzonderDeeltijd() const { return FIPzonderDeeltijd; }

double THeffingsgegevens::SFDeeltijdDagen() const { return SFDeeltijd ? StandaardSVDagen(Loontijdvak) : -1; }

bool THeffingsgegevens::ZonderSVDagen() const { return FZonderSVDagen; }

// SVDagen and DagTabelToepassen are always set through their virtual setters,
// so that a special reward keeps its 0 insured days whatever is loaded.

void THeffingsgegevens::ZetStandaardwaarden()
{
    SetSVDagen(StandaardSVDagen(Loontijdvak));
    DagTabelDagen = 0;
    AwfPremieType = AwfPremieLaag;
}

void THeffingsgegevens::WisFormules()
{
    for (const TFormuleKolom& kolom : FormuleKolommen)
        (this->*kolom.Veld).clear();
}

void THeffingsgegevens::LaadIngeschakeldeFormules(const db::Record& record)
{
    // A formula longer than its column was not stored by this program; loading
    // fails with its column's name rather than compute with a basis nobody meant.
    for (const TFormuleKolom& kolom : FormuleKolommen) {
        if (record.AsBoolean(kolom.Ingeschakeld)) {
            std::string formule = record.AsText(kolom.Formule);
            ControleerFormuleLengte(kolom.Formule, formule);
            this->*kolom.Veld = std::move(formule);
        }
    }
}

void THeffingsgegevens::LaadHeffingsgegevens(const db::Record& record)
{
    SetSVDagen(record.AsDouble("SVDagen"));
    DagTabelDagen = record.AsDouble("DagTabelDagen");
    AwfPremieType = record.AsText("AwfPremieType");
    AfwijkendPercentageLBPH = record.AsBoolean("AfwijkendPercentageLBPH");
    PercentageLBPH = record.AsDouble("PercentageLBPH");
    WisFormules();
    // The formulas come from the left-joined GrondslagWN row, if there is one.
    if (!record.IsNull("GrondslagWN.Ingangsdatum"))
        LaadIngeschakeldeFormules(record);
}

void THeffingsgegevens::TelHeffingsgegevensOp(const db::Record& record)
{
    SetSVDagen(SVDagen + record.AsDouble("SVDagen"));
    DagTabelDagen += record.AsDouble("DagTabelDagen");
    WisFormules();
    if (!record.IsNull("GrondslagWN.Ingangsdatum"))
        LaadIngeschakeldeFormules(record);
}

void THeffingsgegevens::LaadOfStandaard(db::Query& records)
{
    if (records.RecordCount() > 0)
        LaadHeffingsgegevens(records);
    else
        ZetStandaardwaarden();
}

void THeffingsgegevens::LaadWerknemer(const db::Record& record)
{
    Werkgeversnummer = static_cast<int>(record.AsInteger("Werkgeversnummer"));
    Werknemersnummer = static_cast<int>(record.AsInteger("Werknemersnummer"));
    Sofinummer = record.AsText("Sofinummer");
    Werknemersoort = static_cast<int>(record.AsInteger("Werknemersoort"));
    Geboortedatum = record.AsDateTime("Geboortedatum");
    CodeLoonheffingskorting = record.AsBoolean("CodeLoonheffingskorting");
    // A pay period that was never chosen counts as a month.
    Loontijdvak = record.IsNull("Loontijdvak") ? StandaardLoontijdvak : static_cast<int>(record.AsInteger("Loontijdvak"));
    Tabelkleur = static_cast<int>(record.AsInteger("Tabelkleur"));
    LoonbelastingtabelVoorInwoner = static_cast<int>(record.AsInteger("LoonbelastingtabelVoorInwoner"));
    Vastloon = record.AsDouble("Vastloon");
    Deeltijdpercentage = record.AsDouble("Deeltijdpercentage");
    VerzekerdZfw = record.AsBoolean("VerzekerdZfw");
    VerzekerdWW = record.AsBoolean("VerzekerdWW");
    VerzekerdWAO = record.AsBoolean("VerzekerdWAO");
    JaarloonVorigJaar = record.AsDouble("JaarloonVorigJaar");
}

void THeffingsgegevens::LaadFormules(db::Query& records)
{
    WisFormules();
    if (!records.Eof())
        LaadIngeschakeldeFormules(records);
}

void THeffingsgegevens::MaakStandaardRegels(db::Query& componenten, const db::Record& werkgever)
{
    const bool metGrondslagKolom = componenten.HasField("GrondslagKolom");
    for (componenten.First(); !componenten.Eof(); componenten.Next()) {
        const int regeltype = static_cast<int>(componenten.AsInteger("RegeltypeLC"));
        TCustomKolom& kolom = Kolommen().Kolom(static_cast<int>(componenten.AsInteger("KolomnummerLC")));
        TBaseKolomRegel& regel = kolom.GetRegel(kolom.AddRegel(regeltype));
        regel.Omschrijving = componenten.AsText("OmschrijvingLC");
        regel.Looncomponentnummer = static_cast<int>(componenten.AsInteger("LooncomponentnummerLC"));
        regel.Status = rsNieuw;
        regel.Nieuw = true;
        regel.Debet = componenten.AsBoolean("DebetLC");
        regel.Rekeningnummer = static_cast<int>(componenten.AsInteger("RekeningnummerLC"));
        regel.Tegenrekening = static_cast<int>(componenten.AsInteger("TegenrekeningLC"));

        auto* bedrag = Als<TCustomBedragKolomRegel>(&regel);
        auto* bpd = Als<TCustomBPDKolomRegel>(&regel);
        auto* premie = Als<TCustomPremieKolomRegel>(&regel);
        if (bpd != nullptr && metGrondslagKolom)
            bpd->GrondslagKolom = static_cast<int>(componenten.AsInteger("GrondslagKolom"));
        // The employer's percentage of the premium the line type stands for.
        auto percentage = [&](const char* kolomnaam) {
            if (bpd != nullptr)
                bpd->Percentage = werkgever.AsDouble(kolomnaam);
        };
        switch (regeltype) {
        case rtBrutoloon:
            if (bedrag != nullptr)
                bedrag->Bedrag = Vastloon;
            break;
        // An employer without Zvw rates of its own gets the levy data's,
        // which the opening of a calculation took from the constants.
        case rtZfwPremieWN:
            percentage("PremieZfwWN");
            if (bpd != nullptr && bpd->Percentage == 0)
                bpd->Percentage = PremieZfwWN;
            break;
        case rtZfwPremieWG:
            percentage("PremieZfwWG");
            if (bpd != nullptr && bpd->Percentage == 0)
                bpd->Percentage = PremieZfwWG;
            break;
        case rtWWPremieAwfLaag:
        case rtWWPremieAwfHoog:
            percentage(regeltype == rtWWPremieAwfLaag ? "PremieAwfLaag" : "PremieAwfHoog");
            if (premie != nullptr)
                premie->Franchise = 0;
            break;
        case rtWAOPremieVast:
            if (GeenWAOVastPremie()) {
                if (bpd != nullptr)
                    bpd->Percentage = 0;
            } else {
                percentage("PremieWAOVast");
            }
            break;
        case rtWhkPremie:
            percentage("PremieWhk");
            break;
        case rtPensioenPremieWN:
            percentage("PensioenpremieWN");
            break;
        case rtPensioenPremieWG:
            percentage("PensioenpremieWG");
            break;
        case rtVUTFPUPremieWN:
            percentage("VUTFPUPremieWN");
            break;
        case rtVUTFPUPremieWG:
            percentage("VUTFPUPremieWG");
            break;
        case rtIPPremieWN:
            percentage("IPPremieWN");
            break;
        case rtIPPremieWG:
            percentage("IPPremieWG");
            break;
        case rtVergoedingInhouding:
            if (bpd != nullptr)
                bpd->BPDType = bpdBedrag;
            break;
        default:
            break;
        }
    }
}

void THeffingsgegevens::Assign(const THeffingsgegevens& bron)
{
    Werkgeversnummer = bron.Werkgeversnummer;
    Werknemersnummer = bron.Werknemersnummer;
    Werknemersoort = bron.Werknemersoort;
    Loontijdvak = bron.Loontijdvak;
    Deeltijdpercentage = bron.Deeltijdpercentage;
    VerzekerdZfw = bron.VerzekerdZfw;
    VerzekerdWW = bron.VerzekerdWW;
    VerzekerdWAO = bron.VerzekerdWAO;
    Tabelkleur = bron.Tabelkleur;
    LoonbelastingtabelVoorInwoner = bron.LoonbelastingtabelVoorInwoner;
    Geboortedatum = bron.Geboortedatum;
    CodeLoonheffingskorting = bron.CodeLoonheffingskorting;
    DagTabelDagen = bron.DagTabelDagen;
    SetSVDagen(bron.SVDagen);
    AwfPremieType = bron.AwfPremieType;
    for (const TFormuleKolom& kolom : FormuleKolommen)
        this->*kolom.Veld = bron.*kolom.Veld;
    ToegepasteArbeidskorting = bron.ToegepasteArbeidskorting;
    JaarloonVorigJaar = bron.JaarloonVorigJaar;
    ArtiestAftrekPercentage = bron.ArtiestAftrekPercentage;
    ArtiestAftrekDatum = bron.ArtiestAftrekDatum;
    ArtiestAftrekBPType = bron.ArtiestAftrekBPType;
    ArtiestAftrekBedrag = bron.ArtiestAftrekBedrag;
    PercentageVakantiegeld = bron.PercentageVakantiegeld;
    PremieZfwWG = bron.PremieZfwWG;
    PremieZfwWN = bron.PremieZfwWN;
    PremieWAOVast = bron.PremieWAOVast;
    PremieWhk = bron.PremieWhk;
    PremieAwfLaag = bron.PremieAwfLaag;
    PremieAwfHoog = bron.PremieAwfHoog;
    InclusiefVakantie = bron.InclusiefVakantie;
    FVrijeBerekening = bron.FVrijeBerekening;
    FVastPercentageLoonheffing = bron.FVastPercentageLoonheffing;
    FIPzonderDeeltijd = bron.FIPzonderDeeltijd;
    SFDeeltijd = bron.SFDeeltijd;
    FZonderSVDagen = bron.FZonderSVDagen;
    // Sofinummer, Vastloon, BerekeningsDatum, Constanten and GeenHeffingsrecord
    // stay the target's own; the caller sets the date and constants.
    if (&bron != this)
        Kolommen().NeemOver(bron.Kolommen());
}

// Calculations with a day table.

int TEenmaligeHeffingsgegevens::Soort() const { return 1; }

double TEenmaligeHeffingsgegevens::KortingsDagFactor() const
{
    return DagTabelToepassen ? DagTabelFactor(TabelLoontijdvak()) : 1;
}

int TEenmaligeHeffingsgegevens::TabelLoontijdvak() const { return DagTabelToepassen ? int{ltDag} : Loontijdvak; }

void TEenmaligeHeffingsgegevens::ZetStandaardwaarden()
{
    THeffingsgegevens::ZetStandaardwaarden();
    SetDagTabelToepassen(false);
}

void TEenmaligeHeffingsgegevens::LaadHeffingsgegevens(const db::Record& record)
{
    THeffingsgegevens::LaadHeffingsgegevens(record);
    SetDagTabelToepassen(GeenHeffingsrecord ? false : record.AsBoolean("DagTabelToepassen"));
}

void TEenmaligeHeffingsgegevens::Assign(const THeffingsgegevens& bron)
{
    THeffingsgegevens::Assign(bron);
    if (const auto* eenmalig = dynamic_cast<const TEenmaligeHeffingsgegevens*>(&bron))
        SetDagTabelToepassen(eenmalig->DagTabelToepassen);
}

void TEenmaligeHeffingsgegevens::TelHeffingsgegevensOp(const db::Record& record)
{
    THeffingsgegevens::TelHeffingsgegevensOp(record);
    SetDagTabelToepassen(record.AsBoolean("DagTabelToepassen"));
}

// Special rewards: no insured days of their own.

void TBijzondereHeffingsgegevens::SetSVDagen(double /*dagen*/) { SVDagen = 0; }

int TBijzondereHeffingsgegevens::Soort() const { return 2; }

double TBijzondereHeffingsgegevens::SVDagenFonds(const TBaseKolomRegel* regel) const
{
    return regel != nullptr && IsVan<TSociaalFondsWN>(*regel) ? SVDagenPerJaar : 0;
}

void TBijzondereHeffingsgegevens::ZetStandaardwaarden()
{
    THeffingsgegevens::ZetStandaardwaarden();
    SetSVDagen(0);
}

void TBijzondereHeffingsgegevens::LaadHeffingsgegevens(const db::Record& record)
{
    if (GeenHeffingsrecord)
        ZetStandaardwaarden();
    else
        THeffingsgegevens::LaadHeffingsgegevens(record);
    SetSVDagen(0);
}

void TBijzondereHeffingsgegevens::Assign(const THeffingsgegevens& bron)
{
    THeffingsgegevens::Assign(bron);
    if (const auto* bijzonder = dynamic_cast<const TBijzondereHeffingsgegevens*>(&bron)) {
        AfwijkendPercentageLBPH = bijzonder->AfwijkendPercentageLBPH;
        PercentageLBPH = bijzonder->PercentageBijzondereBeloning();
    }
}

} // namespace vkt
