#include "calc/Berekening.h"

#include "calc/Centenzoeker.h"
#include "common/Meldingen.h"
#include "model/Afronding.h"
#include "model/DmConstanten.h"
#include "model/Enumeraties.h"
#include "model/Getallen.h"
#include "model/Kolomregels.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vkt {
namespace {

constexpr double kTolerantie = 0.009;      // under one cent
constexpr int kMaximumStappen = 300;       // 301 computations at most
constexpr int kVolleStappen = 15;          // then steps of a fortieth damp oscillation at bracket edges
constexpr double kDemping = 40;
constexpr long long kMaximumBrutoloon = MaximumBedragInCenten; // the largest amount the screen takes
const char* const kGeenOplossing = "Er is geen oplossing gevonden, de berekening is een goede benadering!";

// The kind of amount as a sentence names it: "een nettoloon", "werkgeverslasten".
std::string MetLidwoord(int soortLoonbedrag)
{
    const std::string soort = SoortLoonbedragLabel(soortLoonbedrag);
    return soortLoonbedrag == slWerkgeverslasten ? soort : "een " + soort;
}

// Why no gross wage gives the target: it lies below what a gross wage of 0
// gives, above what the largest gives, or the calculation gives no amount.
std::string OnbereikbaarMelding(int soortLoonbedrag, double doel, const TCentenzoeker::TUitkomst& uitkomst)
{
    const std::string soort = MetLidwoord(soortLoonbedrag);
    if (!uitkomst.Resultaat)
        return "Er is geen oplossing: de berekening geeft bij geen brutoloon " + soort + ".";
    return "Er is geen oplossing: geen brutoloon van 0,00 tot en met " + FormatBedrag(MaximumBedrag) + " geeft " +
           soort + " van " + FormatBedrag(doel) + ". Het dichtst erbij komt een brutoloon van " +
           FormatBedrag(static_cast<double>(uitkomst.Brutoloon) / 100) + " met " + soort + " van " +
           FormatBedrag(static_cast<double>(*uitkomst.Resultaat) / 100) + ".";
}

} // namespace

bool IsArtiestSoort(int werknemersoort)
{
    return werknemersoort == wsBinnenlandseArtiest || werknemersoort == wsBuitenlandseArtiest;
}

TBerekening::TBerekening()
    : zoeker_(
          [this](long long bruto) {
              ZetBrutoloon(static_cast<double>(bruto) / 100);
              BerekenEenmaal();
              return BedragInCenten(BereiktBedrag());
          },
          kMaximumBrutoloon)
{
}

THeffingsgegevens& TBerekening::Rekenobject(const TBerekeningInvoer& invoer)
{
    const int p = invoer.SoortBerekening;
    auto maak = [this](int klasse, auto nieuw) -> THeffingsgegevens& {
        std::unique_ptr<THeffingsgegevens>& object = objecten_[klasse];
        if (!object)
            object = nieuw();
        return *object;
    };
    if (p == spBijzonderLoon)
        return maak(2, [] { return std::make_unique<TBijzondereHeffingsgegevens>(); });
    if (invoer.Loontijdvak == ltDag || p == spBinnenlandseArtiest || p == spBuitenlandseArtiest ||
        p == spVrijeBerekeningArtiest)
        return maak(1, [] { return std::make_unique<TEenmaligeHeffingsgegevens>(); });
    return maak(0, [] { return std::make_unique<TVasteHeffingsgegevens>(); });
}

bool TBerekening::Run(const TVasteHeffingsgegevens* vast, const TBerekeningInvoer& invoer, TdmConstanten& constanten,
                      TMeldingen& meldingen)
{
    constanten.Berekeningsdatum = invoer.BerekeningDatum;
    if (!ZetInvoer(vast, invoer, constanten.GetConstanten()))
        return false;
    Bereken(meldingen);
    return true;
}

bool TBerekening::ZetInvoer(const TVasteHeffingsgegevens* vast, const TBerekeningInvoer& invoer,
                            const TQuelvarConst& constanten)
{
    invoer_ = invoer;
    rapportLijst_.clear();
    aantalBerekeningen_ = 0;
    exact_ = false;
    onbereikbaar_ = false;
    bereik_.reset();
    heffingsgegevens_ = nullptr;
    if (vast == nullptr)
        return false;

    heffingsgegevens_ = &Rekenobject(invoer);
    THeffingsgegevens& o = *heffingsgegevens_;
    o.Assign(*vast);
    o.SetBerekeningsDatum(invoer.BerekeningDatum);
    o.SetConstanten(&constanten);
    VulHeffingsgegevens(o, invoer);
    ZetActief();
    VoegSocialeFondsenToe();
    TCustomKolom& kolom0 = o.Kolommen().Kolom(0);
    if (kolom0.Count() >= 3)
        if (auto* wao = Als<TWAOPremieVastKolomRegel>(&kolom0.GetRegel(2)))
            wao->Percentage = invoer.WGWaoVastPercentage;
    return true;
}

