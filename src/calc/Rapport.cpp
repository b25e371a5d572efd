#include "calc/Rapport.h"

#include "calc/Berekening.h"
#include "common/Text.h"
#include "model/Getallen.h"

#include <cmath>
#include <string>

namespace vkt {
namespace {

// How an amount line places its value: in which of the two columns
// ("Berekening", "Bruto/Netto") and with which sign in front.
enum TRegelSoort : int {
    rsBeide = 0,
    rsBerekening = 1,
    rsBrutoNetto = 2,
    rsBijBeide = 3,
    rsAfBeide = 4,
    rsBijBerekening = 5,
    rsAfBerekening = 6,
    rsBijBrutoNetto = 7,
    rsAfBrutoNetto = 8,
};

constexpr std::size_t kLabelbreedte = 49;
const std::string kKaderlijn = std::string(24, ' ') + std::string(38, '=');
const std::string kScheidingslijn = "   " + std::string(77, '-');
const std::string kLeeg14(14, ' ');

std::string F12(double x) { return FormatBedrag(x, 12); }

class TRapportSchrijver {
public:
    explicit TRapportSchrijver(TBerekening& berekening)
        : b_(berekening), o_(*berekening.Heffingsgegevens()), k_(o_.Kolommen()), invoer_(berekening.Invoer())
    {
    }

    std::vector<std::string> Schrijf()
    {
        Kop();
        Werknemersdeel();
        regels_.push_back(kScheidingslijn);
        if (invoer_.WGLastenTonen)
            Werkgeversdeel();
        return std::move(regels_);
    }

private:
    double Kolom(int nummer) const { return k_.GetKolom(nummer).Totaal; }

    void Bedragregel(const std::string& label, int soort, double waarde)
    {
        std::string regel = "   " + Utf8Left(label, kLabelbreedte);
        regel += std::string(kLabelbreedte - std::min(kLabelbreedte, Utf8Length(label)), ' ');
        if (soort >= rsBijBeide && waarde <= 0)
            waarde = std::fabs(waarde);
        if (soort == rsBerekening && waarde < 0) {
            soort = rsAfBerekening;
            waarde = std::fabs(waarde);
        }
        const std::string x = F12(waarde);
        switch (soort) {
        case rsBeide: regel += "  " + x + "  " + x; break;
        case rsBerekening: regel += "  " + x; break;
        case rsBrutoNetto: regel += kLeeg14 + "  " + x; break;
        case rsBijBeide: regel += " +" + x + " +" + x; break;
        case rsAfBeide: regel += " -" + x + " -" + x; break;
        case rsBijBerekening: regel += " +" + x; break;
        case rsAfBerekening: regel += " -" + x; break;
        case rsBijBrutoNetto: regel += kLeeg14 + " +" + x; break;
        case rsAfBrutoNetto: regel += kLeeg14 + " -" + x; break;
        default: break;
        }
        regels_.push_back(regel);
    }

    void AlsNietNul(const std::string& label, int soort, double waarde)
    {
        if (waarde != 0)
            Bedragregel(label, soort, waarde);
    }

    static int FondsSoort(int kolom)
    {
        switch (kolom) {
        case 0: return rsBerekening;
        case 3: return rsBijBeide;
        case 4: return rsBijBerekening;
        case 7:
        case -7: return rsAfBeide;
        case 16:
        case -17: return rsAfBrutoNetto;
        case 17:
        case 18: return rsBijBrutoNetto;
        default: return -1;
        }
    }

    // The fund lines booked under one key. When the same fund also has an
    // amount under another key, the label says which part this is.
    void Fondsregels(const std::string& sleutel)
    {
        const bool werkgeversdeel = sleutel.find("WG") != std::string::npos;
        std::string getal = sleutel;
        if (werkgeversdeel)
            getal.erase(getal.find("WG"), 2);
        const int soort = FondsSoort(std::stoi(getal));
        if (soort < 0)
            return;
        const TRapportLijst& lijst = b_.RapportLijst();
        for (const auto& [fondsSleutel, regel] : lijst) {
            if (fondsSleutel != sleutel || regel->ResultaatBedrag == 0)
                continue;
            std::string label = regel->Omschrijving;
            for (const auto& [andereSleutel, andere] : lijst)
                if (andereSleutel != sleutel && andere->Omschrijving == regel->Omschrijving &&
                    andere->ResultaatBedrag != 0) {
                    label = (werkgeversdeel ? "Werkg.deel " : "Werkn.deel ") + label;
                    break;
                }
            Bedragregel(label, soort, regel->ResultaatBedrag);
        }
    }

