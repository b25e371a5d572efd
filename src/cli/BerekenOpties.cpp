#include "cli/BerekenOpties.h"

#include "calc/OpenenBerekening.h"
#include "calc/Regelwaarden.h"
#include "calc/Veldregels.h"
#include "common/Text.h"
#include "model/Datumregels.h"
#include "model/Getallen.h"
#include "model/Heffingsgegevens.h"
#include "model/Kolomregels.h"
#include "store/Naam.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <bitset>
#include <optional>

namespace vkt::cli {
namespace {

// More than the options there are; a position beyond it would throw.
constexpr std::size_t kMaximumOpties = 64;

// The state of reading the options of one calculation.
struct Lezer {
    TBerekenOpties opties;
    std::string voorvoegsel;
    TGekozenVelden gekozen;
    std::bitset<kMaximumOpties> gegeven; // by position in the option table
};

// The option as the user wrote it ("--loonbedrag" or, in a batch, "loonbedrag").
std::string Naam(const Lezer& lezer, std::string_view naam) { return lezer.voorvoegsel + std::string(naam); }

[[noreturn]] void Ongeldig(const Lezer& lezer, const char* soort, std::string_view naam, std::string_view waarde,
                           const std::string& uitleg)
{
    throw OptieFout(std::string(soort) + " " + Citaat(waarde) + " bij " + Naam(lezer, naam) + ": " + uitleg);
}

// A number as a Dutch user writes it ("3.500", "3.500,50", "3500.50"), or
// the reason it is none.
struct Getal {
    std::optional<double> waarde;
    std::string fout;
};

Getal LeesGetal(std::string_view tekst, int decimalen, const char* soort)
{
    const TGelezenGetal getal = vkt::LeesGetal(tekst, decimalen);
    if (getal)
        return {getal.Waarde, {}};
    if (getal.Fout == TGelezenGetal::TeVeelDecimalen)
        return {std::nullopt, std::string(soort) + " heeft ten hoogste " + std::to_string(decimalen) + " decimalen."};
    return {std::nullopt, "gebruik bijvoorbeeld 3500, 3.500,50 of 3500.50."};
}

double Bedrag(const Lezer& lezer, std::string_view naam, std::string_view tekst)
{
    return LeesBedrag(Naam(lezer, naam), tekst);
}

// A percentage from 0 to 100, with or without "%"; ondergrensUitgesloten
// refuses 0 itself.
double Percentage(const Lezer& lezer, std::string_view naam, std::string_view tekst, int decimalen = 2,
                  bool ondergrensUitgesloten = false)
{
    const std::string_view gegeven = tekst;
    if (tekst.ends_with('%'))
        tekst.remove_suffix(1);
    const Getal getal = LeesGetal(tekst, decimalen, "een percentage");
    if (!getal.waarde)
        Ongeldig(lezer, "ongeldig percentage", naam, gegeven, getal.fout);
    if (*getal.waarde < 0 || *getal.waarde > 100 || (ondergrensUitgesloten && *getal.waarde == 0))
        Ongeldig(lezer, "ongeldig percentage", naam, gegeven,
                 ondergrensUitgesloten ? "kies een getal groter dan 0 en ten hoogste 100."
                                       : "kies een getal van 0 tot en met 100.");
    return *getal.waarde;
}

TDateTime Datum(const Lezer& lezer, std::string_view naam, std::string_view tekst)
{
    const auto datum = ParseDutchDate(tekst);
    if (!datum)
        Ongeldig(lezer, "ongeldige datum", naam, tekst, "gebruik DD-MM-JJJJ.");
    return *datum;
}

bool JaNee(const Lezer& lezer, std::string_view naam, std::string_view tekst)
{
    const std::string waarde = ToLowerAscii(tekst);
    if (waarde != "ja" && waarde != "nee")
        Ongeldig(lezer, "ongeldige waarde", naam, tekst, "kies ja of nee.");
    return waarde == "ja";
}

// A whole number above 0, or nothing.
std::optional<int> Volgnummer(std::string_view tekst)
{
    int getal = 0;
    const auto [einde, fout] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), getal);
    if (tekst.empty() || fout != std::errc() || einde != tekst.data() + tekst.size() || getal <= 0)
        return std::nullopt;
    return getal;
}

