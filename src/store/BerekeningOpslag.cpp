#include "store/BerekeningOpslag.h"

#include "common/Meldingen.h"
#include "common/Text.h"
#include "db/Transactie.h"
#include "model/Enumeraties.h"
#include "model/Heffingsgegevens.h"
#include "model/QuelvarException.h"
#include "store/DmVektaris.h"
#include "store/Gegevensscherm.h"
#include "store/SocialeFondsen.h"
#include "store/WerknemerRecords.h"

#include <functional>

namespace vkt {
namespace {

const char* const kHeffingsgegevensActie = "het opslaan van de heffingsgegevens. De operatie is geannuleerd.";
const char* const kWerknemerActie = "het bewaren van de werknemergegevens. De operatie is geannuleerd.";

// Runs a step; its error becomes an EQuelvarException for the action.
void Stap(const char* actie, const std::function<void()>& stap)
{
    try {
        stap();
    } catch (const std::exception& error) {
        throw EQuelvarException(actie, error.what());
    }
}

// The output sets are open only while a save runs.
class TOpenSets {
public:
    explicit TOpenSets(std::initializer_list<db::TZNOSQLOutputSet*> sets) : sets_(sets)
    {
        for (db::TZNOSQLOutputSet* set : sets_)
            set->Open();
    }
    ~TOpenSets()
    {
        for (db::TZNOSQLOutputSet* set : sets_)
            set->Close();
    }

private:
    std::vector<db::TZNOSQLOutputSet*> sets_;
};

void Heropen(db::Query& query)
{
    query.Close();
    query.Open();
}

} // namespace

bool IsNieuweNaam(const std::string& oud, const std::string& nieuw)
{
    const std::string naam = Trim(nieuw);
    return !naam.empty() && ToUpperUtf8(naam) != ToUpperUtf8(Trim(oud));
}

void TBerekeningOpslag::BewaarAls(TVasteHeffingsgegevens& vast, const std::string& naam)
{
    const int oud = dm_.Werknemersnummer;
    KaartModus = kmNieuw;
    scherm_.Naam = naam;
    vast.SetGeenHeffingsrecord(true);
    BewaarBerekening(vast);
    records_.KopieerGrondslag(oud, &vast);
}

void TBerekeningOpslag::ToonLengtemeldingen()
{
    for (db::TZNODataGroup* groep : {&scherm_.dgGegevensWN, &scherm_.dgHeffingsgegevens})
        groep->ShowMessage = [this](const std::string& tekst) { meldingen_.ToonMelding(tekst); };
}

bool TBerekeningOpslag::IsArtiest() const
{
    const std::string soort = scherm_.cmbSoortWerknemer.Key();
    return soort == std::to_string(sbBinnenlandseArtiest) || soort == std::to_string(sbBuitenlandseArtiest) ||
           soort == std::to_string(sbVrijeBerekeningArtiest);
}

void TBerekeningOpslag::BewaarBerekening(TVasteHeffingsgegevens& vast)
{
    const int werknemerVooraf = dm_.Werknemersnummer;
    db::TEigenTransactie transactie(dm_.adbQuelvar);
    try {
        BewaarWerknemer();
        vast.Werkgeversnummer = dm_.Werkgeversnummer;
        vast.Werknemersnummer = dm_.Werknemersnummer;
        BewaarHeffingsgegevens(vast);
        vast.Kolommen().SlaRegelsOp(dm_.adbQuelvar, TdmVektaris::Hersteldatum(), TdmVektaris::Hersteldatum());
        fondsen_.BewaarSocialeFondsen(dm_.Werknemersnummer);
        transactie.Commit();
    } catch (const std::exception& error) {
        transactie.Rollback();
        // Nothing was stored, so the calculation keeps the number it had.
        dm_.SetWerknemersnummer(werknemerVooraf);
        vast.Werknemersnummer = werknemerVooraf;
        try {
            dm_.qryVastHefGeg.Requery();
            dm_.qryWNvkt.Requery();
            dm_.qryWNvkt.Locate("Werknemersnummer", db::Value::Integer(werknemerVooraf));
        } catch (...) {
            // The save's own error is the one to report.
        }
        throw EQuelvarException(kHeffingsgegevensActie, error.what());
    }
}

void TBerekeningOpslag::BewaarWerknemer()
{
    TOpenSets open({&scherm_.osGegevensWN, &scherm_.osBerekeningsgegevens});
    Stap(kWerknemerActie, [&] {
        const int n = KaartModus == kmBestaand ? dm_.Werknemersnummer : 0;
        db::TZNODataGroup& groep = scherm_.dgGegevensWN;
        if (KaartModus == kmBestaand)
            groep.Edit();
        else
            groep.Insert();
        groep.WriteValues();
        scherm_.osGegevensWN.FieldValue("Geboortedatum").SetAsDateTime(scherm_.edGebDatum.Date().value_or(0));
        if (scherm_.cmbTabelkleur.Key().empty() || scherm_.cmbTabelkleur.Key() == "0")
            scherm_.osGegevensWN.FieldValue("Tabelkleur").SetAsInteger(0);
        if (IsArtiest()) {
            scherm_.osBerekeningsgegevens.FieldValue("ArtiestAftrekBedrag").SetAsFloat(scherm_.ArtiestAftrekBedrag);
            scherm_.osBerekeningsgegevens.FieldValue("ArtiestAftrekBPType").SetAsInteger(0);
        }
        if (KaartModus == kmNieuw)
            VoegNieuweWerknemerToe();
        groep.Post();
        dm_.qryWNvkt.Requery();
        dm_.qryWNvkt.Locate("Werknemersnummer", db::Value::Integer(KaartModus == kmNieuw ? dm_.Werknemersnummer : n));
    });
}

void TBerekeningOpslag::VoegNieuweWerknemerToe()
{
    const int n = records_.NieuwWerknemersnummer();
    dm_.SetWerknemersnummer(n);
    db::TZNOSQLOutputSet& werknemer = scherm_.osGegevensWN;
    werknemer.FieldValue("Werkgeversnummer").SetAsInteger(dm_.Werkgeversnummer);
    werknemer.FieldValue("Werknemersnummer").SetAsInteger(n);
    werknemer.FieldValue("Ingangsdatum").SetAsDateTime(TdmVektaris::Hersteldatum());
    werknemer.FieldValue("Hersteldatum").SetAsDateTime(TdmVektaris::Hersteldatum());
    werknemer.FieldValue("Naam").SetAsString(scherm_.Naam);
    scherm_.osBerekeningsgegevens.FieldValue("Werkgeversnummer").SetAsInteger(dm_.Werkgeversnummer);
    scherm_.osBerekeningsgegevens.FieldValue("Werknemersnummer").SetAsInteger(n);
}

void TBerekeningOpslag::BewaarHeffingsgegevens(TVasteHeffingsgegevens& vast)
{
    TOpenSets open({&scherm_.osHeffingsgegevens});
    Stap(kHeffingsgegevensActie, [&] {
        db::TZNODataGroup& groep = scherm_.dgHeffingsgegevens;
        db::TZNOSQLOutputSet& heffing = scherm_.osHeffingsgegevens;
        if (vast.GeenHeffingsrecord) {
            groep.Insert();
            heffing.FieldValue("Werkgeversnummer").SetAsInteger(dm_.Werkgeversnummer);
            heffing.FieldValue("Werknemersnummer").SetAsInteger(dm_.Werknemersnummer);
            heffing.FieldValue("Heffingstype").SetAsInteger(0);
            heffing.FieldValue("Ingangsdatum").SetAsDateTime(TdmVektaris::Hersteldatum());
            heffing.FieldValue("Hersteldatum").SetAsDateTime(TdmVektaris::Hersteldatum());
            heffing.FieldValue("DagTabelToepassen").SetAsBoolean(vast.Loontijdvak == ltDag);
            heffing.FieldValue("AWfPremieType").SetAsString(scherm_.cmbAWfPremieType.Key());
        } else if (KaartModus == kmBestaand) {
            groep.Edit();
        }
        groep.WriteValues();
        groep.Post();
        dm_.qryVastHefGeg.Requery();
    });
}

void TBerekeningOpslag::VerwijderBerekening(TVasteHeffingsgegevens& vast)
{
    KaartModus = kmVerwijderen;
    VerwijderBerekening(dm_.Werknemersnummer);
    TKolommen& kolommen = vast.Kolommen();
    for (int k = 0; k < kolommen.Count(); ++k)
        for (int r = 0; r < kolommen.Item(k).Count(); ++r)
            kolommen.Item(k).GetRegel(r).Status = rsVerwijderd;
}

void TBerekeningOpslag::VerwijderBerekening(int nummer)
{
    db::TEigenTransactie transactie(dm_.adbQuelvar);
    try {
        VerwijderRijen(nummer);
        transactie.Commit();
        Heropen(dm_.qryWNvkt);
        Heropen(dm_.qryVastHefGeg);
    } catch (const std::exception& error) {
        transactie.Rollback();
        try {
            dm_.qryWNvkt.Requery();
            dm_.qryVastHefGeg.Requery();
        } catch (...) {
            // The delete's own error is the one to report.
        }
        throw EQuelvarException(kHeffingsgegevensActie, error.what());
    }
    meldingen_.ToonMelding("De gegevens zijn verwijderd.");
}

void TBerekeningOpslag::VerwijderRijen(int nummer)
{
    // By key, whatever the rows hold: rows the program did not write itself
    // (other dates or kinds of levy data, lines without a wage component)
    // and values it could not read go too, so that nothing is left for a
    // new calculation that gets this number.
    const struct {
        const char* actie;
        const char* sql;
    } kStappen[] = {
        {"het opslaan van de afwijkende berekeningsgrondslagen",
         "DELETE FROM GrondslagWN WHERE Werkgeversnummer = :WGNummer AND Werknemersnummer = :WNNummer"},
        // The funds attached to a calculation carry its number as their key.
        {"het opslaan van de sociale fondsen", "DELETE FROM SociaalFondsWG WHERE Werkgeversnummer = :WNNummer"},
        {kHeffingsgegevensActie,
         "DELETE FROM Heffingsregels WHERE Werkgeversnummer = :WGNummer AND Werknemersnummer = :WNNummer"},
        {kHeffingsgegevensActie,
         "DELETE FROM Heffingsgegevens WHERE Werkgeversnummer = :WGNummer AND Werknemersnummer = :WNNummer"},
        {kWerknemerActie,
         "DELETE FROM BerekeningsgegevensVKT WHERE Werkgeversnummer = :WGNummer AND Werknemersnummer = :WNNummer"},
        {kWerknemerActie,
         "DELETE FROM Werknemersgegevens WHERE Werkgeversnummer = :WGNummer AND Werknemersnummer = :WNNummer"},
    };
    for (const auto& stap : kStappen)
        Stap(stap.actie, [&] {
            db::Query verwijder(dm_.adbQuelvar, stap.sql);
            if (verwijder.Params().Find("WGNummer") != nullptr)
                verwijder.Param("WGNummer").SetInteger(dm_.Werkgeversnummer);
            verwijder.Param("WNNummer").SetInteger(nummer);
            verwijder.ExecSQL();
        });
}

} // namespace vkt