    void Fondsregels(std::initializer_list<const char*> sleutels)
    {
        for (const char* sleutel : sleutels)
            Fondsregels(sleutel);
    }

    void Kop()
    {
        regels_ = {kKaderlijn, "                         Zyrdo Vektaris-programma 2020", kKaderlijn, "", ""};
        regels_.push_back("   Model loonberekening voor: " + invoer_.Werknemer);
        regels_.push_back("   Soort berekening         : " + SoortBerekeningPositieLabel(invoer_.SoortBerekening));
        if (o_.Werknemersoort == wsWerknemer) {
            regels_.push_back("   Tabelkleur               : " + TabelkleurLabel(invoer_.Tabelkleur));
            regels_.push_back("   Loonbelastingtabel       : " + InwonergroepLabel(invoer_.LoonbelastingtabelVoorInwoner));
            if (invoer_.SoortBerekening != spVrijeBerekeningWerknemers) {
                regels_.push_back(std::string("   Loonheffingskorting      : ") + (invoer_.ToepLoonheffing ? "Ja" : "Nee"));
                if (invoer_.SoortBerekening != spBijzonderLoon)
                    regels_.push_back("   Tijdvak                  : " + LoontijdvakLabel(o_.Loontijdvak));
            }
        }
        if (o_.ToegepasteArbeidskorting != 0)
            regels_.push_back("   Arbeidskorting           : " + FormatBedrag(o_.ToegepasteArbeidskorting));
        if (!o_.AwfPremieType.empty())
            regels_.push_back("   AWf-premie type          : " + AwfPremieTypeLabel(o_.AwfPremieType));
        const double dagen = invoer_.LoondagenVoorDagtabel;
        regels_.push_back("   Loondagen                : " + FormatAlgemeen(dagen) + (dagen == 1 ? " dag" : " dagen"));
        if (const auto* bijzonder = dynamic_cast<const TBijzondereHeffingsgegevens*>(&o_);
            bijzonder != nullptr && bijzonder->JaarloonVorigJaar != 0) {
            regels_.push_back("   Jaarloon LB/PH           : " + F12(bijzonder->JaarloonVorigJaar));
            regels_.push_back("   Loonbel./Premie volksv.  : " + F12(bijzonder->PercentageBijzondereBeloning()));
        }
        regels_.push_back("   Datum                    : " + FormatLongDutchDate(invoer_.BerekeningDatum));
        regels_.insert(regels_.end(), {"", "", "   Omschrijving                                         Berekening   Bruto/Netto",
                                       kScheidingslijn});
    }

