#include "cli/BerekenOpties.h"

#include "calc/OpenenBerekening.h"
#include "calc/Regelwaarden.h"
#include "calc/Veldregels.h"
#include "cli/Opties.h"
#include "common/Text.h"
#include "model/Datumregels.h"
#include "model/Getallen.h"
#include "model/Heffingsgegevens.h"
#include "model/Kolomregels.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace vkt::cli {
namespace {

constexpr double kMaximumBedrag = 99999999.99;

// The state of reading the options of one calculation.
struct Lezer {
    TBerekenOpties opties;
    std::string voorvoegsel;
    TGekozenVelden gekozen;
};

// The option as the user wrote it ("--loonbedrag" or, in a batch, "loonbedrag").
std::string Naam(const Lezer& lezer, const std::string& naam) { return lezer.voorvoegsel + naam; }

[[noreturn]] void Ongeldig(const Lezer& lezer, const char* soort, const std::string& naam, const std::string& waarde,
                           const std::string& uitleg)
{
    throw OptieFout(std::string(soort) + " '" + waarde + "' bij " + Naam(lezer, naam) + ": " + uitleg);
}

// A number as a Dutch user writes it, with at most two decimals.
std::optional<double> LeesGetal(const std::string& tekst)
{
    const TGelezenGetal getal = vkt::LeesGetal(tekst, 2);
    return getal ? std::optional<double>(getal.Waarde) : std::nullopt;
}

double Bedrag(const Lezer& lezer, const std::string& naam, const std::string& tekst, double minimum)
{
    const auto waarde = LeesGetal(tekst);
    if (!waarde)
        Ongeldig(lezer, "ongeldig bedrag", naam, tekst, "gebruik bijvoorbeeld 1234,56.");
    if (*waarde < minimum || *waarde > kMaximumBedrag)
        Ongeldig(lezer, "ongeldig bedrag", naam, tekst,
                 minimum < 0 ? "het bedrag ligt buiten -99.999.999,99 tot en met 99.999.999,99."
                             : "kies een bedrag van 0 tot en met 99.999.999,99.");
    return *waarde;
}

// A percentage from 0 to 100, with or without "%"; ondergrensUitgesloten
// refuses 0 itself.
double Percentage(const Lezer& lezer, const std::string& naam, std::string tekst, bool ondergrensUitgesloten = false)
{
    const std::string gegeven = tekst;
    if (tekst.ends_with('%'))
        tekst.pop_back();
    const auto waarde = LeesGetal(tekst);
    if (!waarde || *waarde < 0 || *waarde > 100 || (ondergrensUitgesloten && *waarde == 0))
        Ongeldig(lezer, "ongeldig percentage", naam, gegeven,
                 ondergrensUitgesloten ? "kies een getal groter dan 0 en ten hoogste 100."
                                       : "kies een getal van 0 tot en met 100.");
    return *waarde;
}

TDateTime Datum(const Lezer& lezer, const std::string& naam, const std::string& tekst)
{
    const auto datum = ParseDutchDate(tekst);
    if (!datum)
        Ongeldig(lezer, "ongeldige datum", naam, tekst, "gebruik DD-MM-JJJJ.");
    return *datum;
}

bool JaNee(const Lezer& lezer, const std::string& naam, const std::string& tekst)
{
    const std::string waarde = ToLowerAscii(tekst);
    if (waarde != "ja" && waarde != "nee")
        Ongeldig(lezer, "ongeldige waarde", naam, tekst, "kies ja of nee.");
    return waarde == "ja";
}

// The position of the value in the list of choices.
template <std::size_t N>
int Keuze(const Lezer& lezer, const std::string& naam, const std::string& tekst,
          const std::array<const char*, N>& keuzes)
{
    const std::string waarde = ToLowerAscii(tekst);
    std::string lijst;
    for (std::size_t i = 0; i < N; ++i) {
        if (waarde == keuzes[i])
            return static_cast<int>(i);
        lijst += (i == 0 ? "" : i + 1 == N ? " of " : ", ") + std::string(keuzes[i]);
    }
    Ongeldig(lezer, "ongeldige waarde", naam, tekst, "kies " + lijst + ".");
}

// A comma list of choices, or "geen"; true for every chosen one.
template <std::size_t N>
std::array<bool, N> Lijst(const Lezer& lezer, const std::string& naam, const std::string& tekst,
                          const std::array<const char*, N>& keuzes)
{
    std::array<bool, N> gekozen{};
    std::string lijst;
    for (std::size_t i = 0; i < N; ++i)
        lijst += std::string(keuzes[i]) + ", ";
    const std::string uitleg = "geef een lijst met komma's uit " + lijst + "of geen.";
    const std::string waarde = ToLowerAscii(tekst);
    if (waarde == "geen")
        return gekozen;
    std::size_t begin = 0;
    while (begin <= waarde.size()) {
        const std::size_t komma = std::min(waarde.find(',', begin), waarde.size());
        std::string deel = waarde.substr(begin, komma - begin);
        deel.erase(0, deel.find_first_not_of(' '));
        deel.erase(deel.find_last_not_of(' ') + 1);
        bool bekend = false;
        for (std::size_t i = 0; i < N; ++i)
            if (deel == keuzes[i])
                gekozen[i] = bekend = true;
        if (!bekend)
            Ongeldig(lezer, "ongeldige waarde", naam, tekst, uitleg);
        begin = komma + 1;
    }
    return gekozen;
}

// "TYPE=WAARDE" or "TYPE/N=WAARDE"; a value ending in "%" is a percentage.
TRegelWijziging Regel(const Lezer& lezer, const std::string& naam, const std::string& tekst)
{
    const std::string uitleg = "gebruik TYPE=BEDRAG, TYPE=PERCENTAGE% of TYPE/N=BEDRAG met N het looncomponentnummer.";
    const std::size_t is = tekst.find('=');
    if (is == std::string::npos)
        Ongeldig(lezer, "ongeldige regel", naam, tekst, uitleg);
    const std::string sleutel = tekst.substr(0, is);
    const std::size_t streep = sleutel.find('/');
    const auto geheel = [&](const std::string& deel) {
        int getal = 0;
        const auto [einde, fout] = std::from_chars(deel.data(), deel.data() + deel.size(), getal);
        if (deel.empty() || fout != std::errc() || einde != deel.data() + deel.size() || getal <= 0)
            Ongeldig(lezer, "ongeldige regel", naam, tekst, uitleg);
        return getal;
    };
    TRegelWijziging wijziging;
    wijziging.Tekst = tekst;
    TRegelWaarde& regel = wijziging.Waarde;
    regel.Regeltype = geheel(sleutel.substr(0, streep));
    if (streep != std::string::npos)
        regel.Looncomponentnummer = geheel(sleutel.substr(streep + 1));
    if (regel.Regeltype == rtBrutoloon)
        Ongeldig(lezer, "ongeldige regel", naam, tekst, "het brutoloon geeft u op met loonbedrag.");
    std::string waarde = tekst.substr(is + 1);
    regel.IsPercentage = waarde.ends_with('%');
    if (regel.IsPercentage) {
        waarde.pop_back();
        const auto percentage = LeesGetal(waarde);
        if (!percentage || *percentage < 0 || *percentage > 100)
            Ongeldig(lezer, "ongeldige regel", naam, tekst, "een percentage ligt van 0 tot en met 100.");
        regel.Waarde = *percentage;
    } else {
        const auto bedrag = LeesGetal(waarde);
        if (!bedrag || std::fabs(*bedrag) > kMaximumBedrag)
            Ongeldig(lezer, "ongeldige regel", naam, tekst, uitleg);
        regel.Waarde = *bedrag;
    }
    return wijziging;
}

constexpr std::array<const char*, 6> kSoorten = {"werknemer",          "bijzonder-loon",  "artiest-binnenland",
                                                 "artiest-buitenland", "vrij-werknemers", "vrij-artiest"};
// In the order of the pay-period keys 1..5.
constexpr std::array<const char*, 5> kLoontijdvakken = {"kwartaal", "maand", "4-weken", "week", "dag"};
constexpr std::array<const char*, 6> kSoortenLoonbedrag = {"brutoloon",   "sociaal-loon",     "loonheffingsloon",
                                                           "nettoloon",   "werkgeverslasten", "zvw-loon"};
constexpr std::array<const char*, 2> kTabelkleuren = {"wit", "groen"};
constexpr std::array<const char*, 3> kVerzekeringen = {"ww", "wao", "zvw"};
constexpr std::array<const char*, 8> kWerkgeversdelen = {"wao", "ww",      "whk",       "zvw",
                                                         "fpu", "ip",      "pensioen",  "levensloop"};

using Zetter = void (*)(Lezer&, const std::string& naam, const std::string& waarde);

struct Optie {
    TBerekenOptie beschrijving;
    Zetter zet;
};

const std::vector<Optie>& OptieTabel()
{
    static const std::vector<Optie> kOpties = {
        {{"naam", "NAAM", "leeg", "de naam van de werknemer, bovenaan het overzicht (ten hoogste 50 tekens)"},
         [](Lezer& l, const std::string& n, const std::string& w) {
             if (Utf8Length(w) > 50)
                 Ongeldig(l, "ongeldige naam", n, w, "een naam heeft ten hoogste 50 tekens.");
             l.opties.Invoer.Werknemer = w;
         }},
        {{"datum", "DD-MM-JJJJ", "vandaag in 2020 (na 2020: 31-12-2020)", "de berekeningsdatum, in 2020"},
         [](Lezer& l, const std::string& n, const std::string& w) {
             const TDateTime datum = Datum(l, n, w);
             if (Jaar(datum) != 2020)
                 Ongeldig(l, "ongeldige datum", n, w, "de berekeningsdatum ligt in 2020.");
             l.opties.Invoer.BerekeningDatum = datum;
         }},
        {{"geboortedatum", "DD-MM-JJJJ", "1 januari, 25 jaar geleden", "de geboortedatum van de werknemer"},
         [](Lezer& l, const std::string& n, const std::string& w) { l.opties.Invoer.Geboortedatum = Datum(l, n, w); }},
        {{"soort", "werknemer|bijzonder-loon|artiest-binnenland|artiest-buitenland|vrij-werknemers|vrij-artiest",
          "werknemer", "berekening voor"},
         [](Lezer& l, const std::string& n, const std::string& w) {
             l.opties.Invoer.SoortBerekening = Keuze(l, n, w, kSoorten);
         }},
        {{"loontijdvak", "dag|week|4-weken|maand|kwartaal", "maand", "alleen te kiezen bij soort werknemer"},
         [](Lezer& l, const std::string& n, const std::string& w) {
             l.opties.Invoer.Loontijdvak = Keuze(l, n, w, kLoontijdvakken) + 1;
             l.gekozen.Loontijdvak = true;
         }},
        {{"soort-loonbedrag", "brutoloon|sociaal-loon|loonheffingsloon|nettoloon|werkgeverslasten|zvw-loon",
          "brutoloon", "wat het loonbedrag is; anders dan brutoloon wordt het brutoloon gezocht"},
         [](Lezer& l, const std::string& n, const std::string& w) {
             l.opties.Invoer.SoortLoonbedrag = Keuze(l, n, w, kSoortenLoonbedrag);
         }},
        {{"loonbedrag", "BEDRAG", "1000", "het loonbedrag per loontijdvak, bijvoorbeeld 1234,56 of 1234.56"},
         [](Lezer& l, const std::string& n, const std::string& w) { l.opties.Invoer.Loonbedrag = Bedrag(l, n, w, 0); }},
        {{"tabelkleur", "wit|groen", "wit", "de kleur van de loonbelastingtabel"},
         [](Lezer& l, const std::string& n, const std::string& w) {
             l.opties.Invoer.Tabelkleur = Keuze(l, n, w, kTabelkleuren);
         }},
        {{"loonbelastingtabel", "0..4", "0",
          "0 Nederland, 1 EU/EER/Zwitserland/BES, 2 derde land, 3 België, 4 Suriname/Aruba"},
         [](Lezer& l, const std::string& n, const std::string& w) {
             if (w.size() != 1 || w[0] < '0' || w[0] > '4')
                 Ongeldig(l, "ongeldige waarde", n, w, "kies 0, 1, 2, 3 of 4.");
             l.opties.Invoer.LoonbelastingtabelVoorInwoner = w[0] - '0';
         }},
        {{"loonheffingskorting", "ja|nee", "ja", "de loonheffingskorting toepassen"},
         [](Lezer& l, const std::string& n, const std::string& w) { l.opties.Invoer.ToepLoonheffing = JaNee(l, n, w); }},
        {{"deeltijd", "PERCENTAGE", "100", "het deeltijdpercentage, meer dan 0 en ten hoogste 100"},
         [](Lezer& l, const std::string& n, const std::string& w) {
             l.opties.Invoer.Deeltijdpercentage = Percentage(l, n, w, true);
         }},
        {{"verzekerd", "ww,wao,zvw|geen", "ww,wao",
          "verzekerd voor WW, WAO/WIA en Zvw; wie voor de Zvw verzekerd is betaalt de bijdrage zelf, "
          "het werkgeversdeel Zvw vervalt dan"},
         [](Lezer& l, const std::string& n, const std::string& w) {
             const auto gekozen = Lijst(l, n, w, kVerzekeringen);
             l.opties.Invoer.VerzekerdWW = gekozen[0];
             l.opties.Invoer.VerzekerdWAO = gekozen[1];
             l.opties.Invoer.VerzekerdZfw = gekozen[2];
             l.gekozen.Verzekeringen = true;
         }},
        {{"vakantiegeld", "PERCENTAGE", "8", "het percentage vakantiegeld"},
         [](Lezer& l, const std::string& n, const std::string& w) {
             l.opties.Invoer.PercentageVakantiegeld = Percentage(l, n, w);
         }},
        {{"loondagen", "AANTAL", "de dagen van het loontijdvak (maand 21,67)",
          "loondagen voor de dagtabel, meer dan 0 en ten hoogste 65"},
         [](Lezer& l, const std::string& n, const std::string& w) {
             const auto dagen = LeesGetal(w);
             if (!dagen || *dagen <= 0 || *dagen > 65)
                 Ongeldig(l, "ongeldig aantal", n, w, "kies een aantal dagen groter dan 0 en ten hoogste 65.");
             l.opties.Invoer.LoondagenVoorDagtabel = *dagen;
             l.gekozen.Loondagen = true;
         }},
        {{"jaarloon-vorig-jaar", "BEDRAG", "0", "het jaarloon van vorig jaar, voor bijzonder loon"},
         [](Lezer& l, const std::string& n, const std::string& w) {
             l.opties.Invoer.JaarloonLBPH = Bedrag(l, n, w, 0);
         }},
        {{"percentage-loonheffing", "PERCENTAGE", "0", "het vaste percentage loonheffing van een vrije berekening"},
         [](Lezer& l, const std::string& n, const std::string& w) {
             l.opties.Invoer.LoonheffingVrij = Percentage(l, n, w);
         }},
        {{"artiest-loonheffing", "PERCENTAGE", "0", "een afwijkend percentage loonheffing voor artiesten"},
         [](Lezer& l, const std::string& n, const std::string& w) {
             l.opties.Invoer.ArtiestLoonheffing = Percentage(l, n, w);
         }},
        {{"werkgeverslasten-tonen", "ja|nee", "nee", "het werkgeversdeel in het overzicht tonen"},
         [](Lezer& l, const std::string& n, const std::string& w) { l.opties.Invoer.WGLastenTonen = JaNee(l, n, w); }},
        {{"actief", "wao,ww,whk,zvw,fpu,ip,pensioen,levensloop|geen", "wao,ww,zvw", "de actieve werkgeversdelen"},
         [](Lezer& l, const std::string& n, const std::string& w) {
             const auto gekozen = Lijst(l, n, w, kWerkgeversdelen);
             TActieveWerkgeversdelen& a = l.opties.Invoer.Actief;
             a.WAO = gekozen[0];
             a.WW = gekozen[1];
             a.Whk = gekozen[2];
             a.Zvw = gekozen[3];
             a.VUTFPU = gekozen[4];
             a.IP = gekozen[5];
             a.Pensioen = gekozen[6];
             a.Levensloop = gekozen[7];
         }},
        {{"regel", "TYPE[/N]=BEDRAG|PERCENTAGE%", "geen",
          "het bedrag of percentage van de eerste regel van dat regeltype, met /N van de regel van "
          "looncomponent N (1048576/1 belastingvrije vergoeding, 1048576/2 belastingvrije inhouding); "
          "bijvoorbeeld 9=150 of 128=5%; mag vaker. Een regel van een werkgeversdeel telt alleen als dat "
          "deel actief is"},
         [](Lezer& l, const std::string& n, const std::string& w) { l.opties.Regels.push_back(Regel(l, n, w)); }},
    };
    return kOpties;
}

// The window's rules between the fields and its field checks, after every
// option has been read.
void PasSchermregelsToe(Lezer& lezer)
{
    TBerekeningInvoer& invoer = lezer.opties.Invoer;
    if (!IsLoontijdvakKiesbaar(invoer.SoortBerekening) && lezer.gekozen.Loontijdvak && invoer.Loontijdvak != ltMaand)
        throw OptieFout("de optie " + Naam(lezer, "loontijdvak") + " kan alleen bij " + Naam(lezer, "soort") +
                        " werknemer worden gekozen; de andere soorten rekenen per maand.");
    PasRegelsToeNaKeuze(invoer, lezer.gekozen);
    if (const auto fout = ControleerInvoer(invoer))
        throw OptieFout(fout->Melding + " (" + Naam(lezer, "geboortedatum") + " " +
                        FormatDutchDate(invoer.Geboortedatum) + ": " +
                        std::to_string(LeeftijdOpBerekeningsdatum(invoer)) + " jaar op " +
                        FormatDutchDate(invoer.BerekeningDatum) + ")");
}

} // namespace