// The position of the value in the list of choices.
template <std::size_t N>
int Keuze(const Lezer& lezer, std::string_view naam, std::string_view tekst,
          const std::array<const char*, N>& keuzes)
{
    const std::string waarde = ToLowerAscii(tekst);
    for (std::size_t i = 0; i < N; ++i)
        if (waarde == keuzes[i])
            return static_cast<int>(i);
    std::string lijst;
    for (std::size_t i = 0; i < N; ++i)
        lijst += (i == 0 ? "" : i + 1 == N ? " of " : ", ") + std::string(keuzes[i]);
    Ongeldig(lezer, "ongeldige waarde", naam, tekst, "kies " + lijst + ".");
}

// A comma list of choices, or "geen"; true for every chosen one.
template <std::size_t N>
std::array<bool, N> Lijst(const Lezer& lezer, std::string_view naam, std::string_view tekst,
                          const std::array<const char*, N>& keuzes)
{
    std::array<bool, N> gekozen{};
    const auto uitleg = [&] {
        std::string lijst;
        for (std::size_t i = 0; i < N; ++i)
            lijst += std::string(keuzes[i]) + ", ";
        return "geef een lijst met komma's uit " + lijst + "of geen.";
    };
    const std::string waarde = ToLowerAscii(tekst);
    if (waarde == "geen")
        return gekozen;
    std::size_t begin = 0;
    while (begin <= waarde.size()) {
        const std::size_t komma = std::min(waarde.find(',', begin), waarde.size());
        const std::string_view deel = TrimView(std::string_view(waarde).substr(begin, komma - begin));
        bool bekend = false;
        for (std::size_t i = 0; i < N; ++i)
            if (deel == keuzes[i])
                gekozen[i] = bekend = true;
        if (!bekend)
            Ongeldig(lezer, "ongeldige waarde", naam, tekst, uitleg());
        begin = komma + 1;
    }
    return gekozen;
}

// Only these lines take a negative amount: a plain amount component and the
// wage taxed only for wage tax and Zvw, where a correction is negative.
bool MagNegatief(int regeltype) { return regeltype == rtBedrag || regeltype == rtLoonLBPH; }

// "TYPE=WAARDE" or "TYPE/N=WAARDE"; a value ending in "%" is a percentage,
// with up to three decimals as the line's percentage field has.
TRegelWijziging Regel(const Lezer& lezer, std::string_view naam, std::string_view tekst)
{
    const std::string uitleg = "gebruik TYPE=BEDRAG, TYPE=PERCENTAGE% of TYPE/N=BEDRAG met N het looncomponentnummer.";
    const std::size_t is = tekst.find('=');
    if (is == std::string::npos)
        Ongeldig(lezer, "ongeldige regel", naam, tekst, uitleg);
    const std::string_view sleutel = tekst.substr(0, is);
    const std::size_t streep = sleutel.find('/');
    const auto geheel = [&](std::string_view deel) {
        const auto getal = Volgnummer(deel);
        if (!getal)
            Ongeldig(lezer, "ongeldige regel", naam, tekst, uitleg);
        return *getal;
    };
    TRegelWijziging wijziging;
    wijziging.Tekst = tekst;
    TRegelWaarde& regel = wijziging.Waarde;
    regel.Regeltype = geheel(sleutel.substr(0, streep));
    if (streep != std::string::npos)
        regel.Looncomponentnummer = geheel(sleutel.substr(streep + 1));
    if (regel.Regeltype == rtBrutoloon)
        Ongeldig(lezer, "ongeldige regel", naam, tekst, "het brutoloon geeft u op met loonbedrag.");
    std::string_view waarde = tekst.substr(is + 1);
    regel.IsPercentage = waarde.ends_with('%');
    if (regel.IsPercentage) {
        waarde.remove_suffix(1);
        const Getal percentage = LeesGetal(waarde, 3, "een percentage");
        if (!percentage.waarde)
            Ongeldig(lezer, "ongeldige regel", naam, tekst, percentage.fout);
        if (*percentage.waarde < 0 || *percentage.waarde > 100)
            Ongeldig(lezer, "ongeldige regel", naam, tekst, "een percentage ligt van 0 tot en met 100.");
        regel.Waarde = *percentage.waarde;
    } else {
        const Getal bedrag = LeesGetal(waarde, 2, "een bedrag");
        if (!bedrag.waarde)
            Ongeldig(lezer, "ongeldige regel", naam, tekst, bedrag.fout);
        if (std::fabs(*bedrag.waarde) > MaximumBedrag)
            Ongeldig(lezer, "ongeldige regel", naam, tekst,
                     std::string("een bedrag ligt tussen -") + MaximumBedragTekst + " en " + MaximumBedragTekst + ".");
        if (*bedrag.waarde < 0 && !MagNegatief(regel.Regeltype))
            Ongeldig(lezer, "ongeldige regel", naam, tekst,
                     "alleen regeltype 1 (bedrag) en 2051 (LB/PH/Zvw-loon) nemen een negatief bedrag.");
        regel.Waarde = *bedrag.waarde;
    }
    return wijziging;
}