void TBerekening::BerekenBij(double brutoloon)
{
    ZetBrutoloon(brutoloon);
    BerekenEenmaal();
}

void TBerekening::BerekenBedrag(double loonbedrag, TMeldingen& meldingen)
{
    invoer_.Loonbedrag = loonbedrag;
    aantalBerekeningen_ = 0;
    exact_ = false;
    onbereikbaar_ = false;
    bereik_.reset();
    Bereken(meldingen);
}

void TBerekening::VulHeffingsgegevens(THeffingsgegevens& t, const TBerekeningInvoer& invoer)
{
    const int p = invoer.SoortBerekening;
    if (p == spBinnenlandseArtiest || p == spVrijeBerekeningArtiest)
        t.Werknemersoort = wsBinnenlandseArtiest;
    else if (p == spBuitenlandseArtiest)
        t.Werknemersoort = wsBuitenlandseArtiest;
    else
        t.Werknemersoort = wsWerknemer;
    t.SetVrijeBerekening(p == spVrijeBerekeningWerknemers);
    if (p == spVrijeBerekeningWerknemers || p == spVrijeBerekeningArtiest)
        t.SetVastPercentageLoonheffing(invoer.LoonheffingVrij);
    else if (p == spBinnenlandseArtiest || p == spBuitenlandseArtiest)
        t.SetVastPercentageLoonheffing(invoer.ArtiestLoonheffing);
    else
        t.SetVastPercentageLoonheffing(0);
    // Special rewards and free employee calculations count no insured days.
    // The flag is set both ways: the levy data it was copied from may have
    // been filled for another kind.
    const bool zonderSVDagen = p == spBijzonderLoon || p == spVrijeBerekeningWerknemers;
    t.SetZonderSVDagen(zonderSVDagen);
    if (zonderSVDagen) {
        t.SetSVDagen(0);
    } else {
        t.SetSVDagen(invoer.LoondagenVoorDagtabel);
        t.SetDagTabelDagen(invoer.LoondagenVoorDagtabel);
    }
    t.Loontijdvak = invoer.Loontijdvak == 0 ? StandaardLoontijdvak : invoer.Loontijdvak;
    t.Deeltijdpercentage = invoer.Deeltijdpercentage;
    t.VerzekerdZfw = invoer.VerzekerdZfw && invoer.ZfwIngeschakeld;
    t.VerzekerdWW = invoer.VerzekerdWW;
    t.VerzekerdWAO = invoer.VerzekerdWAO;
    t.Tabelkleur = invoer.Tabelkleur;
    t.LoonbelastingtabelVoorInwoner = invoer.LoonbelastingtabelVoorInwoner;
    t.Geboortedatum = invoer.Geboortedatum;
    t.CodeLoonheffingskorting = invoer.ToepLoonheffing;
    t.PercentageVakantiegeld = invoer.PercentageVakantiegeld;
    if (auto* bijzonder = dynamic_cast<TBijzondereHeffingsgegevens*>(&t))
        bijzonder->JaarloonVorigJaar = invoer.JaarloonLBPH;
    if (auto* eenmalig = dynamic_cast<TEenmaligeHeffingsgegevens*>(&t))
        eenmalig->SetDagTabelToepassen(invoer.LoondagenVoorDagtabel > 1 || p == spBuitenlandseArtiest ||
                                       p == spVrijeBerekeningWerknemers || p == spVrijeBerekeningArtiest);
    if (IsArtiestSoort(t.Werknemersoort)) {
        t.ArtiestAftrekDatum = invoer.BerekeningDatum;
        if (invoer.ArtiestAftrekBPType == bpdBedrag) {
            t.ArtiestAftrekBPType = bpdBedrag;
            t.ArtiestAftrekBedrag = invoer.ArtiestAftrekBedrag;
        } else if (invoer.ArtiestAftrekBPType == bpdPercentage) {
            t.ArtiestAftrekBPType = bpdPercentage;
            t.ArtiestAftrekPercentage = invoer.ArtiestAftrekPercentage;
        }
    }
    t.InclusiefVakantie = invoer.LoonInclVakantie;
    t.SetIPzonderDeeltijd(invoer.IPzonderDeeltijd);
    t.SFDeeltijd = invoer.SFDeeltijd;
}

