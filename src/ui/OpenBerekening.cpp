#include "ui/OpenBerekening.h"

#include "calc/Berekening.h"
#include "calc/Getalvelden.h"
#include "calc/OpenenBerekening.h"
#include "calc/SchermInvoer.h"
#include "common/Meldingen.h"
#include "common/Text.h"
#include "model/Heffingsgegevens.h"
#include "store/BerekeningOpslag.h"
#include "store/DmVektaris.h"
#include "store/Gegevensscherm.h"
#include "store/WerknemerRecords.h"
#include "ui/FondsRegelsScherm.h"
#include "ui/Kern.h"
#include "ui/Regelkoppeling.h"
#include "ui/Schermregels.h"
#include "ui/Selectieband.h"
#include "ui/Wachtcursor.h"

#include <QComboBox>

#include <tuple>

namespace vkt::ui {
namespace {

const char* const kGeenBerekening = "Er is geen berekening gekozen.\nKies een werknemer bij \"Selecteer werknemer:\" of "
                                    "maak een nieuwe berekening met \"Nieuw\".";

// The values of a line that the calculation and the storage read: not its
// description, which a row replaces by its own caption, nor what a row shows.
auto Rekenwaarden(const TKolomRegelValues& w)
{
    return std::tie(w.Bedrag, w.BPD, w.Franchise, w.GrondslagKolom, w.Percentage, w.TbvSocialeFondsen,
                    w.TbvVakantiegeld, w.Inhouding);
}

} // namespace

bool TOpenBerekening::TMomentopname::operator==(const TMomentopname& ander) const
{
    if (!(Invoer == ander.Invoer) || AwfPremieType != ander.AwfPremieType || Regels.size() != ander.Regels.size())
        return false;
    for (std::size_t i = 0; i < Regels.size(); ++i)
        if (Rekenwaarden(Regels[i]) != Rekenwaarden(ander.Regels[i]))
            return false;
    return true;
}

TOpenBerekening::TOpenBerekening(TKern& kern, TSelectieband& selectie, TSchermregels& regels,
                                 TRegelkoppeling& koppeling, TFondsRegelsScherm& fondsen, QObject* ouder)
    : QObject(ouder), kern_(kern), selectie_(selectie), regels_(regels), koppeling_(koppeling), fondsen_(fondsen)
{
}

std::string TOpenBerekening::Naam() const
{
    return toestand_ == TBerekeningToestand::Nieuw ? selectie_.Naam() : naam_;
}

TOpenBerekening::TMomentopname TOpenBerekening::Momentopname()
{
    fondsen_.NeemWaardenOver();
    TMomentopname opname{regels_.LeesInvoer(), kern_.Scherm.cmbAWfPremieType.Key(), {}};
    opname.Invoer.Werknemer.clear(); // only "Opslaan als" names a calculation anew
    if (kern_.Vast) {
        const TKolommen& kolommen = kern_.Vast->Kolommen();
        for (int k = 0; k < kolommen.Count(); ++k)
            for (int r = 0; r < kolommen.Item(k).Count(); ++r)
                opname.Regels.push_back(kolommen.Item(k).GetRegel(r).Values());
    }
    return opname;
}

bool TOpenBerekening::IsGewijzigd()
{
    if (toestand_ == TBerekeningToestand::Nieuw)
        return true;
    return toestand_ == TBerekeningToestand::Opgeslagen && (!bewaard_ || !(*bewaard_ == Momentopname()));
}

std::vector<TWerknemerItem> TOpenBerekening::VulLijst()
{
    const TWachtcursor wacht;
    std::vector<TWerknemerItem> lijst = kern_.Records.VulWerknemerLijst();
    selectie_.ZetNieuweNaam(false);
    selectie_.Vul(lijst);
    if (nummer_)
        selectie_.KiesNummer(*nummer_);
    return lijst;
}

// The rows let go of their lines before the levy data that holds them goes.
void TOpenBerekening::Ontkoppel()
{
    koppeling_.Koppel(nullptr);
    kern_.Vast.reset();
}

void TOpenBerekening::Toon(const TBerekeningInvoer& invoer)
{
    TGegevensScherm& s = kern_.Scherm;
    VulGegevensScherm(s, invoer, kern_.Vast->AwfPremieType);
    koppeling_.Koppel(kern_.Vast.get());
    regels_.ZetArtiestAftrek(invoer.ArtiestAftrekBedrag);
    fondsen_.ToonGeladenFondsen();
    regels_.WisSamenvatting();
    regels_.VulLeeftijd();
    regels_.NaLaden();
}

bool TOpenBerekening::Open(int nummer)
{
    const TWachtcursor wacht;
    Ontkoppel();
    TdmVektaris& dm = kern_.Werknemers;
    if (!kern_.Records.LaadBerekening(nummer)) {
        ToonGeen();
        return false;
    }
    try {
        // Stored values no user could have entered are told, and the
        // calculation is shown without them but not computed until it is
        // saved as the window holds it.
        ongeldig_ = OngeldigeOpgeslagenWaarde(dm);
        TBerekeningInvoer invoer = InvoerVanOpgeslagenBerekening(dm);
        kern_.Vast = LaadVasteHeffingsgegevens(dm, kern_.Constanten, invoer);
        const TBerekeningInvoer opgeslagen = invoer;
        if (MaakToonbaar(invoer) && !ongeldig_) {
            // A field that checks its own range says what it refuses.
            const std::optional<TVeldFout> fout = ControleerInvoer(opgeslagen);
            ongeldig_ = fout ? fout->Melding : "De opgeslagen berekening bevat een getal dat het venster niet kan tonen.";
        }
        kern_.Opslag.KaartModus = kmBestaand;
        toestand_ = TBerekeningToestand::Opgeslagen;
        nummer_ = nummer;
        naam_ = invoer.Werknemer;
        selectie_.ZetNieuweNaam(false);
        selectie_.KiesNummer(nummer);
        Toon(invoer);
    } catch (...) {
        // A calculation that cannot be read or shown is not half shown.
        ToonGeen();
        throw;
    }
    bewaard_ = Momentopname();
    emit Gewisseld();
    if (ongeldig_)
        kern_.Meldingen.ToonFoutmelding(*ongeldig_);
    return true;
}

void TOpenBerekening::ToonGeen()
{
    Ontkoppel();
    kern_.Records.LaadBerekening(-1);
    toestand_ = TBerekeningToestand::Geen;
    ongeldig_.reset();
    kern_.Opslag.KaartModus = kmGeen;
    nummer_.reset();
    naam_.clear();
    bewaard_.reset();
    selectie_.ZetNieuweNaam(false);
    selectie_.WisKeuze();
    VulGegevensScherm(kern_.Scherm, NieuweBerekeningInvoer(Today()), AwfPremieLaag);
    fondsen_.ToonGeladenFondsen();
    regels_.ZetArtiestAftrek(0);
    regels_.WisSamenvatting();
    regels_.NaLaden();
    emit Gewisseld();
}

void TOpenBerekening::BeginNieuw(const std::string& naam)
{
    const TWachtcursor wacht;
    Ontkoppel();
    kern_.Records.LaadBerekening(-1);
    TBerekeningInvoer invoer = NieuweBerekeningInvoer(Today());
    invoer.Werknemer = naam;
    kern_.Vast = LaadNieuweHeffingsgegevens(kern_.Werknemers, kern_.Constanten, invoer);
    kern_.Opslag.KaartModus = kmNieuw;
    toestand_ = TBerekeningToestand::Nieuw;
    ongeldig_.reset();
    nummer_.reset();
    naam_ = naam;
    bewaard_.reset();
    selectie_.ZetNieuweNaam(true);
    selectie_.ZetNaam(naam);
    Toon(invoer);
    emit Gewisseld();
}

// The checks come before anything changes: a refused save leaves the window
// as it was.
bool TOpenBerekening::MagOpslaan()
{
    if (!HeeftBerekening() || !kern_.Vast)
        return false;
    if (Trim(Naam()).empty()) {
        kern_.Meldingen.ToonFoutmelding("Naam werknemer is niet ingevuld.");
        selectie_.cmbWerknemer->setFocus();
        return false;
    }
    return regels_.ControleerVoorOpslaan();
}

bool TOpenBerekening::Bewaar()
{
    if (!MagOpslaan())
        return false;
    const TWachtcursor wacht;
    TGegevensScherm& s = kern_.Scherm;
    s.Naam = Naam();
    s.ArtiestAftrekBedrag = regels_.ArtiestAftrekBedrag();
    fondsen_.NeemWaardenOver();
    kern_.Opslag.KaartModus = toestand_ == TBerekeningToestand::Nieuw ? kmNieuw : kmBestaand;
    kern_.Opslag.BewaarBerekening(*kern_.Vast);
    const int nummer = kern_.Werknemers.Werknemersnummer;
    nummer_ = nummer;
    VulLijst();
    Open(nummer);
    return true;
}

bool TOpenBerekening::BewaarAls(const std::string& naam)
{
    if (toestand_ != TBerekeningToestand::Opgeslagen || !MagOpslaan())
        return false;
    const TWachtcursor wacht;
    TVasteHeffingsgegevens& vast = *kern_.Vast;
    const bool geenHeffingsrecord = vast.GeenHeffingsrecord;
    kern_.Scherm.ArtiestAftrekBedrag = regels_.ArtiestAftrekBedrag();
    fondsen_.NeemWaardenOver();
    try {
        kern_.Opslag.BewaarAls(vast, naam);
    } catch (...) {
        // Nothing was stored: the window goes on with the calculation it had.
        vast.SetGeenHeffingsrecord(geenHeffingsrecord);
        kern_.Opslag.KaartModus = kmBestaand;
        kern_.Scherm.Naam = naam_;
        throw;
    }
    const int nummer = kern_.Werknemers.Werknemersnummer;
    nummer_ = nummer;
    VulLijst();
    Open(nummer);
    return true;
}

void TOpenBerekening::Verwijder()
{
    if (toestand_ != TBerekeningToestand::Opgeslagen || !kern_.Vast)
        return;
    kern_.Opslag.VerwijderBerekening(*kern_.Vast);
    nummer_.reset();
    VulLijst();
    ToonGeen();
}

std::optional<TWeigering> TOpenBerekening::Reken()
{
    if (!HeeftBerekening() || !kern_.Vast)
        return TWeigering{kGeenBerekening, std::nullopt};
    if (ongeldig_)
        return TWeigering{*ongeldig_, std::nullopt};
    fondsen_.NeemWaardenOver();
    const TBerekeningInvoer invoer = regels_.LeesInvoer();
    if (auto fout = ControleerInvoer(invoer))
        return TWeigering{fout->Melding, std::move(fout)};
    if (!kern_.Berekening.Run(kern_.Vast.get(), invoer, kern_.Constanten, kern_.Meldingen))
        return TWeigering{kGeenBerekening, std::nullopt};
    return std::nullopt;
}

} // namespace vkt::ui
