#include "Rekenomgeving.h"

#include "calc/OpenenBerekening.h"
#include "common/DataFolder.h"
#include "model/Kolomregels.h"
#include "support/Constanten.h"

#include <stdexcept>

namespace vkt::test {

Rekenomgeving::Rekenomgeving()
{
    werknemers_->OpenWerknemersQuery();
    constanten_ = GeladenConstanten(DataFolder(), EncodeDate(2020, 3, 1));
    vast_ = LaadNieuweHeffingsgegevens(*werknemers_, *constanten_, StandaardInvoer());
}

TBerekeningInvoer Rekenomgeving::StandaardInvoer()
{
    TBerekeningInvoer invoer;
    invoer.BerekeningDatum = EncodeDate(2020, 3, 15);
    invoer.Geboortedatum = EncodeDate(1985, 6, 1);
    invoer.WGWaoVastPercentage = 6.77;
    return invoer;
}

TBerekening& Rekenomgeving::Reken(TBerekeningInvoer invoer)
{
    TBerekening::VulHeffingsgegevens(*vast_, invoer);
    if (!berekening.Run(vast_.get(), invoer, *constanten_, meldingen))
        throw std::runtime_error("niet berekend");
    return berekening;
}

TBaseKolomRegel& Rekenomgeving::Regel(int regeltype, int looncomponent)
{
    if (TBaseKolomRegel* regel = vast_->Kolommen().ZoekRegel(regeltype, looncomponent))
        return *regel;
    throw std::runtime_error("geen regel van type " + std::to_string(regeltype));
}

void Rekenomgeving::ZetBedrag(int regeltype, double bedrag, int looncomponent)
{
    TBaseKolomRegel& regel = Regel(regeltype, looncomponent);
    TKolomRegelValues waarden = regel.Values();
    waarden.Bedrag = bedrag;
    waarden.BPD = bpdBedrag;
    regel.SetValues(waarden);
}

void Rekenomgeving::ZetPercentage(int regeltype, double percentage, int looncomponent)
{
    TBaseKolomRegel& regel = Regel(regeltype, looncomponent);
    TKolomRegelValues waarden = regel.Values();
    waarden.Percentage = percentage;
    waarden.BPD = bpdPercentage;
    regel.SetValues(waarden);
}

double Rekenomgeving::Kolom(int nummer) const
{
    return berekening.Heffingsgegevens()->Kolommen().GetKolom(nummer).Totaal;
}

} // namespace vkt::test
