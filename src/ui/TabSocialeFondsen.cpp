#include "ui/TabSocialeFondsen.h"

#include "store/Gegevensscherm.h"
#include "ui/Velden.h"
#include "widgets/Paneel.h"

#include <QPushButton>
#include <QScrollArea>

namespace vkt::ui {
namespace {

// The fund rows start at the scroll area's left edge; the titles above
// them line up with their inputs.
constexpr int kFondsX = 0;

} // namespace

TtsSocialeFondsen::TtsSocialeFondsen(TGegevensScherm& s, QWidget* ouder) : QWidget(ouder)
{
    setObjectName("tsSocialeFondsen");
    MaakKoptitels(this, {{"Grondslag", {kFondsX + 4 + 72, 6, 56, 15}},
                         {"Boeken als", {kFondsX + 4 + 126, 6, 201, 15}},
                         {"B/P", {kFondsX + 4 + 417, 6, 33, 15}},
                         {"Jaargrens", {kFondsX + 4 + 453, 6, 65, 15}},
                         {"Jaarfranchise", {kFondsX + 4 + 518, 6, 73, 15}},
                         {"Perc.", {kFondsX + 4 + 590, 6, 45, 15}},
                         {"Bedrag", {kFondsX + 4 + 638, 6, 65, 15}}});
    sbSocialeFondsen = new QScrollArea(this);
    sbSocialeFondsen->setObjectName("sbSocialeFondsen");
    sbSocialeFondsen->setGeometry(4, 24, 737, 376);

    auto* onder = MaakPaneel(this, "pnlSFOnder", {4, 404, 737, 52});
    MaakVinkveld(onder, s.cbSFDeeltijd, "Deeltijdfactor toepassen op jaarfranchise",
                 "aankruisen om aan te geven of deeltijdfactor van toepassing is op jaarfranchise", {4, 6});
    btnNieuwSF = MaakKnop(onder, "btnNieuwSF", "&Nieuw sociaal fonds",
                          "opent venster voor het aanmaken van een nieuw sociaal fonds", {4, 27, 170, 21});
    btnSocialeFondsen = MaakKnop(onder, "btnSocialeFondsen", "Beschikbare &sociale fondsen",
                                 "opent venster voor het selecteren uit de beschikbare sociale fondsen",
                                 {180, 27, 170, 21});
}

} // namespace vkt::ui