void TBerekening::ZetActief()
{
    THeffingsgegevens& o = *heffingsgegevens_;
    const TActieveWerkgeversdelen& a = invoer_.Actief;
    const int p = invoer_.SoortBerekening;
    const bool artiest = IsArtiestSoort(o.Werknemersoort);
    const bool artiestVerzekerd = artiest && o.VerzekerdWW && o.VerzekerdWAO;
    TKolommen& kolommen = o.Kolommen();
    for (int k = 0; k < kolommen.Count(); ++k) {
        TBaseKolom& kolom = kolommen.Item(k);
        for (int r = 0; r < kolom.Count(); ++r) {
            TBaseKolomRegel& regel = kolom.GetRegel(r);
            switch (regel.Regeltype) {
            case rtNatura: regel.Actief = p != spBijzonderLoon; break;
            case rtLevensloopWG: regel.Actief = a.Levensloop; break;
            case rtPensioenPremieWN:
            case rtVUTFPUPremieWN:
            case rtIPPremieWN: regel.Actief = !artiest; break;
            case rtPensioenPremieWG: regel.Actief = a.Pensioen; break;
            case rtVUTFPUPremieWG: regel.Actief = a.VUTFPU; break;
            case rtIPPremieWG: regel.Actief = a.IP; break;
            case rtLoonLBPH: regel.Actief = true; break;
            case rtZfwPremieWN: regel.Actief = invoer_.VerzekerdZfw; break;
            case rtZfwPremieWG: regel.Actief = a.Zvw; break;
            case rtWWPremieWG: regel.Actief = (a.WW && o.VerzekerdWW) || artiestVerzekerd; break;
            // The employer pays the AWf of one premium type; the other line
            // would show a premium nobody pays.
            case rtWWPremieAwfLaag:
            case rtWWPremieAwfHoog:
                regel.Actief = ((a.WW && o.VerzekerdWW) || artiestVerzekerd) &&
                               o.AwfPremieType == (regel.Regeltype == rtWWPremieAwfLaag ? AwfPremieLaag : AwfPremieHoog);
                break;
            case rtWAOPremie:
            case rtWAOPremieVast: regel.Actief = (a.WAO && o.VerzekerdWAO) || artiestVerzekerd; break;
            case rtWhkPremie:
            case rtWhkVerhalingOpWerknemer: regel.Actief = a.Whk || artiest; break;
            case rtVergoedingInhouding: regel.Actief = !artiest && p != spBijzonderLoon; break;
            default: break;
            }
        }
    }
}

void TBerekening::VoegSocialeFondsenToe()
{
    for (const TSociaalFondsWaarden& fonds : invoer_.SocialeFondsen) {
        if (!fonds.Getoond)
            continue;
        VoegFondsRegelToe(fonds, false);
        VoegFondsRegelToe(fonds, true);
    }
}

void TBerekening::VoegFondsRegelToe(const TSociaalFondsWaarden& fonds, bool werkgever)
{
    const int n = werkgever ? fonds.WGBoekenInKolom : fonds.WNBoekenInKolom;
    TCustomKolom& kolom = heffingsgegevens_->Kolommen().Kolom(std::abs(n));
    TBaseKolomRegel& regel = kolom.GetRegel(kolom.AddRegel(werkgever ? rtSociaalFondsWG : rtSociaalFondsWN));
    auto& f = *Als<TCustomSociaalFonds>(&regel);
    f.BPDType = fonds.BPDType == bpdBedrag ? bpdBedrag : bpdPercentage;
    f.GrondslagKolom = werkgever ? fonds.GrondslagnummerWG : fonds.GrondslagnummerWN;
    f.Percentage = werkgever ? fonds.PremieWG : fonds.PremieWN;
    // A fund booked as an amount computes with its amount.
    f.Bedrag = werkgever ? fonds.BedragWG : fonds.BedragWN;
    f.AfwijkendeGrondslagFormule = werkgever ? fonds.AfwijkendeGrondslagWG : fonds.AfwijkendeGrondslagWN;
    f.GrondslagActief = werkgever ? fonds.AfwijkendeGrondslagWerkgever : fonds.AfwijkendeGrondslagWerknemer;
    f.JaarGrens = werkgever ? fonds.JaargrensWG : fonds.JaargrensWN;
    f.Franchise = werkgever ? fonds.FranchiseWG : fonds.FranchiseWN;
    f.Fondsnummer = fonds.Fondsnummer;
    f.Kolomnummer = n;
    f.Omschrijving = fonds.Omschrijving;
    f.Nieuw = true;
    f.Actief = true;
    f.Status = rsOpgeslagen;
    rapportLijst_.emplace_back(std::to_string(n) + (werkgever ? "WG" : ""), &regel);
}

