#include "cli/FondsenOpdracht.h"

#include "cli/BerekenOpdracht.h"
#include "cli/Hoofdprogramma.h"
#include "cli/JsonUitvoer.h"
#include "cli/Opties.h"
#include "common/DataFolder.h"
#include "model/DmConstanten.h"
#include "store/Naam.h"
#include "store/SocialeFondsen.h"

#include <algorithm>
#include <ostream>

namespace vkt::cli {
namespace {

const char* const kVoettekst =
    "De tekst heeft een regel per fonds: het nummer, een tab en de omschrijving; zonder fondsen geen regel, en een "
    "melding op de foutuitvoer. De JSON is een lijst met per fonds "
    "nummer, omschrijving, boeken_als (bedrag of percentage) en per deel (werknemer, werkgever) premie, franchise, "
    "bedrag, jaargrens en boeken_in_kolom.\n"
    "\n"
    "Afsluitcodes: 0 gelukt, 1 de database kon niet worden gebruikt, 2 onjuist gebruik.";

const char* const kGeenFondsen =
    "Er zijn nog geen sociale fondsen. Maak er een in vkt2020 met de knop \"Nieuw sociaal fonds\" op het tabblad "
    "Sociale Fondsen.\n";

Json DeelJson(double premie, double franchise, double bedrag, double jaargrens, int kolom)
{
    return {{"premie", JsonGetal(premie)},
            {"franchise", JsonGetal(franchise)},
            {"bedrag", JsonGetal(bedrag)},
            {"jaargrens", JsonGetal(jaargrens)},
            {"boeken_in_kolom", kolom}};
}

Json FondsJson(const TSociaalFondsWaarden& f)
{
    return {{"nummer", f.Fondsnummer},
            {"omschrijving", f.Omschrijving},
            {"boeken_als", f.BPDType == bpdBedrag ? "bedrag" : "percentage"},
            {"werknemer", DeelJson(f.PremieWN, f.FranchiseWN, f.BedragWN, f.JaargrensWN, f.WNBoekenInKolom)},
            {"werkgever", DeelJson(f.PremieWG, f.FranchiseWG, f.BedragWG, f.JaargrensWG, f.WGBoekenInKolom)}};
}

std::vector<TSociaalFondsWaarden> CatalogusFondsen(TdmVektaris& dm)
{
    TSocialeFondsen fondsen(dm);
    std::vector<int> nummers;
    for (const TCatalogusFonds& fonds : fondsen.LaadCatalogus())
        nummers.push_back(fonds.Fondsnummer);
    return GekozenFondsen(dm, nummers, "--");
}

} // namespace

std::vector<TSociaalFondsWaarden> GekozenFondsen(TdmVektaris& dm, const std::vector<int>& nummers,
                                                 const std::string& voorvoegsel)
{
    if (nummers.empty())
        return {};
    TSocialeFondsen fondsen(dm);
    const std::vector<TCatalogusFonds> catalogus = fondsen.LaadCatalogus();
    for (const int nummer : nummers) {
        const bool bekend = std::any_of(catalogus.begin(), catalogus.end(),
                                        [&](const TCatalogusFonds& fonds) { return fonds.Fondsnummer == nummer; });
        if (!bekend)
            throw OptieFout("er is geen sociaal fonds met nummer " + std::to_string(nummer) + " (bij " + voorvoegsel +
                            "fonds); zie vkt2020-cli fondsen.");
        fondsen.MaakFondsRegel(nummer, -1);
    }
    return fondsen.GetoondeFondsen();
}

int FondsenOpdracht(const std::vector<std::string>& argumenten, std::ostream& uit, std::ostream& fout)
{
    TOpdrachtregel regel("vkt2020-cli fondsen", OpdrachtOmschrijving("fondsen"), kVoettekst);
    VoegFormaatToe(regel);
    std::string formaat;
    const auto klaar = regel.Verwerk(argumenten, [&] { formaat = LeesFormaat(regel); }, uit, fout);
    if (klaar)
        return *klaar;
    TDatabases databases(Databasemappen());
    if (!OpenDatabasesOmTeLezen(databases, fout))
        return 1;
    std::vector<TSociaalFondsWaarden> fondsen;
    try {
        fondsen = CatalogusFondsen(databases.Werknemers);
    } catch (const std::exception& error) {
        fout << "vkt2020-cli fondsen: de sociale fondsen konden niet worden gelezen: "
             << ZonderWagenterugloop(error.what()) << "\n";
        return 1;
    }
    if (formaat == "json") {
        Json lijst = Json::array();
        for (const TSociaalFondsWaarden& fonds : fondsen)
            lijst.push_back(FondsJson(fonds));
        SchrijfJson(uit, lijst);
    } else {
        for (const TSociaalFondsWaarden& fonds : fondsen)
            uit << fonds.Fondsnummer << "\t" << ZichtbareNaam(fonds.Omschrijving) << "\n";
        // On the error stream, so that a script reading the lines reads none.
        if (fondsen.empty())
            fout << kGeenFondsen;
    }
    return 0;
}

} // namespace vkt::cli
