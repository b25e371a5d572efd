#include "store/GrondslagWN.h"

#include "db/SQLOutputSet.h"
#include "db/Transactie.h"
#include "model/Heffingsgegevens.h"
#include "model/QuelvarException.h"
#include "store/DmVektaris.h"

#include <algorithm>

namespace vkt {
namespace {

std::string Regeltype(long long type) { return "Regeltype = " + std::to_string(type); }

// The key of the employee's record, as the output set needs it.
void ZetSleutel(db::TZNOADOSQLOutputSet& os, TdmVektaris& dm, bool alsVeld)
{
    auto waarde = [&](const char* kolom) -> db::TDBValue& {
        return alsVeld ? os.FieldValue(kolom) : os.KeyValue(kolom);
    };
    waarde("Werkgeversnummer").SetAsInteger(dm.Werkgeversnummer);
    waarde("Werknemersnummer").SetAsInteger(dm.Werknemersnummer);
    waarde("Ingangsdatum").SetAsDateTime(TdmVektaris::Hersteldatum());
    waarde("Hersteldatum").SetAsDateTime(TdmVektaris::Hersteldatum());
}

} // namespace

const std::array<TGrondslagKolommen, AantalGrondslagen>& GrondslagKolommen()
{
    static const std::array<TGrondslagKolommen, AantalGrondslagen> kolommen{{
        {"FormulePensioen", "IngeschakeldPensioen", {Regeltype(128), Regeltype(512)}},
        {"FormuleVUTFPU", "IngeschakeldVUTFPU", {Regeltype(256), Regeltype(1024)}},
        {"FormuleBelVrijVergoeding", "IngeschakeldBelVrijVergoeding", {"(Regeltype = 1048576 AND Vergoeding = 1)"}},
        {"FormuleBelVrijInhouding", "IngeschakeldBelVrijInhouding", {"(Regeltype = 1048576 AND Vergoeding = 0)"}},
        {"FormuleWW", "IngeschakeldWW", {Regeltype(262145), Regeltype(262146)}},
        {"FormuleWAO", "IngeschakeldWAO", {Regeltype(524289)}},
        {"FormuleZfw", "IngeschakeldZfw", {Regeltype(8192), Regeltype(16384)}},
        {"FormuleIP", "IngeschakeldIP", {Regeltype(1025), Regeltype(1026)}},
        {"FormuleWhk", "IngeschakeldWhk", {Regeltype(524291), Regeltype(10000001)}},
    }};
    return kolommen;
}

TGrondslagFormules TGrondslagWN::Laad()
{
    dm_.OpenGrondslagWN(dm_.Werkgeversnummer, dm_.Werknemersnummer);
    const db::Query& record = dm_.qryGrondslagWN;
    bestaat_ = !record.Eof();
    geladen_ = {};
    if (bestaat_)
        for (std::size_t i = 0; i < AantalGrondslagen; ++i) {
            geladen_[i].Formule = record.AsText(GrondslagKolommen()[i].Formule);
            geladen_[i].Ingeschakeld = record.AsBoolean(GrondslagKolommen()[i].Ingeschakeld);
        }
    return geladen_;
}

TGrondslagOpslag TGrondslagWN::Bewaar(const TGrondslagFormules& formules)
{
    const bool allesLeeg = std::all_of(formules.begin(), formules.end(),
                                       [](const TGrondslagFormule& f) { return f.Formule.empty(); });
    const TGrondslagOpslag modus = !bestaat_    ? TGrondslagOpslag::Invoegen
                                   : allesLeeg ? TGrondslagOpslag::Verwijderen
                                               : TGrondslagOpslag::Bijwerken;
    try {
        db::TEigenTransactie transactie(dm_.adbQuelvar);
        db::TZNOADOSQLOutputSet os(nullptr, "osGrondslagWN");
        os.SetConnection(&dm_.adbQuelvar);
        os.SetTableName("GrondslagWN");
        os.Open();
        switch (modus) {
        case TGrondslagOpslag::Invoegen:
            os.Insert();
            ZetSleutel(os, dm_, true);
            break;
        case TGrondslagOpslag::Bijwerken:
            os.Edit();
            ZetSleutel(os, dm_, false);
            break;
        case TGrondslagOpslag::Verwijderen:
            os.Delete();
            ZetSleutel(os, dm_, false);
            break;
        }
        if (modus != TGrondslagOpslag::Verwijderen)
            for (std::size_t i = 0; i < AantalGrondslagen; ++i) {
                os.FieldValue(GrondslagKolommen()[i].Formule).SetAsString(formules[i].Formule);
                os.FieldValue(GrondslagKolommen()[i].Ingeschakeld).SetAsBoolean(formules[i].Ingeschakeld);
            }
        os.Post();
        UpdateHeffingsregels(formules);
        transactie.Commit();
    } catch (const std::exception& fout) {
        throw EQuelvarException("het opslaan van de afwijkende berekeningsgrondslagen", fout.what());
    }
    bestaat_ = modus != TGrondslagOpslag::Verwijderen;
    geladen_ = formules;
    return modus;
}

// The stored lines of a premium whose switch changed take their basis from
// the formula or no longer; lines of other premiums keep theirs.
void TGrondslagWN::UpdateHeffingsregels(const TGrondslagFormules& formules)
{
    std::vector<std::string> aan;
    std::vector<std::string> uit;
    for (std::size_t i = 0; i < AantalGrondslagen; ++i) {
        if (formules[i].Ingeschakeld == geladen_[i].Ingeschakeld)
            continue;
        auto& lijst = formules[i].Ingeschakeld ? aan : uit;
        lijst.insert(lijst.end(), GrondslagKolommen()[i].Regels.begin(), GrondslagKolommen()[i].Regels.end());
    }
    try {
        ZetKolomType(aan, 0);
        ZetKolomType(uit, 1);
    } catch (const std::exception& fout) {
        throw Exception(std::string("TfrmAfwijkendeGrondslagWN.UpdateHeffingsregels: ") + fout.what());
    }
    if ((!aan.empty() || !uit.empty()) && dm_.qryVastHefReg.Active())
        dm_.qryVastHefReg.Requery();
}

void TGrondslagWN::ZetKolomType(const std::vector<std::string>& regels, int kolomType)
{
    if (regels.empty())
        return;
    std::string voorwaarde;
    for (const std::string& regel : regels)
        voorwaarde += (voorwaarde.empty() ? "" : " OR ") + regel;
    db::Query opdracht(dm_.adbQuelvar,
                       "UPDATE Heffingsregels SET KolomType = " + std::to_string(kolomType) +
                           " WHERE Werkgeversnummer = :WGNummer AND Werknemersnummer = :WNNummer"
                           " AND Ingangsdatum = :Ingangsdatum AND (" + voorwaarde + ")");
    opdracht.Param("WGNummer").SetInteger(dm_.Werkgeversnummer);
    opdracht.Param("WNNummer").SetInteger(dm_.Werknemersnummer);
    opdracht.Param("Ingangsdatum").SetDateTime(TdmVektaris::Hersteldatum());
    opdracht.ExecSQL();
}

void TGrondslagWN::GeefAan(THeffingsgegevens& heffing)
{
    dm_.OpenGrondslagWN(dm_.Werkgeversnummer, dm_.Werknemersnummer);
    heffing.LaadFormules(dm_.qryGrondslagWN);
    dm_.qryGrondslagWN.Close();
}

} // namespace vkt
