#include "calc/Puntrekenaar.h"

#include "common/Exception.h"
#include "common/Meldingen.h"
#include "model/Afronding.h"
#include "model/DmConstanten.h"
#include "model/Heffingsgegevens.h"

#include <cmath>

namespace vkt {
namespace {

const TFiscaal& Fiscaal(const THeffingsgegevens& heffing)
{
    if (heffing.Constanten == nullptr)
        throw Exception("De fiscale gegevens van de berekeningsdatum zijn niet ingesteld.");
    return heffing.Constanten->Fiscaal();
}

} // namespace

double Tabelstap(const THeffingsgegevens& heffing)
{
    return heffing.Terugrekenen(Fiscaal(heffing).FactorBerekenGrens()) *
           heffing.DagTabelFactor(heffing.TabelLoontijdvak());
}

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

TTabelplek TPuntRekenaar::Tabelplek() const
{
    const THeffingsgegevens& heffing = *berekening_.Heffingsgegevens();
    const TFiscaal& fiscaal = Fiscaal(heffing);
    TTabelplek plek{heffing.Kolommen().GetKolomTotaal(14), std::nullopt};
    const double jaarloon = heffing.JaarloonVoorTabel(heffing.PeriodeLoonVoorTabel());
    // Rows beyond a whole number's reach (damaged constants) are no rows.
    if (fiscaal.FactorBerekenGrens() > 0 && jaarloon <= fiscaal.BerekenGrens() &&
        std::fabs(jaarloon / fiscaal.FactorBerekenGrens()) < 1e15)
        plek.Rij = std::llround(jaarloon / fiscaal.FactorBerekenGrens());
    return plek;
}

double TPuntRekenaar::Tabelstap() const { return vkt::Tabelstap(*berekening_.Heffingsgegevens()); }

} // namespace vkt
