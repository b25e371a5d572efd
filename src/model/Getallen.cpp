#include "model/Getallen.h"

#include "model/Afronding.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vkt {
namespace {

std::string MetKomma(std::string tekst)
{
    std::replace(tekst.begin(), tekst.end(), '.', ',');
    return tekst;
}

} // namespace

std::string FormatBedrag(double waarde, int breedte)
{
    // Rounded as the calculation rounds, so that a half cent goes up.
    waarde = RondAfOpCenten(waarde);
    if (waarde == 0)
        waarde = 0; // no "-0,00"
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%*.2f", breedte, waarde);
    return MetKomma(buffer);
}

std::string FormatAlgemeen(double waarde)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", waarde);
    return MetKomma(buffer);
}

} // namespace vkt
