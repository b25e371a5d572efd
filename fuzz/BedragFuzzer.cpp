// Amounts as users type them: the reader of the program (LeesGetal) and the
// command line's amount option. A number read is finite; blanks around it
// change nothing (they take the reader off its short way for plain numbers);
// an amount with at most two decimals reads back from the text the program
// writes for it; the option gives an amount from 0 to the largest or a usage
// error. The first byte of the input chooses the decimals allowed; the rest
// is the text, and, read as the bytes of a double, an amount to write.

#include "Controle.h"

#include "calc/Invoer.h"
#include "cli/BerekenOpties.h"
#include "cli/Opties.h"
#include "model/Afronding.h"
#include "model/Getallen.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace {

using namespace vkt;

bool Gelijk(const TGelezenGetal& a, const TGelezenGetal& b)
{
    return a.Fout == b.Fout && (a.Fout == TGelezenGetal::Ongeldig || a.Waarde == b.Waarde);
}

void ControleerLezen(const std::string& tekst, int decimalen)
{
    const TGelezenGetal gelezen = LeesGetal(tekst, decimalen);
    VKT_CONTROLEER(std::isfinite(gelezen.Waarde));
    VKT_CONTROLEER(Gelijk(gelezen, LeesGetal(" " + tekst + "\t", decimalen)));
    if (gelezen && decimalen <= 2 && std::fabs(gelezen.Waarde) < 1e12) {
        const TGelezenGetal terug = LeesGetal(FormatBedrag(gelezen.Waarde), 2);
        VKT_CONTROLEER(terug && terug.Waarde == gelezen.Waarde);
    }
}

void ControleerOptie(const std::string& tekst)
{
    try {
        const double bedrag = cli::LeesBedrag("--loonbedrag", tekst);
        VKT_CONTROLEER(bedrag >= 0 && bedrag <= MaximumBedrag);
        const TGelezenGetal gelezen = LeesGetal(tekst, 2);
        VKT_CONTROLEER(gelezen && gelezen.Waarde == bedrag);
    } catch (const cli::OptieFout&) {
    }
}

// Any double is written without failing; one below 10^12 reads back rounded
// to cents as the calculation rounds.
void ControleerSchrijven(double waarde)
{
    const std::string tekst = FormatBedrag(waarde, 12);
    VKT_CONTROLEER(!tekst.empty());
    if (std::isfinite(waarde) && std::fabs(waarde) < 1e12) {
        const TGelezenGetal terug = LeesGetal(tekst, 2);
        VKT_CONTROLEER(terug && terug.Waarde == RondAfOpCenten(waarde));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int keuzes[] = {0, 2, 3, 15, std::numeric_limits<int>::max()};
    const int decimalen = keuzes[data[0] % std::size(keuzes)];
    const std::string tekst(reinterpret_cast<const char*>(data) + 1, size - 1);
    ControleerLezen(tekst, decimalen);
    ControleerOptie(tekst);
    if (tekst.size() >= sizeof(double)) {
        double waarde = 0;
        std::memcpy(&waarde, tekst.data(), sizeof waarde);
        ControleerSchrijven(waarde);
    }
    return 0;
}
