#include "model/Datumregels.h"

#include "common/Exception.h"

#include <cmath>

namespace vkt {
namespace {

constexpr int kPensioenleeftijdInMaanden = 796;

TDateTime TijdVan(TDateTime datum) { return std::fabs(datum - std::trunc(datum)); }

// Runs a rule and puts its name in front of any error it raises.
template <typename Regel>
auto MetVoorvoegsel(const char* naam, Regel regel)
{
    try {
        return regel();
    } catch (const std::exception& error) {
        throw Exception(std::string(naam) + ": " + error.what());
    }
}

// Whether the pension age falls in a year before 2020, reckoned in months: a
// birth date late in the calendar has no date 796 months on to compute, and
// its pension age lies in no year before 2020 either.
bool PensioenleeftijdVoor2020(TDateTime geboortedatum)
{
    const DateParts geboren = DecodeDate(geboortedatum);
    return (geboren.year * 12 + geboren.month - 1 + kPensioenleeftijdInMaanden) / 12 < 2020;
}

} // namespace

int Jaar(TDateTime datum) { return DecodeDate(datum).year; }
int Maand(TDateTime datum) { return DecodeDate(datum).month; }
int Dag(TDateTime datum) { return DecodeDate(datum).day; }

bool IsSchrikkeljaar(int jaar) { return jaar % 4 == 0 && (jaar % 100 != 0 || jaar % 400 == 0); }

int DagenInMaand(TDateTime datum)
{
    static const int kDagen[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const DateParts p = DecodeDate(datum);
    return kDagen[p.month - 1] + (p.month == 2 && IsSchrikkeljaar(p.year) ? 1 : 0);
}

TDateTime EersteVanDeMaand(TDateTime datum)
{
    const DateParts p = DecodeDate(datum);
    return EncodeDate(p.year, p.month, 1);
}

TDateTime LaatsteVanDeMaand(TDateTime datum)
{
    const DateParts p = DecodeDate(datum);
    return EncodeDate(p.year, p.month, DagenInMaand(datum));
}

TDateTime VoegMaandenToe(TDateTime datum, int maanden)
{
    const DateParts p = DecodeDate(datum);
    const int totaal = p.year * 12 + (p.month - 1) + maanden;
    const int jaar = totaal / 12;
    const int maand = totaal % 12 + 1;
    const int laatsteDag = DagenInMaand(EncodeDate(jaar, maand, 1));
    return EncodeDate(jaar, maand, p.day < laatsteDag ? p.day : laatsteDag) + TijdVan(datum);
}

int Leeftijd(TDateTime peildatum, TDateTime geboortedatum)
{
    if (geboortedatum == 0)
        return 50;
    const DateParts geboren = DecodeDate(geboortedatum);
    if (geboren.year <= 100)
        return 0;
    const DateParts peil = DecodeDate(peildatum);
    int leeftijd = peil.year - geboren.year;
    if (peil.month < geboren.month || (peil.month == geboren.month && peil.day < geboren.day))
        --leeftijd;
    return leeftijd;
}

int LeeftijdInMaanden(TDateTime peildatum, TDateTime geboortedatum)
{
    return MetVoorvoegsel("LeeftijdInMaanden", [&] {
        if (geboortedatum == 0)
            return 600;
        const DateParts geboren = DecodeDate(geboortedatum);
        if (geboren.year <= 100)
            return 0;
        const DateParts peil = DecodeDate(peildatum);
        int maanden = (peil.year - geboren.year) * 12 + (peil.month - geboren.month);
        const bool laatsteDagVanDeMaand = peil.day == DagenInMaand(peildatum);
        if (peil.day < geboren.day && !laatsteDagVanDeMaand)
            --maanden;
        return maanden;
    });
}

bool IsWerknemerPensioengerechtigd(TDateTime peildatum, TDateTime geboortedatum)
{
    return MetVoorvoegsel("IsWerknemerPensioengerechtigd", [&] {
        if (geboortedatum == 0)
            return false; // unknown: counted as 50 years old, like the age
        if (PensioenleeftijdVoor2020(geboortedatum))
            return true;
        return LeeftijdInMaanden(peildatum, geboortedatum) >= kPensioenleeftijdInMaanden;
    });
}

bool IsAOWGerechtigdInMaand(TDateTime datum, TDateTime geboortedatum)
{
    return geboortedatum != 0 &&
           IsWerknemerPensioengerechtigd(EersteVanDeMaand(datum), EersteVanDeMaand(geboortedatum));
}

} // namespace vkt