// The artist's cost-reimbursement decision: an amount, or a percentage.
void ArtiestKostenvergoeding(Lezer& lezer, std::string_view naam, std::string_view tekst)
{
    TBerekeningInvoer& invoer = lezer.opties.Invoer;
    if (tekst.ends_with('%')) {
        invoer.ArtiestAftrekBPType = bpdPercentage;
        invoer.ArtiestAftrekPercentage = Percentage(lezer, naam, tekst, 3);
    } else {
        invoer.ArtiestAftrekBPType = bpdBedrag;
        invoer.ArtiestAftrekBedrag = Bedrag(lezer, naam, tekst);
    }
}

void Fonds(Lezer& lezer, std::string_view naam, std::string_view tekst)
{
    const auto nummer = Volgnummer(tekst);
    if (!nummer)
        Ongeldig(lezer, "ongeldig fonds", naam, tekst, "geef het nummer van een fonds; zie vkt2020-cli fondsen.");
    std::vector<int>& fondsen = lezer.opties.Fondsen;
    if (std::find(fondsen.begin(), fondsen.end(), *nummer) != fondsen.end())
        Ongeldig(lezer, "ongeldig fonds", naam, tekst, "dit fonds staat er twee keer.");
    fondsen.push_back(*nummer);
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
// In the order of the AWf premium types "L" and "H".
constexpr std::array<const char*, 2> kAwfPremies = {"laag", "hoog"};

using Zetter = void (*)(Lezer&, std::string_view naam, std::string_view waarde);

struct Optie {
    TBerekenOptie beschrijving;
    Zetter zet;
};

const std::vector<Optie>& OptieTabel()
{
    static const std::vector<Optie> kOpties = {
        {{"naam", "NAAM", "leeg",
          "de naam van de werknemer, bovenaan het overzicht: ten hoogste 50 tekens, zonder tab, regelovergang of "
          "ander besturingsteken",
          false},
         [](Lezer& l, std::string_view n, std::string_view w) {
             if (const auto fout = NaamFout(w))
                 Ongeldig(l, "ongeldige naam", n, w, *fout);
             l.opties.Invoer.Werknemer = w;
         }},
        {{"datum", "DD-MM-JJJJ", "vandaag in 2020 (na 2020: 31-12-2020)", "de berekeningsdatum, in 2020", false},
         [](Lezer& l, std::string_view n, std::string_view w) {
             const TDateTime datum = Datum(l, n, w);
             if (Jaar(datum) != 2020)
                 Ongeldig(l, "ongeldige datum", n, w, "de berekeningsdatum ligt in 2020.");
             l.opties.Invoer.BerekeningDatum = datum;
         }},
        {{"geboortedatum", "DD-MM-JJJJ", "1 januari, 25 jaar voor het jaar van de berekening",
          "de geboortedatum van de werknemer", false},
         [](Lezer& l, std::string_view n, std::string_view w) { l.opties.Invoer.Geboortedatum = Datum(l, n, w); }},
        {{"soort", "werknemer|bijzonder-loon|artiest-binnenland|artiest-buitenland|vrij-werknemers|vrij-artiest",
          "werknemer", "berekening voor", false},
         [](Lezer& l, std::string_view n, std::string_view w) {
             l.opties.Invoer.SoortBerekening = Keuze(l, n, w, kSoorten);
         }},
        {{"loontijdvak", "dag|week|4-weken|maand|kwartaal", "maand",
          "het loontijdvak; de andere soorten dan werknemer rekenen per maand", false},
         [](Lezer& l, std::string_view n, std::string_view w) {
             l.opties.Invoer.Loontijdvak = Keuze(l, n, w, kLoontijdvakken) + 1;
             l.gekozen.Loontijdvak = true;
         }},
        {{"soort-loonbedrag", "brutoloon|sociaal-loon|loonheffingsloon|nettoloon|werkgeverslasten|zvw-loon",
          "brutoloon", "wat het loonbedrag is; anders dan brutoloon wordt het brutoloon gezocht", false},
         [](Lezer& l, std::string_view n, std::string_view w) {
             l.opties.Invoer.SoortLoonbedrag = Keuze(l, n, w, kSoortenLoonbedrag);
         }},
        {{"loonbedrag", "BEDRAG", "1000",
          "het loonbedrag per loontijdvak: 3500, 3.500 (een punt voor groepen van drie cijfers scheidt duizendtallen), "
          "3.500,50, 3500,50 of 3500.50; ten hoogste twee decimalen",
          false},
         [](Lezer& l, std::string_view n, std::string_view w) { l.opties.Invoer.Loonbedrag = Bedrag(l, n, w); }},
        {{"tabelkleur", "wit|groen", "wit", "de kleur van de loonbelastingtabel", false},
         [](Lezer& l, std::string_view n, std::string_view w) {
             l.opties.Invoer.Tabelkleur = Keuze(l, n, w, kTabelkleuren);
         }},
        {{"loonbelastingtabel", "0..4", "0",
          "0 Nederland, 1 EU/EER/Zwitserland/BES, 2 derde land, 3 België, 4 Suriname/Aruba", false},
         [](Lezer& l, std::string_view n, std::string_view w) {
             if (w.size() != 1 || w[0] < '0' || w[0] > '4')
                 Ongeldig(l, "ongeldige waarde", n, w, "kies 0, 1, 2, 3 of 4.");
             l.opties.Invoer.LoonbelastingtabelVoorInwoner = w[0] - '0';
         }},
        {{"loonheffingskorting", "ja|nee", "ja", "de loonheffingskorting toepassen", false},
         [](Lezer& l, std::string_view n, std::string_view w) { l.opties.Invoer.ToepLoonheffing = JaNee(l, n, w); }},
        {{"deeltijd", "PERCENTAGE", "100", "het deeltijdpercentage, meer dan 0 en ten hoogste 100", false},
         [](Lezer& l, std::string_view n, std::string_view w) {
             l.opties.Invoer.Deeltijdpercentage = Percentage(l, n, w, 2, true);
         }},
        {{"verzekerd", "ww,wao,zvw|geen", "ww,wao; geen wie op de berekeningsdatum de AOW-leeftijd heeft bereikt",
          "verzekerd voor WW, WAO/WIA en Zvw. Zonder deze optie is wie de AOW-leeftijd heeft bereikt niet verzekerd "
          "voor WW en WAO/WIA. Wie voor de Zvw verzekerd is betaalt de bijdrage zelf; het werkgeversdeel Zvw vervalt "
          "dan",
          false},
         [](Lezer& l, std::string_view n, std::string_view w) {
             const auto gekozen = Lijst(l, n, w, kVerzekeringen);
             l.opties.Invoer.VerzekerdWW = gekozen[0];
             l.opties.Invoer.VerzekerdWAO = gekozen[1];
             l.opties.Invoer.VerzekerdZfw = gekozen[2];
             l.gekozen.Verzekeringen = true;
         }},
        {{"vakantiegeld", "PERCENTAGE", "8", "het percentage vakantiegeld", false},
         [](Lezer& l, std::string_view n, std::string_view w) {
             l.opties.Invoer.PercentageVakantiegeld = Percentage(l, n, w);
         }},
        {{"loondagen", "AANTAL", "de dagen van het loontijdvak (maand 21,67)",
          "loondagen voor de dagtabel, meer dan 0 en ten hoogste 65", false},
         [](Lezer& l, std::string_view n, std::string_view w) {
             const Getal dagen = LeesGetal(w, 2, "een aantal dagen");
             if (!dagen.waarde || *dagen.waarde <= 0 || *dagen.waarde > 65)
                 Ongeldig(l, "ongeldig aantal", n, w,
                          dagen.waarde ? "kies een aantal dagen groter dan 0 en ten hoogste 65." : dagen.fout);
             l.opties.Invoer.LoondagenVoorDagtabel = *dagen.waarde;
             l.gekozen.Loondagen = true;
         }},
        {{"jaarloon-vorig-jaar", "BEDRAG", "geen; verplicht bij bijzonder-loon (0 mag)",
          "het jaarloon van vorig jaar; alleen bij soort bijzonder-loon", false},
         [](Lezer& l, std::string_view n, std::string_view w) { l.opties.Invoer.JaarloonLBPH = Bedrag(l, n, w); }},
        {{"percentage-loonheffing", "PERCENTAGE", "0",
          "het vaste percentage loonheffing; alleen bij soort vrij-werknemers en vrij-artiest", false},
         [](Lezer& l, std::string_view n, std::string_view w) {
             l.opties.Invoer.LoonheffingVrij = Percentage(l, n, w);
         }},
        {{"artiest-loonheffing", "PERCENTAGE", "0",
          "een afwijkend percentage loonheffing; alleen bij soort artiest-binnenland en artiest-buitenland", false},
         [](Lezer& l, std::string_view n, std::string_view w) {
             l.opties.Invoer.ArtiestLoonheffing = Percentage(l, n, w);
         }},
        {{"artiest-kostenvergoeding", "BEDRAG|PERCENTAGE%", "geen",
          "de kostenvergoedingsbeschikking of kleinevergoedingsregeling, als bedrag of als percentage; alleen bij "
          "soort artiest-binnenland, artiest-buitenland en vrij-artiest. Een bedrag gaat af van het loon sociale "
          "verzekeringen",
          false},
         ArtiestKostenvergoeding},
        {{"loon-incl-vakantiegeld", "ja|nee", "nee", "de premies berekenen over het loon inclusief vakantiegeld",
          false},
         [](Lezer& l, std::string_view n, std::string_view w) { l.opties.Invoer.LoonInclVakantie = JaNee(l, n, w); }},
        {{"ip-zonder-deeltijd", "ja|nee", "nee", "de IP-premie zonder de deeltijdfactor berekenen", false},
         [](Lezer& l, std::string_view n, std::string_view w) { l.opties.Invoer.IPzonderDeeltijd = JaNee(l, n, w); }},
        {{"fondsfranchise-deeltijd", "ja|nee", "nee",
          "de deeltijdfactor toepassen op de franchise van de sociale fondsen", false},
         [](Lezer& l, std::string_view n, std::string_view w) { l.opties.Invoer.SFDeeltijd = JaNee(l, n, w); }},
        {{"awf-premie", "laag|hoog", "laag", "de AWf-premie van het werkgeversdeel", false},
         [](Lezer& l, std::string_view n, std::string_view w) {
             l.opties.AwfPremieType = Keuze(l, n, w, kAwfPremies) == 0 ? "L" : "H";
         }},
        {{"werkgeverslasten-tonen", "ja|nee", "nee", "het werkgeversdeel in het overzicht tonen", false},
         [](Lezer& l, std::string_view n, std::string_view w) { l.opties.Invoer.WGLastenTonen = JaNee(l, n, w); }},
        {{"actief", "wao,ww,whk,zvw,fpu,ip,pensioen,levensloop|geen", "wao,ww,zvw", "de actieve werkgeversdelen",
          false},
         [](Lezer& l, std::string_view n, std::string_view w) {
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
          "bijvoorbeeld 9=150 of 128=5%; mag vaker. Een percentage heeft ten hoogste drie decimalen; een negatief "
          "bedrag mag alleen bij regeltype 1 en 2051. Een regel van een werkgeversdeel telt alleen als dat "
          "deel actief is",
          true},
         [](Lezer& l, std::string_view n, std::string_view w) { l.opties.Regels.push_back(Regel(l, n, w)); }},
        {{"fonds", "NUMMER", "geen",
          "koppelt het sociale fonds met dit nummer uit de lijst van vkt2020-cli fondsen aan de berekening; mag vaker",
          true},
         Fonds},
    };
    return kOpties;
}

int Positie(std::string_view naam)
{
    const std::vector<Optie>& tabel = OptieTabel();
    for (std::size_t i = 0; i < tabel.size(); ++i)
        if (naam == tabel[i].beschrijving.Naam)
            return static_cast<int>(i);
    return -1;
}

// Whether the option was given. The rules below ask for a few options by
// name in every calculation; each name is looked up once.
template <const char* Naam>
bool Gegeven(const Lezer& lezer)
{
    static const int positie = Positie(Naam);
    return lezer.gegeven.test(static_cast<std::size_t>(positie));
}

constexpr char kPercentageLoonheffing[] = "percentage-loonheffing";
constexpr char kArtiestLoonheffing[] = "artiest-loonheffing";
constexpr char kArtiestKostenvergoeding[] = "artiest-kostenvergoeding";
constexpr char kJaarloonVorigJaar[] = "jaarloon-vorig-jaar";

// The option words of the kinds whose fields leave this one open, as a
// list: "a", "a en b", "a, b en c".
std::string SoortenMet(bool TSoortVelden::*veld)
{
    std::vector<std::string> soorten;
    for (int soort = spWerknemer; soort <= spVrijeBerekeningArtiest; ++soort)
        if (SoortVelden(soort).*veld)
            soorten.push_back(SoortWoord(soort));
    std::string lijst;
    for (std::size_t i = 0; i < soorten.size(); ++i)
        lijst += (i == 0 ? "" : i + 1 == soorten.size() ? " en " : ", ") + soorten[i];
    return lijst;
}

// Refuses an option that the kind of calculation does not use, as the
// window leaves its field closed for that kind.
void ControleerSoortopties(const Lezer& lezer)
{
    const TBerekeningInvoer& invoer = lezer.opties.Invoer;
    const int soort = invoer.SoortBerekening;
    const TSoortVelden velden = SoortVelden(soort);
    if (!velden.LoontijdvakKiesbaar && lezer.gekozen.Loontijdvak && invoer.Loontijdvak != velden.VastLoontijdvak)
        throw OptieFout("de optie " + Naam(lezer, "loontijdvak") + " kan alleen bij " + Naam(lezer, "soort") + " " +
                        SoortenMet(&TSoortVelden::LoontijdvakKiesbaar) + " worden gekozen; de andere soorten rekenen "
                        "per " + LoontijdvakWoord(velden.VastLoontijdvak) + ".");
    const auto alleenBij = [&](const char* optie, bool gegeven, bool TSoortVelden::*veld) {
        if (gegeven && !(velden.*veld))
            throw OptieFout("de optie " + Naam(lezer, optie) + " geldt alleen bij " + Naam(lezer, "soort") + " " +
                            SoortenMet(veld) + ", niet bij " + SoortWoord(soort) + ".");
    };
    alleenBij(kPercentageLoonheffing, Gegeven<kPercentageLoonheffing>(lezer), &TSoortVelden::LoonheffingVrij);
    alleenBij(kArtiestLoonheffing, Gegeven<kArtiestLoonheffing>(lezer), &TSoortVelden::ArtiestLoonheffing);
    alleenBij(kArtiestKostenvergoeding, Gegeven<kArtiestKostenvergoeding>(lezer), &TSoortVelden::ArtiestAftrek);
    alleenBij(kJaarloonVorigJaar, Gegeven<kJaarloonVorigJaar>(lezer), &TSoortVelden::JaarloonVorigJaar);
    // A kind that takes the previous year's wage computes with it: the
    // command line does not guess it.
    if (velden.JaarloonVorigJaar && !Gegeven<kJaarloonVorigJaar>(lezer))
        throw OptieFout("bij " + Naam(lezer, "soort") + " " + SoortWoord(soort) + " hoort " +
                        Naam(lezer, "jaarloon-vorig-jaar") + " (0 mag).");
}

// The window's rules between the fields and its field checks, after every
// option has been read.
void PasSchermregelsToe(Lezer& lezer)
{
    ControleerSoortopties(lezer);
    TBerekeningInvoer& invoer = lezer.opties.Invoer;
    PasRegelsToeNaKeuze(invoer, lezer.gekozen);
    if (const auto fout = ControleerInvoer(invoer))
        throw OptieFout(fout->Melding + " (" + Naam(lezer, "geboortedatum") + " " +
                        FormatDutchDate(invoer.Geboortedatum) + ": " +
                        std::to_string(LeeftijdOpBerekeningsdatum(invoer)) + " jaar op " +
                        FormatDutchDate(invoer.BerekeningDatum) + ")");
}

const Optie* ZoekOptie(std::string_view naam)
{
    const int positie = Positie(naam);
    return positie < 0 ? nullptr : &OptieTabel()[static_cast<std::size_t>(positie)];
}

// Reads the value of the option at that position (-1: an unknown option of that name).
void LeesWaarde(Lezer& lezer, int positie, std::string_view naam, std::string_view waarde)
{
    if (positie < 0)
        throw OptieFout("onbekende optie " + Citaat(Naam(lezer, naam)) + ".");
    const Optie& optie = OptieTabel()[static_cast<std::size_t>(positie)];
    optie.zet(lezer, optie.beschrijving.Naam, waarde);
    lezer.gegeven.set(static_cast<std::size_t>(positie));
}

template <std::size_t N>
std::string Woord(int positie, const std::array<const char*, N>& woorden)
{
    return positie >= 0 && positie < static_cast<int>(N) ? woorden[static_cast<std::size_t>(positie)] : "";
}

} // namespace

