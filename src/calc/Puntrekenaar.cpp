#include "calc/Puntrekenaar.h"

#include "common/Exception.h"
#include "common/Meldingen.h"
#include "model/Afronding.h"
#include "model/DmConstanten.h"

namespace vkt {

TPuntRekenaar::TPuntRekenaar(const TVasteHeffingsgegevens& vast, TBerekeningInvoer invoer, TdmConstanten& constanten)
{
    invoer.SoortLoonbedrag = slBrutoloon;
    TBewaardeMeldingen meldingen; // a run for a gross wage has nothing to tell
    if (!berekening_.Run(&vast, invoer, constanten, meldingen))
        throw Exception("er zijn geen heffingsgegevens om het loonverloop mee te berekenen.");
}

TVerloopPunt TPuntRekenaar::Bereken(double brutoloon)
{
    THeffingsgegevens& heffing = *berekening_.Heffingsgegevens();
    heffing.Kolommen().SetBrutoloon(brutoloon);
    heffing.Bereken();
    // + 0.0: never a negative zero
    return {RondAfOpCenten(brutoloon) + 0.0, RondAfOpCenten(berekening_.Nettoloon()) + 0.0,
            RondAfOpCenten(berekening_.Loonheffing()) + 0.0, RondAfOpCenten(heffing.ToegepasteArbeidskorting) + 0.0,
            RondAfOpCenten(berekening_.Werkgeverslasten()) + 0.0};
}

} // namespace vkt
