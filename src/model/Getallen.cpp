#include "model/Getallen.h"

#include "model/Afronding.h"

#include "common/Text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>

namespace vkt {
namespace {

std::string MetKomma(std::string tekst)
{
    std::replace(tekst.begin(), tekst.end(), '.', ',');
    return tekst;
}

bool AlleenCijfers(std::string_view tekst)
{
    return std::all_of(tekst.begin(), tekst.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The digits of an integer part written with "." between groups of three
// ("1.234.567"), or nothing when it is not written that way.
std::optional<std::string> ZonderGroepen(std::string_view deel)
{
    std::string cijfers;
    std::size_t begin = 0;
    for (std::size_t groep = 0;; ++groep) {
        const std::size_t punt = std::min(deel.find('.', begin), deel.size());
        const std::string_view stuk = deel.substr(begin, punt - begin);
        const bool goed = groep == 0 ? !stuk.empty() && stuk.size() <= 3 && stuk.front() != '0' : stuk.size() == 3;
        if (!goed || !AlleenCijfers(stuk))
            return std::nullopt;
        cijfers += stuk;
        if (punt == deel.size())
            return cijfers;
        begin = punt + 1;
    }
}

// The usual form "1234" or "1234,56", with at most fifteen digits: read as a
// whole number of units of its last decimal divided by a power of ten. Both
// numbers are exact doubles and the division rounds to the nearest double,
// as reading the decimal text does, so the value is the same.
std::optional<TGelezenGetal> LeesEenvoudig(std::string_view tekst, int maximumDecimalen)
{
    const std::size_t komma = std::min(tekst.find(','), tekst.size());
    const std::string_view geheel = tekst.substr(0, komma);
    const std::string_view decimalen = komma < tekst.size() ? tekst.substr(komma + 1) : std::string_view();
    if (geheel.empty() || (komma < tekst.size() && decimalen.empty()) || geheel.size() + decimalen.size() > 15 ||
        !AlleenCijfers(geheel) || !AlleenCijfers(decimalen))
        return std::nullopt;
    long long eenheden = 0;
    double schaal = 1;
    for (const char c : geheel)
        eenheden = eenheden * 10 + (c - '0');
    for (const char c : decimalen) {
        eenheden = eenheden * 10 + (c - '0');
        schaal *= 10;
    }
    TGelezenGetal gelezen;
    gelezen.Waarde = static_cast<double>(eenheden) / schaal;
    gelezen.Fout = static_cast<int>(decimalen.size()) > maximumDecimalen ? TGelezenGetal::TeVeelDecimalen
                                                                          : TGelezenGetal::Geen;
    return gelezen;
}

} // namespace

TGelezenGetal LeesGetal(std::string_view invoer, int maximumDecimalen)
{
    if (const auto eenvoudig = LeesEenvoudig(invoer, maximumDecimalen))
        return *eenvoudig;
    const std::string tekst = Trim(invoer);
    std::string_view rest = tekst;
    std::string getal;
    if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) {
        if (rest.front() == '-')
            getal += '-';
        rest.remove_prefix(1);
    }
    std::string_view geheel = rest;
    std::string_view decimalen;
    bool metDecimalen = false;
    if (const std::size_t komma = rest.find(','); komma != std::string_view::npos) {
        geheel = rest.substr(0, komma);
        decimalen = rest.substr(komma + 1);
        metDecimalen = true;
    } else if (const std::size_t punt = rest.find('.');
               punt != std::string_view::npos && rest.find('.', punt + 1) == std::string_view::npos &&
               !ZonderGroepen(rest)) {
        geheel = rest.substr(0, punt);
        decimalen = rest.substr(punt + 1);
        metDecimalen = true;
    }
    std::string cijfers(geheel);
    if (geheel.find('.') != std::string_view::npos) {
        const auto zonderGroepen = ZonderGroepen(geheel);
        if (!zonderGroepen)
            return {};
        cijfers = *zonderGroepen;
    }
    if (!AlleenCijfers(cijfers) || !AlleenCijfers(decimalen) || (cijfers.empty() && decimalen.empty()) ||
        (metDecimalen && decimalen.empty() && cijfers.empty()))
        return {};
    getal += (cijfers.empty() ? "0" : cijfers) + (decimalen.empty() ? "" : "." + std::string(decimalen));
    TGelezenGetal gelezen;
    const auto [einde, fout] = std::from_chars(getal.data(), getal.data() + getal.size(), gelezen.Waarde);
    if (fout != std::errc() || einde != getal.data() + getal.size() || !std::isfinite(gelezen.Waarde))
        return {};
    gelezen.Waarde += 0.0; // "-0" reads as 0
    gelezen.Fout = static_cast<int>(decimalen.size()) > maximumDecimalen ? TGelezenGetal::TeVeelDecimalen
                                                                         : TGelezenGetal::Geen;
    return gelezen;
}

std::optional<long long> BedragInCenten(double bedrag)
{
    const double centen = RondAf(bedrag * 100);
    if (!(std::fabs(centen) <= kGrootsteCentenbedrag))
        return std::nullopt;
    return static_cast<long long>(centen);
}

std::string FormatBedrag(double waarde, int breedte) { return FormatVast(waarde, 2, breedte); }

namespace {

// "00" to "99": the whole part is written two digits at a time.
constexpr char kTweeCijfers[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                "8081828384858687888990919293949596979899";

// The powers of ten that fit an unsigned 64-bit number.
constexpr std::array<unsigned long long, 20> kMachtenVanTien = [] {
    std::array<unsigned long long, 20> machten{};
    unsigned long long macht = 1;
    for (auto& m : machten) {
        m = macht;
        macht *= 10;
    }
    return machten;
}();

// How many digits n has (0 has one): log10 estimated from its bits, then
// corrected. n | 1 has as many digits as n.
int AantalCijfers(unsigned long long n)
{
    n |= 1;
    const int schatting = (std::bit_width(n) * 1233) >> 12;
    return schatting + 1 - (n < kMachtenVanTien[static_cast<std::size_t>(schatting)] ? 1 : 0);
}

// Writes the last two digits of n before p.
char* SchrijfPaar(char* p, unsigned long long n)
{
    p -= 2;
    std::memcpy(p, kTweeCijfers + 2 * (n % 100), 2);
    return p;
}

// The number of units of the last decimal as "-12,34": for up to three
// decimals and fewer than 10^12 units, the double nearest to it lies within a
// tenth of a unit, so printing that double with the decimals would give
// these digits too. The length comes first, so that the digits go straight
// to their place, from the last one back.
char* SchrijfEenheden(char* begin, char* einde, long long eenheden, int decimalen)
{
    const auto alles = static_cast<unsigned long long>(eenheden < 0 ? -eenheden : eenheden);
    const unsigned long long schaal = kMachtenVanTien[static_cast<std::size_t>(decimalen)];
    unsigned long long geheel = alles / schaal;
    unsigned long long deel = alles % schaal;
    const int cijfers = AantalCijfers(geheel);
    const int teken = eenheden < 0 ? 1 : 0;
    const auto lengte = static_cast<std::size_t>(teken + cijfers + (decimalen > 0 ? decimalen + 1 : 0));
    if (static_cast<std::size_t>(einde - begin) < lengte)
        return begin;
    char* p = begin + lengte;
    for (int i = decimalen; i >= 2; i -= 2, deel /= 100)
        p = SchrijfPaar(p, deel);
    if (decimalen % 2 == 1)
        *--p = static_cast<char>('0' + deel);
    if (decimalen > 0)
        *--p = ',';
    for (; geheel >= 10; geheel /= 100)
        p = SchrijfPaar(p, geheel);
    if (cijfers % 2 == 1)
        *--p = static_cast<char>('0' + geheel);
    if (teken)
        *--p = '-';
    return begin + lengte;
}

} // namespace

char* SchrijfVast(char* begin, char* einde, double waarde, int decimalen)
{
    // Rounded as the calculation rounds, so that a half cent goes up.
    const double schaal = decimalen == 2 ? 100 : std::pow(10.0, decimalen);
    const double eenheden = RondAf(waarde * schaal);
    if (decimalen >= 0 && decimalen <= 3 && std::fabs(eenheden) < 1e12)
        return SchrijfEenheden(begin, einde, static_cast<long long>(eenheden), decimalen);
    waarde = eenheden / schaal;
    if (waarde == 0)
        waarde = 0; // no "-0,00"
    const auto [eind, fout] = std::to_chars(begin, einde, waarde, std::chars_format::fixed, decimalen);
    if (fout != std::errc())
        return begin;
    std::replace(begin, eind, '.', ',');
    return eind;
}

std::string FormatVast(double waarde, int decimalen, int breedte)
{
    char buffer[kMaximumVastLengte];
    const char* einde = SchrijfVast(buffer, buffer + sizeof buffer, waarde, decimalen);
    const auto lengte = static_cast<std::size_t>(einde - buffer);
    const auto opvulling = static_cast<std::size_t>(std::max(breedte, 0));
    std::string tekst(lengte < opvulling ? opvulling - lengte : 0, ' ');
    return tekst.append(buffer, lengte);
}

std::string FormatAlgemeen(double waarde)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", waarde);
    return MetKomma(buffer);
}

} // namespace vkt