double LeesBedrag(const std::string& optie, std::string_view tekst)
{
    const Getal getal = LeesGetal(tekst, 2, "een bedrag");
    std::string fout = getal.fout;
    if (getal.waarde && (*getal.waarde < 0 || *getal.waarde > MaximumBedrag))
        fout = std::string("kies een bedrag van 0 tot en met ") + MaximumBedragTekst + ".";
    if (!fout.empty())
        throw OptieFout("ongeldig bedrag " + Citaat(tekst) + " bij " + optie + ": " + fout);
    return *getal.waarde;
}

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

bool IsBerekenOptie(const std::string& naam) { return ZoekOptie(naam) != nullptr; }

bool IsHerhaalbareBerekenOptie(const std::string& naam)
{
    const Optie* optie = ZoekOptie(naam);
    return optie != nullptr && optie->beschrijving.Herhaalbaar;
}

void VoegBerekenOptiesToe(TOpdrachtregel& regel)
{
    for (const TBerekenOptie& optie : BerekenOptieLijst())
        regel.Optie(optie.Naam, optie.Waarden, std::string(optie.Uitleg) + " (standaard: " + optie.Standaard + ")",
                    optie.Herhaalbaar);
}

TBerekenOpties LeesBerekenOpties(const TOpdrachtregel& regel, TDateTime vandaag)
{
    TOptieWaarden waarden;
    for (const auto& [naam, waarde] : regel.Alle())
        if (IsBerekenOptie(naam))
            waarden.emplace_back(naam, waarde);
    return LeesBerekenOpties(waarden, vandaag, "--");
}