const std::vector<TBerekenOptie>& BerekenOptieLijst()
{
    static const std::vector<TBerekenOptie> kLijst = [] {
        std::vector<TBerekenOptie> lijst;
        for (const Optie& optie : OptieTabel())
            lijst.push_back(optie.beschrijving);
        return lijst;
    }();
    return kLijst;
}

bool IsBerekenOptie(const std::string& naam)
{
    for (const Optie& optie : OptieTabel())
        if (naam == optie.beschrijving.Naam)
            return true;
    return false;
}

std::vector<std::string> BerekenOptieArgumenten()
{
    std::vector<std::string> namen;
    for (const TBerekenOptie& optie : BerekenOptieLijst())
        namen.push_back(std::string("--") + optie.Naam);
    return namen;
}

TBerekenOpties LeesBerekenOpties(const Opties& gelezen, TDateTime vandaag)
{
    TOptieWaarden waarden;
    for (const auto& [naam, waarde] : gelezen.Alle())
        if (IsBerekenOptie(naam.substr(2)))
            waarden.emplace_back(naam.substr(2), waarde);
    return LeesBerekenOpties(waarden, vandaag, "--");
}

TBerekenOpties LeesBerekenOpties(const TOptieWaarden& waarden, TDateTime vandaag, const std::string& voorvoegsel)
{
    Lezer lezer;
    lezer.opties.Invoer = NieuweBerekeningInvoer(vandaag);
    lezer.voorvoegsel = voorvoegsel;
    for (const auto& [naam, waarde] : waarden) {
        const Optie* gevonden = nullptr;
        for (const Optie& optie : OptieTabel())
            if (naam == optie.beschrijving.Naam)
                gevonden = &optie;
        if (gevonden == nullptr)
            throw OptieFout("onbekende optie '" + Naam(lezer, naam) + "'.");
        if (waarde.empty())
            throw OptieFout("de optie '" + Naam(lezer, naam) + "' verwacht een waarde.");
        gevonden->zet(lezer, naam, waarde);
    }
    PasSchermregelsToe(lezer);
    return lezer.opties;
}

void PasRegelsToe(THeffingsgegevens& heffing, const std::vector<TRegelWijziging>& regels,
                  const std::string& voorvoegsel)
{
    for (const TRegelWijziging& wijziging : regels)
        if (!ZetRegelWaarde(heffing, wijziging.Waarde))
            throw OptieFout("de berekening heeft geen regel van regeltype " +
                            std::to_string(wijziging.Waarde.Regeltype) +
                            (wijziging.Waarde.Looncomponentnummer != 0
                                 ? " met looncomponentnummer " + std::to_string(wijziging.Waarde.Looncomponentnummer)
                                 : std::string()) +
                            " (bij " + voorvoegsel + "regel " + wijziging.Tekst + ").");
}

double WaoVastPercentage(const THeffingsgegevens& heffing)
{
    const auto* regel = Als<TCustomBPDKolomRegel>(WAOVastRegel(heffing));
    return regel != nullptr ? regel->Percentage : 0;
}

} // namespace vkt::cli