    void Werknemersdeel()
    {
        const bool artiest = IsArtiestSoort(o_.Werknemersoort);
        Bedragregel("Brutoloon", rsBeide, k_.GetBrutoloon());
        AlsNietNul("Opname levensloopregeling", rsBijBeide, k_.GetOpnameLevensloop());
        AlsNietNul("Werknemersinleg levensloopregeling", rsAfBeide, k_.GetLevensloopWN());
        AlsNietNul("Hogere vergoeding Zvw", rsBijBeide, k_.GetHogereZvw());
        Fondsregels({"3", "3WG"});
        AlsNietNul("Waarde loon anders dan in geld", rsBijBerekening, k_.GetLoonInNatura());
        Fondsregels({"4", "4WG"});
        AlsNietNul("Pensioenpremie", rsAfBeide, k_.GetPensioenPremieWN());
        AlsNietNul("FPU/Vroegpensioenpremie", rsAfBeide, k_.GetVUTFPUPremieWN());
        AlsNietNul("IP-premie", rsAfBeide, k_.GetIPPremieWN());
        Fondsregels({"7", "7WG", "-7", "-7WG"});
        if (artiest)
            AlsNietNul("Kostenverg. besch./Kleineverg. regeling", rsAfBerekening, invoer_.ArtiestAftrekBedrag);
        AlsNietNul("Bijtelling privé-gebruik auto", rsBijBerekening, k_.GetBijtellingAuto());
        AlsNietNul("Bijdrage privé-gebruik auto", rsAfBeide, k_.GetBijdrageAuto());
        AlsNietNul("Bijtelling fiets van de zaak", rsBijBerekening, k_.GetBijtellingFiets());
        AlsNietNul("Bijdrage fiets van de zaak", rsAfBeide, k_.GetBijdrageFiets());
        Bedragregel("Loon sociale verzekeringen", rsBerekening, Kolom(8));
        AlsNietNul(artiest ? "Onkostenvergoeding" : "Loon in geld alleen belast voor de LB/PH/Zvw", rsBijBeide,
                   k_.GetLoonLBPH());
        Bedragregel("Loon Zvw", rsBerekening, Kolom(12));
        Bedragregel("Loon voor toepassing tabel LB/PH", rsBerekening, Kolom(14));
        Bedragregel("Loonbelasting/Premie volksverzekeringen", rsAfBrutoNetto, b_.Loonheffing());
        if (o_.VerzekerdZfw && !invoer_.Actief.Zvw)
            AlsNietNul("Zvw werknemersbijdrage", rsAfBrutoNetto, k_.GetZvwPremieWN());
        AlsNietNul("Belastingvrije vergoeding", rsBijBrutoNetto, k_.GetVergoedingen());
        AlsNietNul("Belastingvrije inhouding", rsAfBrutoNetto, std::fabs(k_.GetInhoudingen()));
        AlsNietNul("Whk verhaling op werknemer", rsAfBrutoNetto, std::fabs(k_.GetWhkVerhaling()));
        Fondsregels({"17", "17WG", "18", "18WG", "16", "16WG", "-17", "-17WG"});
        if (b_.MetVastPercentage()) {
            Bedragregel("Nettoloon (in euro's)", rsBrutoNetto, b_.Nettoloon());
            regels_.emplace_back();
        } else {
            Bedragregel("Nettoloon", rsBrutoNetto, Kolom(19));
        }
    }

    void Werkgeversdeel()
    {
        const TActieveWerkgeversdelen& actief = invoer_.Actief;
        const TWerkgeversdeel deel = b_.Werkgeversdeel();
        Fondsregels("0WG");
        if (o_.PercentageVakantiegeld != 0)
            Bedragregel("Reservering vakantiegeld", rsBerekening, deel.Vakantiegeld);
        if (actief.WW) {
            AlsNietNul("Werkgeversdeel premie AWf laag", rsBerekening, deel.AwfLaag);
            AlsNietNul("Werkgeversdeel premie AWf hoog", rsBerekening, deel.AwfHoog);
        }
        AlsNietNul("Werkgeversdeel FPU/Vroegpensioenpremie", rsBerekening, deel.VUTFPU);
        AlsNietNul("Werkgeversdeel Pensioenpremie", rsBerekening, deel.Pensioen);
        AlsNietNul("Werkgeversdeel IP-premie", rsBerekening, deel.IP);
        if (actief.WAO)
            AlsNietNul("WAO/WIA premie", rsBerekening, deel.WAO);
        if (actief.Whk && deel.Whk != 0) {
            Bedragregel("Whk-premie", rsBerekening, deel.Whk);
            AlsNietNul("Whk verhaling op werknemer", rsBerekening, -deel.WhkVerhaling);
        }
        AlsNietNul("Werkgeversinleg levensloopregeling", rsBerekening, deel.Levensloop);
        AlsNietNul("Zvw werkgeversheffing", rsBerekening, deel.Zvw);
        Bedragregel("Totale werkgeverslasten", rsBrutoNetto, b_.Werkgeverslasten());
        regels_.push_back(kScheidingslijn);
        regels_.emplace_back();
    }

    const TBerekening& b_;
    THeffingsgegevens& o_;
    TKolommen& k_;
    const TBerekeningInvoer& invoer_;
    std::vector<std::string> regels_;
};

} // namespace

std::vector<std::string> SchrijfRapport(TBerekening& berekening)
{
    if (berekening.Heffingsgegevens() == nullptr)
        return {};
    return TRapportSchrijver(berekening).Schrijf();
}

} // namespace vkt
