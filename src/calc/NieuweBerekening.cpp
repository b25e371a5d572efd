#include "calc/NieuweBerekening.h"

#include "calc/Berekening.h"
#include "model/DmConstanten.h"
#include "model/Kolomregels.h"
#include "model/QuelvarException.h"
#include "store/DmVektaris.h"

namespace vkt {
namespace {

// The employer's Zvw rate, or the most recent rate of the constants
// database when the employer has none.
void ZetZvwPercentages(THeffingsgegevens& t, const db::Record& werkgever, TdmConstanten& constanten)
{
    db::Query& percentages = constanten.qryPercentages;
    percentages.Close();
    percentages.Param("IngDat").SetDateTime(EncodeDate(9999, 12, 31));
    percentages.Open();
    auto rate = [&](const char* kolom) {
        const double eigen = werkgever.AsDouble(kolom);
        return eigen != 0 || percentages.Eof() ? eigen : percentages.AsDouble(kolom);
    };
    t.PremieZfwWG = rate("PremieZfwWG");
    t.PremieZfwWN = rate("PremieZfwWN");
    percentages.Close();
}

} // namespace

std::unique_ptr<TVasteHeffingsgegevens> LaadNieuweHeffingsgegevens(TdmVektaris& werknemers, TdmConstanten& constanten,
                                                                   const TBerekeningInvoer& invoer)
{
    auto vast = std::make_unique<TVasteHeffingsgegevens>();
    const TDateTime datum = TdmConstanten::BeginBerekeningsdatum(Today());
    vast->SetBerekeningsDatum(datum);
    constanten.Berekeningsdatum = datum;
    vast->SetConstanten(&constanten.GetConstanten());

    const db::Record& werkgever = werknemers.qryWG;
    vast->PercentageVakantiegeld = werkgever.AsDouble("PercentageVakantiegeld");
    ZetZvwPercentages(*vast, werkgever, constanten);
    vast->PremieWAOVast = werkgever.AsDouble("PremieWAOVast");
    vast->PremieWhk = werkgever.AsDouble("PremieWhk");
    vast->PremieAwfLaag = werkgever.AsDouble("PremieAwfLaag");
    vast->PremieAwfHoog = werkgever.AsDouble("PremieAwfHoog");
    vast->SetGeenHeffingsrecord(true);
    vast->ZetStandaardwaarden();
    TBerekening::VulHeffingsgegevens(*vast, invoer);
    vast->MaakStandaardRegels(werknemers.qrySystemLC, werkgever);
    SetWAOPremieRegel(*vast);
    return vast;
}

TBaseKolomRegel* SetWAOPremieRegel(TVasteHeffingsgegevens& vast)
{
    try {
        TCustomKolom& kolom = vast.Kolommen().Kolom(0);
        for (int i = 0; i < kolom.Count(); ++i)
            if (kolom.GetRegel(i).Regeltype == rtWAOPremieVast) {
                if (auto* regel = Als<TCustomBPDKolomRegel>(&kolom.GetRegel(i)))
                    regel->Percentage = vast.GeenWAOVastPremie() ? 0 : vast.PremieWAOVast;
                return &kolom.GetRegel(i);
            }
        return nullptr;
    } catch (const std::exception& error) {
        throw EQuelvarException(std::string("frmMain.SetWAOPremieRegel: ") + error.what());
    }
}

} // namespace vkt