// The gross wage as the gross-wage line holds it, not rounded to cents: the
// damped steps of the search are often smaller than half a cent and would
// otherwise be lost, leaving the search where it was.
double TBerekening::Brutoloon() const { return heffingsgegevens_->Kolommen().Kolom(3).GetBrutoloon(); }

void TBerekening::ZetBrutoloon(double bedrag) { heffingsgegevens_->Kolommen().SetBrutoloon(bedrag); }

void TBerekening::BerekenEenmaal()
{
    heffingsgegevens_->Bereken();
    ++aantalBerekeningen_;
}

double TBerekening::Kolom(int nummer) const { return heffingsgegevens_->Kolommen().GetKolom(nummer).Totaal; }

// Free calculations always use their percentage, even 0; artists only a
// percentage of their own.
bool TBerekening::MetVastPercentage() const
{
    const int p = invoer_.SoortBerekening;
    return p == spVrijeBerekeningWerknemers || p == spVrijeBerekeningArtiest ||
           ((p == spBinnenlandseArtiest || p == spBuitenlandseArtiest) && invoer_.ArtiestLoonheffing != 0);
}

double TBerekening::VastPercentage() const
{
    const int p = invoer_.SoortBerekening;
    if (p == spVrijeBerekeningWerknemers || p == spVrijeBerekeningArtiest)
        return invoer_.LoonheffingVrij;
    if (p == spBinnenlandseArtiest || p == spBuitenlandseArtiest)
        return invoer_.ArtiestLoonheffing;
    return 0;
}

// A fixed-percentage tax is rounded to cents like every other amount, so the
// statement's lines add up to its net wage.
double TBerekening::Loonheffing() const
{
    return MetVastPercentage() ? RondAfOpCenten(Kolom(14) * VastPercentage() / 100) : Kolom(15);
}

double TBerekening::Nettoloon() const
{
    return MetVastPercentage() ? Kolom(19) + Kolom(15) - Loonheffing() : Kolom(19);
}

double TBerekening::BereiktBedrag() const
{
    switch (invoer_.SoortLoonbedrag) {
    case slSociaalLoon: return Kolom(8);
    case slLoonheffingsloon: return Kolom(14);
    case slZvwLoon: return Kolom(12);
    case slWerkgeverslasten: return Werkgeverslasten();
    default: return Nettoloon();
    }
}

void TBerekening::Bereken(TMeldingen& meldingen)
{
    ZetBrutoloon(invoer_.Loonbedrag);
    const int s = invoer_.SoortLoonbedrag;
    if (s == slBrutoloon) {
        BerekenEenmaal();
        return;
    }
    if (s < slSociaalLoon || s > slZvwLoon)
        return;
    const std::optional<long long> doel = BedragInCenten(invoer_.Loonbedrag);
    if (!doel) {
        onbereikbaar_ = true;
        meldingen.ToonFoutmelding("Loonbedrag is ongeldig of niet ingevuld.");
        return;
    }
    Benader(invoer_.Loonbedrag);
    // Settle on a gross wage in whole cents whose result, in cents, is the
    // target; the approximation ends between cents, or not at all when the
    // result moves much slower or faster than the gross wage.
    zoeker_.Begin(*doel);
    const TCentenzoeker::TUitkomst uitkomst = zoeker_.Zoek(BedragInCenten(Brutoloon()).value_or(0));
    exact_ = uitkomst.Exact;
    if (exact_)
        return;
    // A target the result jumps over from one cent of gross wage to the next
    // is approximated as closely as whole cents allow; any other is out of reach.
    if (uitkomst.Benadering) {
        meldingen.ToonMelding(kGeenOplossing);
        return;
    }
    onbereikbaar_ = true;
    meldingen.ToonFoutmelding(OnbereikbaarMelding(s, invoer_.Loonbedrag, uitkomst));
}

