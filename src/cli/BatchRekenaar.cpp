#include "cli/BatchRekenaar.h"

#include "calc/OpenenBerekening.h"
#include "cli/BerekenOpdracht.h"
#include "cli/Csv.h"
#include "cli/Fondsengeheugen.h"
#include "common/Exception.h"
#include "common/Meldingen.h"
#include "common/Text.h"
#include "model/Enumeraties.h"
#include "model/Getallen.h"

namespace vkt::cli {

bool TBatchRekenaar::Reken(const TCsvBlok& blok, std::size_t rij, std::string& uitvoer)
{
    std::string melding;
    bool gelukt = false;
    try {
        melding = BerekenRij(blok, rij).value_or("");
        gelukt = true;
    } catch (const OptieFout& fout) {
        melding = fout.what();
        vorigeEinden_.clear();
    } catch (const Exception& fout) {
        melding = ZonderWagenterugloop(fout.what());
        vorigeEinden_.clear();
    } catch (const std::exception& fout) {
        // Not a message of the program's own: said as what it is.
        melding = "de berekening is mislukt: " + ZichtbareTekst(fout.what());
        vorigeEinden_.clear();
    }
    // The row's own fields, as many as the header has.
    const std::size_t velden = blok.AantalVelden(rij);
    for (std::size_t i = 0; i < g_.Kolommen.size(); ++i)
        VoegVeldToe(uitvoer, i < velden ? blok.Veld(rij, i) : std::string_view(), g_.Scheidingsteken, i == 0, true);
    SchrijfUitkomst(uitvoer, melding, gelukt);
    return gelukt;
}

std::optional<std::string> TBatchRekenaar::BerekenRij(const TCsvBlok& blok, std::size_t rij)
{
    if (const auto bedrag = AlleenAnderBedrag(blok, rij)) {
        TBewaardeMeldingen meldingen;
        berekening_.BerekenBedrag(*bedrag, meldingen);
        return LaatsteMelding(meldingen);
    }
    vorigeEinden_.clear();
    const std::size_t velden = blok.AantalVelden(rij);
    const std::size_t kolommen = g_.Kolommen.size();
    // A field too few is as wrong as one too many: which was left out cannot
    // be told.
    if (velden != kolommen)
        throw OptieFout("de rij heeft " + std::to_string(velden) + (velden == 1 ? " veld" : " velden") +
                        ", de kopregel " + std::to_string(kolommen) + ".");
    waarden_.clear();
    for (std::size_t i = 0; i < velden; ++i)
        if (const std::string_view waarde = TrimView(blok.Veld(rij, i)); !waarde.empty())
            waarden_.push_back({g_.Kolommen[i], waarde});
    LeesBerekenOpties(waarden_, g_.Standaard, opties_);
    opties_.Invoer.SocialeFondsen = g_.Fondsen.Gekozen(opties_.Fondsen);

    // The run copies the levy data into its calculation object and fills in
    // the inputs there; a copy of its own is needed only for the changes
    // the row makes to the levy data itself.
    std::optional<std::string> melding;
    if (!WijzigtHeffingsgegevens(opties_)) {
        melding = BerekenMet(g_.Basis, opties_, g_.Constanten, berekening_);
    } else {
        vast_.Assign(g_.Basis);
        vast_.SetConstanten(g_.Basis.Constanten);
        TBerekening::VulHeffingsgegevens(vast_, opties_.Invoer);
        SetWAOPremieRegel(vast_);
        melding = Bereken(vast_, opties_, g_.Constanten, berekening_, "");
    }
    OnthoudRij(blok, rij);
    return melding;
}

std::optional<double> TBatchRekenaar::AlleenAnderBedrag(const TCsvBlok& blok, std::size_t rij) const
{
    const std::size_t velden = blok.AantalVelden(rij);
    const auto kolom = static_cast<std::size_t>(g_.Bedragkolom);
    // A search begins from what the calculation last gave, so only a gross
    // wage is computed the same on the run as it stands.
    if (g_.Bedragkolom < 0 || vorigeEinden_.size() != velden || kolom >= velden ||
        opties_.Invoer.SoortLoonbedrag != slBrutoloon)
        return std::nullopt;
    std::size_t begin = 0;
    for (std::size_t i = 0; i < velden; ++i) {
        const std::string_view vorig(vorigeVelden_.data() + begin, vorigeEinden_[i] - begin);
        begin = vorigeEinden_[i];
        if (i != kolom && blok.Veld(rij, i) != vorig)
            return std::nullopt;
    }
    const std::string_view tekst = TrimView(blok.Veld(rij, kolom));
    if (tekst.empty())
        return std::nullopt;
    try {
        // Of 0 or more: the only check of the inputs that reads the amount.
        return LeesBedrag("loonbedrag", tekst);
    } catch (const OptieFout&) {
        return std::nullopt;
    }
}

void TBatchRekenaar::OnthoudRij(const TCsvBlok& blok, std::size_t rij)
{
    vorigeVelden_.clear();
    vorigeEinden_.clear();
    for (std::size_t i = 0; i < blok.AantalVelden(rij); ++i) {
        vorigeVelden_ += blok.Veld(rij, i);
        vorigeEinden_.push_back(vorigeVelden_.size());
    }
}

// The outcome columns: brutoloon, nettoloon, loonheffing, werkgeverslasten,
// melding, arbeidskorting, sv_loon, zvw_loon, lb_loon; only the message for
// a row that failed.
void TBatchRekenaar::SchrijfUitkomst(std::string& uitvoer, const std::string& melding, bool gelukt) const
{
    TUitkomst u;
    if (gelukt)
        u = Uitkomst(berekening_);
    // An amount holds digits, a minus sign and the decimal comma: never a
    // formula, quoted only where the comma is the delimiter. Each is put
    // together here with its delimiter and appended at once.
    const bool tussenQuotes = g_.Scheidingsteken == ',';
    const auto bedrag = [&](double waarde) {
        char tekst[kMaximumVastLengte + 3];
        char* p = tekst;
        *p++ = g_.Scheidingsteken;
        if (gelukt) {
            char* getal = p + (tussenQuotes ? 1 : 0);
            char* einde = SchrijfVast(getal, tekst + sizeof tekst - 1, waarde, 2);
            if (einde != getal) {
                if (tussenQuotes) {
                    *p = '"';
                    *einde++ = '"';
                }
                p = einde;
            }
        }
        uitvoer.append(tekst, static_cast<std::size_t>(p - tekst));
    };
    bedrag(u.Brutoloon);
    bedrag(u.Nettoloon);
    bedrag(u.Loonheffing);
    bedrag(u.Werkgeverslasten);
    VoegVeldToe(uitvoer, melding, g_.Scheidingsteken, false, true);
    bedrag(u.Arbeidskorting);
    bedrag(u.SvLoon);
    bedrag(u.ZvwLoon);
    bedrag(u.LbLoon);
    uitvoer += '\n';
}

} // namespace vkt::cli
