#include "store/DmVektaris.h"

#include "common/Meldingen.h"
#include "model/QuelvarException.h"
#include "model/Verbinden.h"
#include "store/Instellingen.h"
#include "store/Werknemerscontrole.h"

#include <array>
#include <limits>
#include <string_view>

namespace vkt {
namespace {

const char* const kWerkgever = "SELECT * FROM Werkgever";
const char* const kWerknemers =
    "SELECT Werknemersgegevens.*, BerekeningsgegevensVKT.BerekeningsDatum, BerekeningsgegevensVKT.VerminderingLBPH, "
    "BerekeningsgegevensVKT.PercentageVakantiegeld, BerekeningsgegevensVKT.ActiefWAO, BerekeningsgegevensVKT.ActiefWW, "
    "BerekeningsgegevensVKT.ActiefWhk, BerekeningsgegevensVKT.ActiefZvw, BerekeningsgegevensVKT.ActiefVUTFPU, "
    "BerekeningsgegevensVKT.ActiefIP, BerekeningsgegevensVKT.ActiefPensioen, BerekeningsgegevensVKT.ActiefLevensloop, "
    "BerekeningsgegevensVKT.WGLastenTonen, BerekeningsgegevensVKT.InclusiefVakantie, "
    "BerekeningsgegevensVKT.SoortLoonbedrag, BerekeningsgegevensVKT.PercentageLoonheffing, "
    "BerekeningsgegevensVKT.ArtiestAftrekBedrag, BerekeningsgegevensVKT.ArtiestAftrekBPType, "
    "BerekeningsgegevensVKT.ArtiestLoonheffing, BerekeningsgegevensVKT.IPzonderDeeltijd, "
    "BerekeningsgegevensVKT.SFDeeltijd "
    "FROM Werknemersgegevens INNER JOIN BerekeningsgegevensVKT ON "
    "Werknemersgegevens.Werkgeversnummer = BerekeningsgegevensVKT.Werkgeversnummer AND "
    "Werknemersgegevens.Werknemersnummer = BerekeningsgegevensVKT.Werknemersnummer "
    "WHERE Werknemersgegevens.Ingangsdatum = :Ingangsdatum AND ";
const char* const kVasteHeffingsgegevens =
    "SELECT * FROM Heffingsgegevens LEFT JOIN GrondslagWN ON "
    "Heffingsgegevens.Werkgeversnummer = GrondslagWN.Werkgeversnummer AND "
    "Heffingsgegevens.Werknemersnummer = GrondslagWN.Werknemersnummer AND "
    "Heffingsgegevens.Ingangsdatum = GrondslagWN.Ingangsdatum AND "
    "Heffingsgegevens.Hersteldatum = GrondslagWN.Hersteldatum "
    "WHERE Heffingsgegevens.Werkgeversnummer = :WGNummer AND Heffingstype = 0 AND "
    "Heffingsgegevens.Ingangsdatum = :Ingangsdatum AND Heffingsgegevens.Hersteldatum = :Hersteldatum";
const char* const kVasteHeffingsregels =
    "SELECT * FROM Heffingsregels, Looncomponenten "
    "WHERE Heffingsregels.Werkgeversnummer = :WGNummer AND Werknemersnummer = :WNNummer AND "
    "Ingangsdatum = :Ingangsdatum AND Hersteldatum = :Hersteldatum AND Heffingstype = 0 AND "
    "Heffingsregels.Werkgeversnummer = Looncomponenten.Werkgeversnummer AND Kolomnummer = KolomnummerLC AND "
    "Looncomponentnummer = LooncomponentnummerLC "
    "ORDER BY Kolomnummer, Looncomponentnummer";
const char* const kSocialeFondsen = "SELECT * FROM SociaalFondsWG WHERE SociaalFondsWG.Werkgeversnummer = :WGNummer";
const char* const kGrondslagWN = "SELECT * FROM GrondslagWN WHERE Werkgeversnummer = :WGNummer AND "
                                 "Werknemersnummer = :WNNummer AND Ingangsdatum = :Ingangsdatum AND "
                                 "Hersteldatum = :Hersteldatum";
const char* const kSysteemLooncomponenten = "SELECT * FROM Looncomponenten WHERE Werkgeversnummer = :WGNummer AND "
                                            "SystemLC = TRUE ORDER BY KolomnummerLC, LooncomponentnummerLC";

// The engine's wordings for a file that another process holds; a reader
// that waited in vain is told "database is locked".
bool IsInGebruik(std::string_view tekst)
{
    constexpr std::array<std::string_view, 5> kTeksten = {"file already in use", "is already opened",
                                                           "bestand is al in gebruik", "is geopend",
                                                           "database is locked"};
    for (std::string_view deel : kTeksten)
        if (tekst.find(deel) != std::string_view::npos)
            return true;
    return false;
}

} // namespace

TdmVektaris::TdmVektaris(std::filesystem::path databaseMap, TInstellingen& instellingen)
    : TdmVektaris(std::move(databaseMap), &instellingen)
{
}

TdmVektaris::TdmVektaris(std::filesystem::path databaseMap) : TdmVektaris(std::move(databaseMap), nullptr) {}

TdmVektaris::TdmVektaris(std::filesystem::path databaseMap, TInstellingen* instellingen)
    : qryWG(adbQuelvar, kWerkgever), qryWNvkt(adbQuelvar, std::string(kWerknemers) + BruikbaarNummer),
      qryVastHefGeg(adbQuelvar, kVasteHeffingsgegevens), qryVastHefReg(adbQuelvar, kVasteHeffingsregels),
      qryVKTSelectSociaalFonds(adbQuelvar, kSocialeFondsen), qryGrondslagWN(adbQuelvar, kGrondslagWN),
      qrySystemLC(adbQuelvar, kSysteemLooncomponenten),
      databaseMap_(std::move(databaseMap))
{
    if (instellingen == nullptr) {
        eigenInstellingen_ = std::make_unique<TGeheugenInstellingen>();
        instellingen = eigenInstellingen_.get();
    }
    SysteemGeg = std::make_unique<TSysteemGeg>(*instellingen);
    SysteemGeg->LeesGegevens();
}

TdmVektaris::~TdmVektaris()
{
    // Failing to remember the last employee must not stop the program ending.
    try {
        SysteemGeg->LaatsteWN = std::to_string(Werknemersnummer);
        SysteemGeg->SchrijfGegevens();
    } catch (const std::exception&) {
    }
    SysteemGeg.reset();
}

bool TdmVektaris::Openen(TMeldingen& meldingen, TToegang toegang)
{
    adbQuelvar.Close();
    try {
        // Everything is checked before the program may write anything.
        Verbind(toegang);
        if (toegang == TToegang::Exclusief)
            ControleerIntegriteit();
        ControleerVersie();
        ControleerWerknemersdatabase(adbQuelvar);
        return true;
    } catch (const std::exception& error) {
        meldingen.ToonFoutmelding(std::string("Er is een fout opgetreden bij  het openen van ") + Bestandsnaam + ".\r\nFout: " +
                                  error.what() + "\r\n\r\nDe applicatie wordt beëindigd.");
        return false;
    }
}

void TdmVektaris::Verbind(TToegang toegang)
{
    // "Read" opens the file read-only, with the busy wait of the lock properties.
    const char* modus = toegang == TToegang::Exclusief ? "Share Exclusive" : "Read";
    try {
        ConnectDatabase(adbQuelvar, (databaseMap_ / Bestandsnaam).string(),
                        DecodePassword(VersleuteldWachtwoordWerknemers), false, true, -1, modus);
    } catch (const std::exception& error) {
        if (IsInGebruik(error.what()))
            throw EQuelvarException("Vektaris is al in gebruik.");
        throw EQuelvarException(std::string(error.what()) + " (DMVkt)");
    }
    adbQuelvar.Open();
}

void TdmVektaris::ControleerIntegriteit()
{
    // A damaged file can hold a readable first page: a save into it would
    // damage it further. The engine walks every page once.
    db::Query controle(adbQuelvar, "PRAGMA quick_check(1)");
    controle.Open();
    const std::string uitkomst = controle.Eof() ? std::string() : controle.FieldByName("quick_check").AsText();
    if (uitkomst != "ok")
        throw EQuelvarException("Het databasebestand is beschadigd (" + uitkomst + ").");
}

void TdmVektaris::ControleerVersie()
{
    db::Query versie(adbQuelvar, "SELECT Versie FROM Versie");
    versie.Open();
    const db::Value& waarde = versie.FieldByName("Versie");
    if (versie.Eof() || waarde.IsNull())
        throw EQuelvarException("De tabel Versie van Vkt2020.db geeft geen versie: de database is onvolledig.");
    double getal = 0;
    try {
        getal = waarde.AsDouble();
    } catch (const std::exception& fout) {
        throw EQuelvarException(std::string("De versie van de database is onleesbaar: ") + fout.what() + ".");
    }
    // Compared as a number: a stored real beyond the range of an int must
    // not wrap round to a low version.
    Versie = getal >= std::numeric_limits<int>::max()   ? std::numeric_limits<int>::max()
             : getal <= std::numeric_limits<int>::min() ? std::numeric_limits<int>::min()
                                                        : static_cast<int>(getal);
    if (getal < VereisteVersie)
        throw EQuelvarException("Uw databaseversie is te laag om VKT te kunnen draaien. ");
    if (getal > VereisteVersie)
        throw EQuelvarException("Uw VKT-versie is te laag om de database te kunnen openen. ");
}

bool TdmVektaris::OpenWerknemersQuery()
{
    try {
        qryWG.Close();
        qryWG.Open();
        qryWG.First();
        Werkgeversnummer = static_cast<int>(qryWG.AsInteger("Werkgeversnummer"));
        qrySystemLC.Close();
        qrySystemLC.Param("WGNummer").SetInteger(Werkgeversnummer);
        qrySystemLC.Open();
        qryWNvkt.Close();
        qryWNvkt.Param("Ingangsdatum").SetDateTime(Hersteldatum());
        qryWNvkt.Open();
        qryWNvkt.First();
        qryVastHefGeg.Close();
        qryVastHefGeg.Param("WGNummer").SetInteger(Werkgeversnummer);
        qryVastHefGeg.Param("Ingangsdatum").SetDateTime(Hersteldatum());
        qryVastHefGeg.Param("Hersteldatum").SetDateTime(Hersteldatum());
        qryVastHefGeg.Open();
        return true;
    } catch (const std::exception& error) {
        throw EQuelvarException("het openen van de werknemers-query.", error.what());
    }
}

void TdmVektaris::OpenGrondslagWN(int werkgeversnummer, int werknemersnummer)
{
    qryGrondslagWN.Close();
    qryGrondslagWN.Param("WGNummer").SetInteger(werkgeversnummer);
    qryGrondslagWN.Param("WNNummer").SetInteger(werknemersnummer);
    qryGrondslagWN.Param("Ingangsdatum").SetDateTime(Hersteldatum());
    qryGrondslagWN.Param("Hersteldatum").SetDateTime(Hersteldatum());
    qryGrondslagWN.Open();
}

} // namespace vkt
