#include "store/Gegevensscherm.h"

#include "db/Parameters.h"
#include "store/DmVektaris.h"

namespace vkt {
namespace {

// Field lengths as the window gives them: they must fit the columns.
constexpr int kBedragLengte = 24;
constexpr int kDatumLengte = 19;
constexpr int kVinkLengte = 2;
constexpr int kKeuzeLengte = 6;

void Bind(db::TZNODBComponent& veld, db::TZNODataGroup& groep, const char* outputSet, const char* kolom, int lengte,
          const char* invoerkolom = nullptr)
{
    veld.SetDataGroup(&groep);
    veld.SetSQLOutputSet(outputSet);
    veld.SetSQLOutputField(kolom);
    veld.SetSQLInputField(invoerkolom != nullptr ? invoerkolom : kolom);
    veld.SetMaxLength(lengte);
}

db::TKeyList Sleutels(std::initializer_list<std::pair<const char*, const char*>> paren)
{
    db::TKeyList lijst;
    for (const auto& [sleutel, tekst] : paren)
        lijst.Add(sleutel, tekst);
    return lijst;
}

} // namespace

TGegevensScherm::TGegevensScherm(TdmVektaris& dm)
    : osGegevensWN(&Componenten, "osGegevensWN"), osBerekeningsgegevens(&Componenten, "osBerekeningsgegevens"),
      osHeffingsgegevens(&Componenten, "osHeffingsgegevens"), dgGegevensWN(&Componenten, "dgGegevensWN"),
      dgHeffingsgegevens(&Componenten, "dgHeffingsgegevens"), edWGVakantiegeld(&Componenten, "edWGVakantiegeld"),
      cbActiefWAO(&Componenten, "cbActiefWAO"), cbActiefWhk(&Componenten, "cbActiefWhk"),
      cbActiefWW(&Componenten, "cbActiefWW"), cbActiefZvw(&Componenten, "cbActiefZvw"),
      cbActiefVUTFPU(&Componenten, "cbActiefVUTFPU"), cbActiefPensioen(&Componenten, "cbActiefPensioen"),
      cbActiefIP(&Componenten, "cbActiefIP"), cbActiefLevensloop(&Componenten, "cbActiefLevensloop"),
      cbWGLastenTonen(&Componenten, "cbWGLastenTonen"), cbLoonInclVakantie(&Componenten, "cbLoonInclVakantie"),
      cbSFDeeltijd(&Componenten, "cbSFDeeltijd"), cmbSoortWerknemer(&Componenten, "cmbSoortWerknemer"),
      edGebDatum(&Componenten, "edGebDatum"), cmbLoontijdvak(&Componenten, "cmbLoontijdvak"),
      cmbLoonbedrag(&Componenten, "cmbLoonbedrag"), edLoonbedrag(&Componenten, "edLoonbedrag"),
      cmbTabelkleur(&Componenten, "cmbTabelkleur"),
      cmbLoonbelastingtabelVoorInwoner(&Componenten, "cmbLoonbelastingtabelVoorInwoner"),
      edDeeltijdFactor(&Componenten, "edDeeltijdFactor"), cbIPzonderDeeltijd(&Componenten, "cbIPzonderDeeltijd"),
      cbToepLoonheffing(&Componenten, "cbToepLoonheffing"), edJaarloonLBPH(&Componenten, "edJaarloonLBPH"),
      edLoonheffingVrij(&Componenten, "edLoonheffingVrij"), cbWW(&Componenten, "cbWW"), cbWAO(&Componenten, "cbWAO"),
      cbZfw(&Componenten, "cbZfw"), cmbAWfPremieType(&Componenten, "cmbAWfPremieType"),
      edLoondagenVoorDagtabel(&Componenten, "edLoondagenVoorDagtabel"),
      edArtiestLoonheffing(&Componenten, "edArtiestLoonheffing"), deBerekeningDatum(&Componenten, "deBerekeningDatum")
{
    for (auto [set, tabel] : {std::pair{&osGegevensWN, "Werknemersgegevens"},
                               std::pair{&osBerekeningsgegevens, "BerekeningsgegevensVKT"},
                               std::pair{&osHeffingsgegevens, "Heffingsgegevens"}}) {
        set->SetTableName(tabel);
        set->SetConnection(&dm.adbQuelvar);
    }
    // The settings row is keyed by the employee; the numbers are those of the
    // data module, also when the employee has only just been given one.
    osBerekeningsgegevens.BeforeExecuteSQL = [this, &dm](db::TZNOSQLOutputSet&, std::string&, bool&) {
        for (auto [naam, nummer] : {std::pair{"Werkgeversnummer", dm.Werkgeversnummer},
                                    std::pair{"Werknemersnummer", dm.Werknemersnummer}})
            if (db::Parameter* parameter = osBerekeningsgegevens.Params().Find(naam))
                parameter->SetInteger(nummer);
    };
    dgGegevensWN.SetInputSet(&dm.qryWNvkt);
    dgGegevensWN.SetOutputSets({"osBerekeningsgegevens", "osGegevensWN"});
    dgHeffingsgegevens.SetInputSet(&dm.qryVastHefGeg);
    dgHeffingsgegevens.SetOutputSets({"osHeffingsgegevens"});

    const char* const bg = "osBerekeningsgegevens";
    const char* const wn = "osGegevensWN";
    Bind(edWGVakantiegeld, dgGegevensWN, bg, "PercentageVakantiegeld", kBedragLengte);
    for (auto [vink, kolom] :
         {std::pair{&cbActiefWAO, "ActiefWAO"}, std::pair{&cbActiefWhk, "ActiefWhk"}, std::pair{&cbActiefWW, "ActiefWW"},
          std::pair{&cbActiefZvw, "ActiefZvw"}, std::pair{&cbActiefVUTFPU, "ActiefVUTFPU"},
          std::pair{&cbActiefPensioen, "ActiefPensioen"}, std::pair{&cbActiefIP, "ActiefIP"},
          std::pair{&cbActiefLevensloop, "ActiefLevensloop"}, std::pair{&cbWGLastenTonen, "WGLastenTonen"},
          std::pair{&cbLoonInclVakantie, "InclusiefVakantie"}, std::pair{&cbSFDeeltijd, "SFDeeltijd"}})
        Bind(*vink, dgGegevensWN, bg, kolom, kVinkLengte);
    cmbSoortWerknemer.SetKeyList(Sleutels({{"0", "Werknemer"},
                                           {"2", "Bijzonder loon"},
                                           {"3", "Binn. Artiest/Beroepssporter"},
                                           {"6", "Buit. Artiest/Beroepssporter"},
                                           {"4", "Vrije berekening werknemers"},
                                           {"5", "Vrije berekening artiest/sporter"}}));
    Bind(cmbSoortWerknemer, dgGegevensWN, wn, "WerknemerSoort", kKeuzeLengte);
    Bind(edGebDatum, dgGegevensWN, wn, "Geboortedatum", kDatumLengte);
    cmbLoontijdvak.SetKeyList(
        Sleutels({{"5", "Dag"}, {"4", "Week"}, {"3", "4 Weken"}, {"2", "Maand"}, {"1", "Kwartaal"}}));
    Bind(cmbLoontijdvak, dgGegevensWN, wn, "Loontijdvak", kKeuzeLengte);
    cmbLoonbedrag.SetKeyList(Sleutels({{"0", "brutoloon"},
                                       {"1", "sociaal loon"},
                                       {"2", "loonheffingsloon"},
                                       {"3", "nettoloon"},
                                       {"4", "werkgeverslasten"},
                                       {"5", "Zvw-loon"}}));
    Bind(cmbLoonbedrag, dgGegevensWN, bg, "SoortLoonbedrag", kKeuzeLengte);
    Bind(edLoonbedrag, dgGegevensWN, wn, "Vastloon", kBedragLengte);
    cmbTabelkleur.SetKeyList(Sleutels({{"0", "Wit"}, {"1", "Groen"}}));
    Bind(cmbTabelkleur, dgGegevensWN, wn, "Tabelkleur", kKeuzeLengte);
    cmbLoonbelastingtabelVoorInwoner.SetKeyList(Sleutels({{"0", "Inwoners van Nederland"},
                                                          {"1", "EU, EER, Zwitserland of BES"},
                                                          {"3", "België"},
                                                          {"4", "Suriname/Aruba"},
                                                          {"2", "Een derde land"}}));
    Bind(cmbLoonbelastingtabelVoorInwoner, dgGegevensWN, wn, "LoonbelastingtabelVoorInwoner", kKeuzeLengte);
    Bind(edDeeltijdFactor, dgGegevensWN, wn, "Deeltijdpercentage", kBedragLengte);
    Bind(cbIPzonderDeeltijd, dgGegevensWN, bg, "IPzonderDeeltijd", kVinkLengte);
    Bind(cbToepLoonheffing, dgGegevensWN, wn, "CodeLoonheffingskorting", kVinkLengte);
    Bind(edJaarloonLBPH, dgGegevensWN, wn, "JaarloonVorigJaar", kBedragLengte);
    Bind(edLoonheffingVrij, dgGegevensWN, bg, "PercentageLoonheffing", kBedragLengte);
    Bind(cbWW, dgGegevensWN, wn, "VerzekerdWW", kVinkLengte);
    Bind(cbWAO, dgGegevensWN, wn, "VerzekerdWAO", kVinkLengte);
    Bind(cbZfw, dgGegevensWN, wn, "VerzekerdZfW", kVinkLengte);
    cmbAWfPremieType.SetKeyList(Sleutels({{"L", "Laag"}, {"H", "Hoog"}}));
    Bind(cmbAWfPremieType, dgHeffingsgegevens, "osHeffingsgegevens", "AwfPremieType", kKeuzeLengte);
    Bind(edLoondagenVoorDagtabel, dgHeffingsgegevens, "osHeffingsgegevens", "DagTabelDagen", kBedragLengte);
    Bind(edArtiestLoonheffing, dgGegevensWN, bg, "Artiestloonheffing", kBedragLengte, "ArtiestLoonheffing");
    Bind(deBerekeningDatum, dgGegevensWN, bg, "BerekeningsDatum", kDatumLengte);
}

} // namespace vkt
