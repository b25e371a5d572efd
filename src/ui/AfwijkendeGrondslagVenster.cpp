#include "ui/AfwijkendeGrondslagVenster.h"

#include "ui/Formuleveld.h"
#include "widgets/Toegankelijkheid.h"
#include "widgets/Vensterdelen.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace vkt::ui {
namespace {

constexpr int kRijhoogte = 27;
constexpr int kLegendaRijhoogte = 17;
constexpr int kLegendaRijen = 9; // two columns
constexpr int kRijenBreedte = 478;
constexpr int kLegendaBreedte = 316;
constexpr int kMarge = 8;

} // namespace

TAfwijkendeGrondslagVenster::TAfwijkendeGrondslagVenster(bool fonds, QWidget* ouder) : QDialog(ouder), fonds_(fonds)
{
}

void TAfwijkendeGrondslagVenster::Opbouwen(const std::vector<std::pair<QString, QString>>& rijen)
{
    const int hoogte = std::max(MaakRijen(rijen), MaakLegenda(2 * kMarge + kRijenBreedte));
    for (auto* box : findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
        box->resize(box->width(), hoogte);
    const int breedte = 3 * kMarge + kRijenBreedte + kLegendaBreedte;
    const int knoppenY = kMarge + hoogte + 10;
    QPushButton* btnOpslaan = widgets::MaakKnop(this, "btnOpslaan", "&Opslaan", QRect(breedte - 170, knoppenY, 75, 25));
    QPushButton* btnAnnuleren =
        widgets::MaakKnop(this, "btnAnnuleren", "&Annuleren", QRect(breedte - 83, knoppenY, 75, 25));
    btnOpslaan->setDefault(true);
    connect(btnOpslaan, &QPushButton::clicked, this, [this] { Opslaan(); });
    connect(btnAnnuleren, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(breedte, knoppenY + 25 + kMarge + 2);
}

int TAfwijkendeGrondslagVenster::MaakRijen(const std::vector<std::pair<QString, QString>>& rijen)
{
    auto* box = new QGroupBox("Berekeningsgrondslagen", this);
    box->setObjectName("gbGrondslagen");
    box->move(kMarge, kMarge);
    box->resize(kRijenBreedte, 0);
    int y = 22;
    for (const auto& [naam, label] : rijen) {
        QLabel* lbl = widgets::MaakLabel(box, ("lbl" + naam).toUtf8().constData(), label, QPoint(10, y + 4));
        TFormuleRij rij;
        rij.Veld = new TFormuleVeld(fonds_, box);
        rij.Veld->setObjectName("ed" + naam);
        rij.Veld->setGeometry(150, y, 250, 21);
        widgets::ZetToegankelijkeNaam(*rij.Veld, label);
        lbl->setBuddy(rij.Veld);
        rij.Actief = new QCheckBox("actief", box);
        rij.Actief->setObjectName("cb" + naam);
        rij.Actief->setGeometry(410, y + 2, 60, 17);
        widgets::ZetToegankelijkeNaam(*rij.Actief, "actief");
        rij.Actief->installEventFilter(this);
        connect(rij.Veld, &TFormuleVeld::Exit, this, [rij] {
            rij.Veld->Controleer();
            if (rij.Veld->text().isEmpty())
                rij.Actief->setChecked(false);
        });
        rijen_.push_back(rij);
        y += kRijhoogte;
    }
    return y + 6;
}

int TAfwijkendeGrondslagVenster::MaakLegenda(int links)
{
    auto* box = new QGroupBox("Rekenvariabelen", this);
    box->setObjectName("gbRekenvariabelen");
    box->setGeometry(links, kMarge, kLegendaBreedte, 0);
    int i = 0;
    for (const TSneltoets& toets : Sneltoetsen()) {
        const QString tekst = fonds_ ? toets.LegendaSF : toets.LegendaWN;
        if (tekst.isEmpty())
            continue;
        const int x = 10 + (i / kLegendaRijen) * 152;
        const int y = 22 + (i % kLegendaRijen) * kLegendaRijhoogte;
        QLabel* letter = widgets::MaakLabel(box, "lblLetter", QString(toets.Letter), QPoint(x, y));
        letter->setObjectName(QString("lblLetter") + toets.Letter);
        QFont vet = letter->font();
        vet.setBold(true);
        letter->setFont(vet);
        letter->adjustSize();
        QLabel* uitleg = widgets::MaakLabel(box, "lblLegenda", tekst, QPoint(x + 16, y));
        uitleg->setObjectName(QString("lblLegenda") + toets.Letter);
        legenda_.emplace_back(uitleg, toets.Symbool);
        ++i;
    }
    return 22 + kLegendaRijen * kLegendaRijhoogte + 6;
}

bool TAfwijkendeGrondslagVenster::ControleerFormules()
{
    bool geldig = true;
    for (const TFormuleRij& rij : rijen_)
        geldig = rij.Veld->Controleer() && geldig;
    return geldig;
}

bool TAfwijkendeGrondslagVenster::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::FocusOut)
        for (const TFormuleRij& rij : rijen_)
            if (object == rij.Actief && rij.Actief->isChecked() && rij.Veld->text().isEmpty())
                rij.Actief->setChecked(false);
    return QDialog::eventFilter(object, event);
}

void TAfwijkendeGrondslagVenster::showEvent(QShowEvent* event)
{
    if (!getoond_) {
        getoond_ = true;
        for (auto& [label, symbool] : legenda_) {
            label->setText(symbool);
            label->adjustSize();
        }
    }
    QDialog::showEvent(event);
}

} // namespace vkt::ui
