#include "model/DmConstanten.h"

#include "model/QuelvarException.h"
#include "model/Verbinden.h"

#include <cmath>
#include <utility>

namespace vkt {
namespace {

const char* const kSociaalFiscaal =
    "SELECT * FROM SociaalFiscaal WHERE Ingangsdatum = (SELECT MAX(Ingangsdatum) FROM SociaalFiscaal "
    "WHERE Ingangsdatum <= :Ingangsdatum)";
// The database has an age column, so the rows are asked for in ascending age.
const char* const kMinimumloon =
    "SELECT * FROM Minleef WHERE Ingangsdatum = (SELECT MAX(Ingangsdatum) FROM MinLeef "
    "WHERE Ingangsdatum <= :Ingangsdatum) ORDER BY Leeftijd";
const char* const kBijzondereTabellen =
    "SELECT * FROM TabelBijzondereBeloningen WHERE Ingangsdatum = (SELECT MAX(Ingangsdatum) FROM "
    "TabelBijzondereBeloningen WHERE Ingangsdatum <= :Ingangsdatum)  AND Herleiding = 0 ORDER BY WitteTabel, "
    "InwonergroepLBTabel, Jaarloon";
const char* const kPremieloon =
    "SELECT * FROM LoontijdvakBedragen WHERE Ingangsdatum = (SELECT MAX(Ingangsdatum) FROM LoontijdvakBedragen "
    "WHERE Ingangsdatum <= :Ingangsdatum)";
const char* const kPercentages = "SELECT *\r\nFROM Percentages\r\nWHERE Ingangsdatum IN\r\n"
                                 "(SELECT MAX(Ingangsdatum) FROM Percentages WHERE\r\nIngangsdatum <= :IngDat)";

} // namespace

TdmConstanten::TdmConstanten(std::filesystem::path databaseMap, TDateTime vandaag)
    : Berekeningsdatum(BeginBerekeningsdatum(vandaag)),
      qrySociaalFiscaal(adbConst),
      qryMinimumloon(adbConst),
      qryBijzondereTabellen(adbConst),
      qryPremieloon(adbConst),
      qryPercentages(adbConst, kPercentages),
      databaseMap_(std::move(databaseMap)),
      januari_(EncodeDate(2020, 1, 1)),
      april_(EncodeDate(2020, 4, 1)),
      juli_(EncodeDate(2020, 7, 1))
{
}

TDateTime TdmConstanten::BeginBerekeningsdatum(TDateTime vandaag)
{
    const TDateTime laatsteDag = EncodeDate(2020, 12, 31);
    if (vandaag > laatsteDag)
        return laatsteDag;
    const DateParts p = DecodeDate(vandaag);
    return EncodeDate(2020, p.month, p.day);
}

bool TdmConstanten::Openen()
{
    try {
        adbConst.Close();
        ConnectDatabase(adbConst, (databaseMap_ / Bestandsnaam).string(),
                        DecodePassword(VersleuteldWachtwoordConstanten), false, true, -1,
                        "Share Deny Read|Share Deny Write");
        adbConst.Open();
        // Every figure is read and checked now, before the program starts.
        LaadConstanten();
        ControleerPercentages();
        return adbConst.Connected();
    } catch (const std::exception& error) {
        // The message names the file, also where the engine's text does not.
        std::string oorzaak = error.what();
        if (oorzaak.find(Bestandsnaam) == std::string::npos)
            oorzaak += std::string(" (") + Bestandsnaam + ")";
        throw EQuelvarException(oorzaak);
    }
}

void TdmConstanten::OpenQuery(db::Query& query, const char* statement, TDateTime datum)
{
    query.Close();
    query.SetSQL(statement);
    query.Param("Ingangsdatum").SetDateTime(datum);
    query.Open();
}

void TdmConstanten::LaadIngangsdatum(TQuelvarConst& constanten)
{
    const TDateTime datum = constanten.Ingangsdatum();
    try {
        OpenQuery(qrySociaalFiscaal, kSociaalFiscaal, datum);
        OpenQuery(qryMinimumloon, kMinimumloon, datum);
        OpenQuery(qryBijzondereTabellen, kBijzondereTabellen, datum);
        OpenQuery(qryPremieloon, kPremieloon, datum);

        TFiscaal& fiscaal = constanten.Fiscaal();
        fiscaal.LaadSociaalFiscaal(qrySociaalFiscaal);
        fiscaal.LaadKortingen(qrySociaalFiscaal);
        fiscaal.LaadMinimumloon(qryMinimumloon);
        fiscaal.LaadBijzondereTabellen(qryBijzondereTabellen);
        fiscaal.LaadPremieloon(qryPremieloon);
    } catch (const std::exception& fout) {
        throw EQuelvarException("De constanten van " + FormatDutchDate(datum) + " zijn niet te gebruiken: " +
                                fout.what() + ".");
    }
}

void TdmConstanten::ControleerPercentages()
{
    // The Zvw percentages that apply when the employer has none of its own.
    qryPercentages.Close();
    qryPercentages.Param("IngDat").SetDateTime(EncodeDate(9999, 12, 31));
    qryPercentages.Open();
    std::string fout;
    if (qryPercentages.Eof())
        fout = "de tabel Percentages heeft geen rij";
    for (const char* kolom : {"PremieZfwWG", "PremieZfwWN"})
        if (fout.empty() && (qryPercentages.IsNull(kolom) || !std::isfinite(qryPercentages.AsDouble(kolom))))
            fout = std::string("in de tabel Percentages is de kolom ") + kolom + " leeg of geen eindig getal";
    qryPercentages.Close();
    if (!fout.empty())
        throw EQuelvarException("De constanten zijn niet te gebruiken: " + fout + ".");
}

void TdmConstanten::LaadConstanten()
{
    for (TQuelvarConst* constanten : {&januari_, &april_, &juli_})
        LaadIngangsdatum(*constanten);
}

bool TdmConstanten::Sluiten()
{
    try {
        for (db::Query* query : {&qrySociaalFiscaal, &qryMinimumloon, &qryBijzondereTabellen, &qryPremieloon,
                                 &qryPercentages})
            query->Close();
        adbConst.Close();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

TQuelvarConst& TdmConstanten::GetConstanten() { return ConstantenVan(Berekeningsdatum); }

TQuelvarConst& TdmConstanten::ConstantenVan(TDateTime datum)
{
    return const_cast<TQuelvarConst&>(std::as_const(*this).ConstantenOp(datum));
}

const TQuelvarConst& TdmConstanten::ConstantenOp(TDateTime datum) const
{
    if (datum >= juli_.Ingangsdatum())
        return juli_;
    if (datum < april_.Ingangsdatum())
        return januari_;
    return april_;
}

void TdmConstanten::LaadMinimumloon(TDateTime datum)
{
    OpenQuery(qryMinimumloon, kMinimumloon, datum);
    ConstantenVan(datum).Fiscaal().LaadMinimumloon(qryMinimumloon);
}

} // namespace vkt