std::optional<TBrutoloonBereik> TBerekening::BrutoloonBereik()
{
    if (exact_ && !bereik_) {
        // An exact hit has a gross wage and a target within the search's range.
        const long long laag = BedragInCenten(Brutoloon()).value_or(0);
        const int aantal = aantalBerekeningen_;
        zoeker_.Begin(BedragInCenten(invoer_.Loonbedrag).value_or(0));
        const TCentenzoeker::TBandeinde einde = zoeker_.Bovenkant(laag);
        bereik_ = TBrutoloonBereik{laag, einde.Hoog, einde.Afgebroken};
        aantalBerekeningen_ = aantal;
    }
    return bereik_;
}

// The approximation: the first steps move the gross wage by the whole
// difference, later ones by a fortieth of it, which damps oscillation around
// the table steps of the wage tax. The gross wage stays within what can be
// paid; the approximation stops when it can no longer move.
void TBerekening::Benader(double doel)
{
    const double maximum = static_cast<double>(kMaximumBrutoloon) / 100;
    double verschil = 0;
    int i = 0;
    do {
        const double bruto = Brutoloon();
        verschil = doel - BereiktBedrag();
        if (!std::isfinite(verschil))
            break; // a result that is no number gives no direction
        const double stap = i < kVolleStappen ? verschil : verschil / kDemping;
        const double nieuwBruto = std::clamp(bruto + stap, 0.0, maximum);
        if (nieuwBruto == bruto && i > 1)
            break;
        ZetBrutoloon(nieuwBruto);
        BerekenEenmaal();
        ++i;
    } while (i <= kMaximumStappen && (std::fabs(verschil) >= kTolerantie || i <= 1));
}

TWerkgeversdeel TBerekening::Werkgeversdeel() const
{
    TWerkgeversdeel deel;
    if (!heffingsgegevens_)
        return deel;
    THeffingsgegevens& o = *heffingsgegevens_;
    TKolommen& k = o.Kolommen(); // the life-course line computes its amount when asked
    const TActieveWerkgeversdelen& a = invoer_.Actief;
    const bool artiest = IsArtiestSoort(o.Werknemersoort);
    deel.Vakantiegeld = RondAfOpCenten(k.GetBrutoloon() * o.PercentageVakantiegeld / 100);
    if (!artiest || a.WW) {
        deel.AwfLaag = k.GetAwfPremieLaag();
        deel.AwfHoog = k.GetAwfPremieHoog();
    }
    deel.VUTFPU = k.GetVUTFPUPremieWG();
    deel.Pensioen = k.GetPensioenPremieWG();
    deel.IP = k.GetIPPremieWG();
    if (!artiest || a.WAO)
        deel.WAO = k.GetWAOPremie();
    if (!artiest || a.Whk) {
        deel.Whk = k.GetWhkPremie();
        deel.WhkVerhaling = k.GetWhkVerhaling();
    }
    deel.Levensloop = k.GetLevensloopWG();
    deel.Zvw = k.GetZvwPremieWG();
    for (const char* sleutel : {"3WG", "4WG", "7WG", "16WG", "17WG", "18WG", "0WG"})
        for (const auto& [fondsSleutel, regel] : rapportLijst_)
            if (fondsSleutel == sleutel && regel->ResultaatBedrag != 0 &&
                (fondsSleutel != "18WG" || regel->ResultaatBedrag > 0))
                deel.Fondsen += regel->ResultaatBedrag;
    deel.Fondsen = RondAfOpCenten(deel.Fondsen);
    return deel;
}

double TBerekening::Werkgeverslasten() const
{
    if (!heffingsgegevens_)
        return 0;
    const TKolommen& k = heffingsgegevens_->Kolommen();
    const TWerkgeversdeel d = Werkgeversdeel();
    const double loon = k.GetBrutoloon() + k.GetHogereZvw() + k.GetLoonLBPH() + k.GetVergoedingen() +
                        k.GetLoonInNatura();
    const double premies = d.Vakantiegeld + d.AwfLaag + d.AwfHoog + d.VUTFPU + d.Pensioen + d.IP + d.WAO + d.Whk -
                           d.WhkVerhaling + d.Levensloop + d.Zvw + d.Fondsen;
    // A sum of cent amounts; rounded once more so that binary noise cannot show.
    return RondAfOpCenten(loon + premies);
}

} // namespace vkt
