#include "calc/Regelwaarden.h"

#include "model/Heffingsgegevens.h"

namespace vkt {

bool ZetRegelWaarde(THeffingsgegevens& heffing, const TRegelWaarde& waarde)
{
    TBaseKolomRegel* regel = heffing.Kolommen().ZoekRegel(waarde.Regeltype, waarde.Looncomponentnummer);
    if (regel == nullptr)
        return false;
    TKolomRegelValues waarden = regel->Values();
    if (waarde.IsPercentage) {
        waarden.Percentage = waarde.Waarde;
        waarden.BPD = bpdPercentage;
    } else {
        waarden.Bedrag = waarde.Waarde;
        waarden.BPD = bpdBedrag;
    }
    if (regel->Regeltype == rtVergoedingInhouding && regel->Looncomponentnummer == 2)
        waarden.Inhouding = true;
    regel->SetValues(waarden);
    return true;
}

} // namespace vkt