TBerekenOpties LeesBerekenOpties(const TOptieWaarden& waarden, TDateTime vandaag, const std::string& voorvoegsel)
{
    Lezer lezer;
    lezer.opties.Invoer = NieuweBerekeningInvoer(vandaag);
    lezer.voorvoegsel = voorvoegsel;
    for (const auto& [naam, waarde] : waarden)
        LeesWaarde(lezer, Positie(naam), naam, waarde);
    PasSchermregelsToe(lezer);
    return lezer.opties;
}

int BerekenOptiePositie(std::string_view naam) { return Positie(naam); }

void LeesBerekenOpties(std::span<const TOptieOpPositie> waarden, const TBerekeningInvoer& standaard,
                       TBerekenOpties& opties)
{
    Lezer lezer;
    lezer.opties = std::move(opties);
    lezer.opties.Invoer = standaard;
    lezer.opties.Regels.clear();
    lezer.opties.AwfPremieType.clear();
    lezer.opties.Fondsen.clear();
    for (const TOptieOpPositie& waarde : waarden)
        LeesWaarde(lezer, waarde.Positie, OptieTabel().at(static_cast<std::size_t>(waarde.Positie)).beschrijving.Naam,
                   waarde.Waarde);
    PasSchermregelsToe(lezer);
    opties = std::move(lezer.opties);
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

std::string SoortWoord(int positie) { return Woord(positie, kSoorten); }
std::string LoontijdvakWoord(int loontijdvak)
{
    return Woord((IsLoontijdvak(loontijdvak) ? loontijdvak : StandaardLoontijdvak) - 1, kLoontijdvakken);
}
std::string SoortLoonbedragWoord(int soort) { return Woord(soort, kSoortenLoonbedrag); }
std::string AwfPremieWoord(const std::string& type) { return type == "L" ? "laag" : type == "H" ? "hoog" : ""; }

} // namespace vkt::cli
