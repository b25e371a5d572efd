#include "ui/TabWerkgeverslasten.h"

#include "calc/Getalvelden.h"
#include "store/Gegevensscherm.h"
#include "ui/Regelkoppeling.h"
#include "ui/Velden.h"
#include "widgets/KolomRegelControl.h"
#include "widgets/Paneel.h"
#include "widgets/ZNODBCheckbox.h"
#include "widgets/ZNODBNumericEdit.h"

#include <QGroupBox>
#include <QPushButton>

namespace vkt::ui {
namespace {

constexpr int kBreedte = 737;   // of the groups and panels
constexpr int kRijX = 8;        // of the rows in their group
constexpr int kActiefX = 484;   // of the "actief" boxes, just past the rows
constexpr int kEersteRij = 18;  // below a group's caption, also where it has none

} // namespace

TtsWerkgeverslasten::TtsWerkgeverslasten(TGegevensScherm& s, TRegelkoppeling& koppeling, QWidget* ouder)
    : QWidget(ouder), koppeling_(koppeling)
{
    setObjectName("tsAlgemeen");
    auto* vakantiegeld = MaakPaneel(this, "pnlVakantiegeld", {4, 4, kBreedte, 31});
    MaakGetalveld(vakantiegeld, s.edWGVakantiegeld, "Percentage vakantiegeld", "vermeld het percentage vakantiegeld",
                  {4, 5, 215, 21}, 135, kVeldVakantiegeld.Cijfers, kVeldVakantiegeld.Decimalen);
    MaakRijtitels(this, {4 + kRijX, 40});

    auto* wao = MaakGroep(this, "gbWAO", "WAO/WIA-premie", {4, 58, kBreedte, 45});
    krcWGWaoVast = MaakRij(wao, "krcWGWaoVast", TRijvorm::PremieSVW, "Basispremie WAO/WIA", {rtWAOPremieVast, 0},
                           kEersteRij);
    MaakActief(wao, s.cbActiefWAO, kEersteRij, "aankruisen als WAO-premie berekend moet worden");

    auto* whk = MaakGroep(this, "gbWhk", "Whk-premie (Werkhervattingskas)", {4, 105, kBreedte, 45});
    MaakRij(whk, "krcWGWhk", TRijvorm::PremieSVW, "Whk-premie", {rtWhkPremie, 0}, kEersteRij);
    MaakActief(whk, s.cbActiefWhk, kEersteRij, "aankruisen als Whk-premie berekend moet worden");

    auto* ww = MaakGroep(this, "gbWW", "WW-premie", {4, 152, kBreedte, 70});
    MaakRij(ww, "krcWGAWfLaag", TRijvorm::PremieSVW, "AWf laag", {rtWWPremieAwfLaag, 0}, kEersteRij);
    MaakRij(ww, "krcWGAWfHoog", TRijvorm::PremieSVW, "AWf hoog", {rtWWPremieAwfHoog, 0}, kEersteRij + 25);
    MaakActief(ww, s.cbActiefWW, kEersteRij + 12, "aankruisen als werkgeversdeel WW-premie berekend moet worden");

    auto* zvw = MaakGroep(this, "gbZvw", "", {4, 224, kBreedte, 45});
    MaakRij(zvw, "krcWGZvw", TRijvorm::PremieSVW, "Zvw werkgeversheffing", {rtZfwPremieWG, 0}, kEersteRij);
    cbActiefZvw = MaakActief(zvw, s.cbActiefZvw, kEersteRij);

    auto* premies = MaakPaneel(this, "pnlWGPremies", {4, 273, kBreedte, 80});
    MaakRij(premies, "krcWGVUTFPU", TRijvorm::PremieWGZonderFranchise, "FPU/Vroegpensioenpremie",
            {rtVUTFPUPremieWG, 0}, 5);
    MaakActief(premies, s.cbActiefVUTFPU, 5,
               "aankruisen als werkgeversdeel FPU/Vroegpensioenpremie berekend moet worden");
    MaakRij(premies, "krcWGPensioen", TRijvorm::PremieWG, "Pensioenpremie", {rtPensioenPremieWG, 0}, 30);
    MaakActief(premies, s.cbActiefPensioen, 30, "aankruisen als werkgeversdeel pensioenpremie berekend moet worden");
    MaakRij(premies, "krcWGIPPremie", TRijvorm::PremieWG, "IP-premie", {rtIPPremieWG, 0}, 55);
    MaakActief(premies, s.cbActiefIP, 55, "aankruisen als werkgeversdeel IP-premie berekend moet worden");

    auto* levensloop = MaakGroep(this, "gbLevensloop", "", {4, 353, kBreedte, 45});
    MaakRij(levensloop, "krcWGLevensloop", TRijvorm::Premie, "Werkgeversinleg levensloopregeling",
            {rtLevensloopWG, 0}, kEersteRij,
            "geef het bedrag of percentage voor de berekening van de werkgeversinleg levensloopregeling");
    MaakActief(levensloop, s.cbActiefLevensloop, kEersteRij,
               "aankruisen als werkgeversinleg levensloopregeling berekend moet worden");

    auto* onder = MaakPaneel(this, "pnlWGOnder", {4, 402, kBreedte, 72});
    MaakVinkveld(onder, s.cbWGLastenTonen, "Werkgeverslasten tonen in berekening",
                 "aankruisen om werkgeverslasten in berekening te tonen", {4, 7});
    MaakVinkveld(onder, s.cbLoonInclVakantie, "Berekening Pensioen/FPU over loon inclusief vakantiegeld",
                 "aanklikken voor berekening Pensioen-, FPU- en IP-premie over brutoloon verhoogd met vakantiegeld",
                 {4, 28});
    btnGrondslagWG = MaakKnop(onder, "btnGrondslagWG", "Afwijkende berekenings&grondslag",
                              "opent venster voor afwijkende grondslag berekening", {4, 48, 200, 21});
}

widgets::TKolomRegelControl* TtsWerkgeverslasten::MaakRij(QWidget* groep, const char* naam, TRijvorm vorm,
                                                           const QString& bijschrift, TRegelSleutel regel, int y,
                                                           const QString& hint)
{
    widgets::TKolomRegelControl* rij = ui::MaakRij(groep, naam, vorm, bijschrift, hint);
    rij->move(kRijX, y);
    koppeling_.VoegToe(rij, regel);
    return rij;
}

widgets::TZNODBCheckbox* TtsWerkgeverslasten::MaakActief(QWidget* groep, db::TZNODBCheckbox& veld, int y,
                                                         const QString& hint)
{
    return MaakVinkveld(groep, veld, "actief", hint, {kActiefX, y + 3});
}

} // namespace vkt::ui
