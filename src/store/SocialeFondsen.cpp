#include "store/SocialeFondsen.h"

#include "common/Exception.h"
#include "common/Meldingen.h"
#include "common/Text.h"
#include "db/Query.h"
#include "db/Transactie.h"
#include "model/Formule.h"
#include "model/QuelvarException.h"
#include "store/DmVektaris.h"

#include <algorithm>
#include <set>

namespace vkt {
namespace {

const char* const kFondsVanSleutel = "SELECT * FROM SociaalFondsWG WHERE SociaalFondsWG.Werkgeversnummer = :WGNummer "
                                     "AND SociaalFondsWG.Fondsnummer = :Fondsnummer";
const char* const kFondsUitCatalogus = "SELECT * FROM SociaalFondsWG WHERE SociaalFondsWG.Fondsnummer = :FondsNr "
                                       "AND SociaalFondsWG.Werkgeversnummer = :WGNr";
const char* const kCatalogus = "SELECT * FROM SociaalFondsWG WHERE SociaalFondsWG.Werkgeversnummer = :WGNr";
const char* const kAantalMetOmschrijving = "SELECT Count(*) AS TOTAAL FROM SociaalFondsWG WHERE Werkgeversnummer = 0 "
                                           "AND UCase(Omschrijving) = :Omschrijving ";
const char* const kHoogsteFondsnummer = "SELECT Max(Fondsnummer) + 1 AS MaxFondsnummer FROM SociaalFondsWG "
                                        "WHERE Werkgeversnummer = :WGNummer AND Ingangsdatum = :Ingdat";
const char* const kInvoegen =
    "INSERT INTO SOCIAALFONDSWG (Werkgeversnummer, Ingangsdatum, Fondsnummer, Omschrijving, FondsActief, BPDType, "
    "PremieWG, PremieWN, FranchiseWG, FranchiseWN, BedragWG, BedragWN, JaargrensWG, JaargrensWN, WGBoekenInKolom, "
    "WNBoekenInKolom, KolomTypeWG, KolomTypeWN, GrondslagnummerWG, GrondslagnummerWN, LooncomponentnummerWG, "
    "LooncomponentnummerWN, AfwijkendeGrondslagWG, AfwijkendeGrondslagWN, ActiefWG, ActiefWN) VALUES "
    "(:Werkgeversnummer, :Ingangsdatum, :Fondsnummer, :Omschrijving, :FondsActief, :BPDType, :PremieWG, :PremieWN, "
    ":FranchiseWG, :FranchiseWN, :BedragWG, :BedragWN, :JaargrensWG, :JaargrensWN, :WGBoekenInKolom, "
    ":WNBoekenInKolom, :KolomTypeWG, :KolomTypeWN, :GrondslagnummerWG, :GrondslagnummerWN, :LooncomponentnummerWG, "
    ":LooncomponentnummerWN, :AfwijkendeGrondslagWG, :AfwijkendeGrondslagWN, :ActiefWG, :ActiefWN)";
const char* const kSleutelConditie = " WHERE Werkgeversnummer = :Werkgeversnummer  AND Fondsnummer = :Fondsnummer";
const char* const kBijwerken =
    "UPDATE SOCIAALFONDSWG SET  FondsActief = :FondsActief, BPDType = :BPDType, PremieWG = :PremieWG, "
    "PremieWN = :PremieWN, FranchiseWG = :FranchiseWG, FranchiseWN = :FranchiseWN, BedragWG = :BedragWG, "
    "BedragWN = :BedragWN, JaargrensWG = :JaargrensWG, JaargrensWN = :JaargrensWN, "
    "WGBoekenInKolom = :WGBoekenInKolom, WNBoekenInKolom = :WNBoekenInKolom, KolomTypeWG = :KolomTypeWG, "
    "KolomTypeWN = :KolomTypeWN, GrondslagnummerWG = :GrondslagnummerWG, GrondslagnummerWN = :GrondslagnummerWN, "
    "LooncomponentnummerWG = :LooncomponentnummerWG, LooncomponentnummerWN = :LooncomponentnummerWN, "
    "AfwijkendeGrondslagWG = :AfwijkendeGrondslagWG, AfwijkendeGrondslagWN = :AfwijkendeGrondslagWN, "
    "ActiefWG = :ActiefWG, ActiefWN = :ActiefWN";
const char* const kNietActief = "UPDATE SOCIAALFONDSWG SET  FondsActief = :FondsActief";

int AlsInt(const db::Record& rij, const char* kolom) { return static_cast<int>(rij.AsInteger(kolom)); }

// The stored values of a fund. Any booking type other than an amount is
// read as a percentage.
void LeesWaarden(const db::Record& rij, TSociaalFondsWaarden& w)
{
    w.Omschrijving = rij.AsText("Omschrijving");
    w.BPDType = rij.AsInteger("BPDType") == bpdBedrag ? bpdBedrag : bpdPercentage;
    w.PremieWG = rij.AsDouble("PremieWG");
    w.PremieWN = rij.AsDouble("PremieWN");
    w.FranchiseWG = rij.AsDouble("FranchiseWG");
    w.FranchiseWN = rij.AsDouble("FranchiseWN");
    w.BedragWG = rij.AsDouble("BedragWG");
    w.BedragWN = rij.AsDouble("BedragWN");
    w.JaargrensWG = rij.AsDouble("JaargrensWG");
    w.JaargrensWN = rij.AsDouble("JaargrensWN");
    w.WGBoekenInKolom = AlsInt(rij, "WGBoekenInKolom");
    w.WNBoekenInKolom = AlsInt(rij, "WNBoekenInKolom");
    w.GrondslagnummerWG = AlsInt(rij, "GrondslagnummerWG");
    w.GrondslagnummerWN = AlsInt(rij, "GrondslagnummerWN");
    w.LooncomponentnummerWG = AlsInt(rij, "LooncomponentnummerWG");
    w.LooncomponentnummerWN = AlsInt(rij, "LooncomponentnummerWN");
    w.AfwijkendeGrondslagWG = rij.AsText("AfwijkendeGrondslagWG");
    w.AfwijkendeGrondslagWN = rij.AsText("AfwijkendeGrondslagWN");
    w.AfwijkendeGrondslagWerkgever = rij.AsBoolean("ActiefWG");
    w.AfwijkendeGrondslagWerknemer = rij.AsBoolean("ActiefWN");
    // A switched-on formula longer than its column was not stored by this
    // program; the fund is refused rather than computed with a basis nobody
    // meant. A switched-off one is kept as it is: it is never computed with.
    const std::string fonds = " van sociaal fonds '" + w.Omschrijving + "'";
    if (w.AfwijkendeGrondslagWerkgever)
        ControleerFormuleLengte("AfwijkendeGrondslagWG" + fonds, w.AfwijkendeGrondslagWG);
    if (w.AfwijkendeGrondslagWerknemer)
        ControleerFormuleLengte("AfwijkendeGrondslagWN" + fonds, w.AfwijkendeGrondslagWN);
}

// The parameters every write of a fund row shares. KolomType says whether a
// part uses its deviating-basis formula (0) or not (1).
void ZetWaarden(db::Query& q, const TSociaalFondsWaarden& w)
{
    q.Param("BPDType").SetInteger(w.BPDType == bpdPercentage ? 1 : 0);
    q.Param("PremieWG").SetDouble(w.PremieWG);
    q.Param("PremieWN").SetDouble(w.PremieWN);
    q.Param("FranchiseWG").SetDouble(w.FranchiseWG);
    q.Param("FranchiseWN").SetDouble(w.FranchiseWN);
    q.Param("BedragWG").SetDouble(w.BedragWG);
    q.Param("BedragWN").SetDouble(w.BedragWN);
    q.Param("JaargrensWG").SetDouble(w.JaargrensWG);
    q.Param("JaargrensWN").SetDouble(w.JaargrensWN);
    q.Param("WGBoekenInKolom").SetInteger(w.WGBoekenInKolom);
    q.Param("WNBoekenInKolom").SetInteger(w.WNBoekenInKolom);
    q.Param("KolomTypeWG").SetInteger(w.AfwijkendeGrondslagWerkgever ? 0 : 1);
    q.Param("KolomTypeWN").SetInteger(w.AfwijkendeGrondslagWerknemer ? 0 : 1);
    q.Param("GrondslagnummerWG").SetInteger(w.GrondslagnummerWG);
    q.Param("GrondslagnummerWN").SetInteger(w.GrondslagnummerWN);
    q.Param("LooncomponentnummerWG").SetInteger(w.LooncomponentnummerWG);
    q.Param("LooncomponentnummerWN").SetInteger(w.LooncomponentnummerWN);
    q.Param("AfwijkendeGrondslagWG").SetText(w.AfwijkendeGrondslagWG);
    q.Param("AfwijkendeGrondslagWN").SetText(w.AfwijkendeGrondslagWN);
    q.Param("ActiefWG").SetBoolean(w.AfwijkendeGrondslagWerkgever);
    q.Param("ActiefWN").SetBoolean(w.AfwijkendeGrondslagWerknemer);
}

// Inserts fund w (number and description included) under key k.
void VoegFondsIn(db::Connection& verbinding, const TSociaalFondsWaarden& w, int k, bool actief)
{
    db::Query q(verbinding, kInvoegen);
    q.Param("Werkgeversnummer").SetInteger(k);
    q.Param("Ingangsdatum").SetDateTime(TdmVektaris::Hersteldatum());
    q.Param("Fondsnummer").SetInteger(w.Fondsnummer);
    q.Param("Omschrijving").SetText(w.Omschrijving);
    q.Param("FondsActief").SetBoolean(actief);
    ZetWaarden(q, w);
    q.ExecSQL();
}

} // namespace

// ---- TSocialeFondsen -----------------------------------------------------

TFondsRegels& TSocialeFondsen::Regels()
{
    if (!FondsRegels)
        FondsRegels.emplace();
    return *FondsRegels;
}

void TSocialeFondsen::MaakFondsRegel(int f, int k)
{
    if (!FondsRegels)
        return;
    TFondsRegel regel;
    regel.Fondsnummer = f;
    db::Query q(dm_.adbQuelvar, k != -1 ? kFondsVanSleutel : kFondsUitCatalogus);
    if (k != -1) {
        q.Param("WGNummer").SetInteger(k);
        q.Param("Fondsnummer").SetInteger(f);
    } else {
        q.Param("FondsNr").SetInteger(f);
        q.Param("WGNr").SetInteger(0);
    }
    q.Open();
    if (q.RecordCount() == 1) {
        LeesWaarden(q, regel);
    } else {
        regel.LooncomponentnummerWG = 0;
        regel.LooncomponentnummerWN = 0;
    }
    regel.Getoond = true;
    FondsRegels->emplace_back(std::to_string(f), std::move(regel));
}

void TSocialeFondsen::LaadSocialeFondsen(int n)
{
    Regels();
    db::Query& q = dm_.qryVKTSelectSociaalFonds;
    q.Close();
    q.Param("WGNummer").SetInteger(n);
    q.Open();
    for (q.First(); !q.Eof(); q.Next())
        if (q.AsBoolean("FondsActief"))
            MaakFondsRegel(AlsInt(q, "Fondsnummer"), n);
}

TFondsRegel* TSocialeFondsen::ZoekFondsRegel(int f)
{
    if (!FondsRegels)
        return nullptr;
    const std::string sleutel = std::to_string(f);
    for (auto& [nummer, regel] : *FondsRegels)
        if (nummer == sleutel)
            return &regel;
    return nullptr;
}

std::vector<std::string> TSocialeFondsen::GetoondeFondsnummers() const
{
    std::vector<std::string> nummers;
    if (FondsRegels)
        for (const auto& [nummer, regel] : *FondsRegels)
            if (regel.Getoond)
                nummers.push_back(nummer);
    return nummers;
}

std::vector<TCatalogusFonds> TSocialeFondsen::LaadCatalogus()
{
    Regels();
    const std::vector<std::string> getoond = GetoondeFondsnummers();
    try {
        db::Query q(dm_.adbQuelvar, kCatalogus);
        q.Param("WGNr").SetInteger(0);
        q.Open();
        std::vector<TCatalogusFonds> lijst;
        for (q.First(); !q.Eof(); q.Next()) {
            const int f = AlsInt(q, "Fondsnummer");
            const bool aangevinkt = std::ranges::find(getoond, std::to_string(f)) != getoond.end();
            lijst.push_back({q.AsText("Omschrijving"), f, aangevinkt});
        }
        return lijst;
    } catch (const std::exception& error) {
        throw Exception(std::string("TfrmSocialeFondsen.Load: ") + error.what());
    }
}

void TSocialeFondsen::VerwerkKeuze(const std::vector<TCatalogusFonds>& keuze)
{
    Regels();
    for (const TCatalogusFonds& fonds : keuze) {
        if (TFondsRegel* regel = ZoekFondsRegel(fonds.Fondsnummer))
            regel->Getoond = fonds.Aangevinkt;
        else if (fonds.Aangevinkt)
            MaakFondsRegel(fonds.Fondsnummer, -1);
    }
}

void TSocialeFondsen::BewaarSocialeFondsen(int n)
{
    // Without rows nothing was loaded, so nothing may be detached either.
    if (!FondsRegels)
        return;
    db::Query& q = dm_.qryVKTSelectSociaalFonds;
    q.Close();
    q.Param("WGNummer").SetInteger(n);
    q.Open();
    std::set<int> opgeslagen; // attached or detached
    std::set<int> actief;     // attached, until a shown row claims it
    for (q.First(); !q.Eof(); q.Next()) {
        opgeslagen.insert(AlsInt(q, "Fondsnummer"));
        if (q.AsBoolean("FondsActief"))
            actief.insert(AlsInt(q, "Fondsnummer"));
    }
    for (const TFondsRegel& regel : GetoondeFondsen()) {
        actief.erase(regel.Fondsnummer);
        BewaarFondsRegel(regel, n, !opgeslagen.contains(regel.Fondsnummer));
    }
    for (int f : actief) {
        db::Query bijwerken(dm_.adbQuelvar, std::string(kNietActief) + kSleutelConditie);
        bijwerken.Param("FondsActief").SetBoolean(false);
        bijwerken.Param("Werkgeversnummer").SetInteger(n);
        bijwerken.Param("Fondsnummer").SetInteger(f);
        bijwerken.ExecSQL();
    }
}

void TSocialeFondsen::BewaarFondsRegel(const TFondsRegel& regel, int n, bool invoegen)
{
    if (invoegen) {
        VoegFondsIn(dm_.adbQuelvar, regel, n, true);
        return;
    }
    db::Query q(dm_.adbQuelvar, std::string(kBijwerken) + kSleutelConditie);
    q.Param("FondsActief").SetBoolean(true);
    ZetWaarden(q, regel);
    q.Param("Werkgeversnummer").SetInteger(n);
    q.Param("Fondsnummer").SetInteger(regel.Fondsnummer);
    q.ExecSQL();
}

std::vector<TSociaalFondsWaarden> TSocialeFondsen::GetoondeFondsen() const
{
    std::vector<TSociaalFondsWaarden> fondsen;
    if (FondsRegels)
        for (const auto& [nummer, regel] : *FondsRegels)
            if (regel.Getoond)
                fondsen.push_back(regel);
    return fondsen;
}

// ---- TNieuwSociaalFonds --------------------------------------------------

bool TNieuwSociaalFonds::Opslaan(TMeldingen& meldingen)
{
    if (Trim(Omschrijving).empty() || !OmschrijvingOK(Omschrijving)) {
        meldingen.ToonMelding("Omschrijving bestaat reeds of is niet ingevuld.");
        return false;
    }
    return BewaarNieuwFonds();
}

bool TNieuwSociaalFonds::OmschrijvingOK(const std::string& omschrijving)
{
    try {
        db::Query q(dm_.adbQuelvar, kAantalMetOmschrijving);
        q.Param("Omschrijving").SetText(ToUpperUtf8(Trim(omschrijving)));
        q.Open();
        return q.AsInteger("TOTAAL") == 0;
    } catch (const std::exception& error) {
        throw Exception(std::string("TfrmNieuwSociaalFondsVKT.OmschrijvingOK: ") + error.what());
    }
}

bool TNieuwSociaalFonds::BewaarNieuwFonds()
{
    db::Connection& verbinding = dm_.adbQuelvar;
    bool begonnen = false;
    try {
        verbinding.BeginTrans();
        begonnen = true;
        const int nr = GetNieuwFondsnummer(0);
        AppendSociaalFondsWG(0, nr, 0, 0);
        AppendSociaalFondsWG(dm_.Werknemersnummer, nr, 0, 0);
        verbinding.CommitTrans();
        Fondsnummer = nr;
        return true;
    } catch (const std::exception& error) {
        if (begonnen)
            db::HerstelTransactie(verbinding);
        throw EQuelvarException("het opslaan van de sociale fondsen", error.what());
    }
}

int TNieuwSociaalFonds::GetNieuwFondsnummer(int k)
{
    try {
        db::Query q(dm_.adbQuelvar, kHoogsteFondsnummer);
        q.Param("WGNummer").SetInteger(k);
        q.Param("Ingdat").SetDateTime(TdmVektaris::Hersteldatum());
        q.Open();
        if (q.Eof() || q.IsNull("MaxFondsnummer"))
            return 1;
        return AlsInt(q, "MaxFondsnummer");
    } catch (const std::exception& error) {
        throw Exception(std::string("TfrmNieuwSociaalFondsVKT.GetNieuwFondsnummer: ") + error.what());
    }
}

void TNieuwSociaalFonds::AppendSociaalFondsWG(int k, int nr, int lcWG, int lcWN)
{
    try {
        TSociaalFondsWaarden fonds = Waarden;
        fonds.Fondsnummer = nr;
        // Stored without surrounding spaces, so the uniqueness check that
        // ignores them also finds this description later.
        fonds.Omschrijving = Trim(Omschrijving);
        fonds.LooncomponentnummerWG = lcWG;
        fonds.LooncomponentnummerWN = lcWN;
        VoegFondsIn(dm_.adbQuelvar, fonds, k, k != 0);
    } catch (const std::exception& error) {
        throw Exception(std::string("TfrmNieuwSociaalFondsVKT.AppendSociaalFondsWG: ") + error.what());
    }
}

} // namespace vkt
