#include "ui/FrmSocialeFondsen.h"

#include "widgets/Toegankelijkheid.h"
#include "widgets/Vensterdelen.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace vkt::ui {

TfrmSocialeFondsen::TfrmSocialeFondsen(QWidget* ouder) : QDialog(ouder)
{
    setObjectName("frmSocialeFondsen");
    setWindowTitle("Sociale fondsen");
    setFixedSize(364, 214);
    auto* box = new QGroupBox("Beschikbare sociale fondsen", this);
    box->setObjectName("gbSocialeFondsen");
    box->setGeometry(8, 6, 348, 164);
    lbSociaalFonds_ = new QListWidget(box);
    lbSociaalFonds_->setObjectName("lbSociaalFonds");
    lbSociaalFonds_->setGeometry(10, 20, 328, 134);
    widgets::ZetToegankelijkeNaam(*lbSociaalFonds_, "Beschikbare sociale fondsen");
    // Light yellow, as the program's lists to pick from are.
    lbSociaalFonds_->setStyleSheet("QListWidget { background-color: #ffffe1; }");
    // In place of the list while the catalogue is empty.
    lblGeenFondsen_ = new QLabel("Er zijn nog geen sociale fondsen om uit te kiezen.\n\nMaak een fonds met de knop "
                                 "\"Nieuw sociaal fonds\" op het tabblad Sociale Fondsen; daarna staat het hier.",
                                 box);
    lblGeenFondsen_->setObjectName("lblGeenFondsen");
    lblGeenFondsen_->setGeometry(lbSociaalFonds_->geometry().adjusted(8, 8, -8, -8));
    lblGeenFondsen_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblGeenFondsen_->setWordWrap(true);
    lblGeenFondsen_->hide();
    QPushButton* btnOk = widgets::MaakKnop(this, "btnOk", "&OK", QRect(196, 180, 75, 25));
    QPushButton* btnAnnuleren = widgets::MaakKnop(this, "btnAnnuleren", "&Annuleren", QRect(281, 180, 75, 25));
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAnnuleren, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmSocialeFondsen::Load(const std::vector<TCatalogusFonds>& catalogus)
{
    lbSociaalFonds_->setUpdatesEnabled(false);
    lbSociaalFonds_->clear();
    catalogus_ = catalogus;
    for (const TCatalogusFonds& fonds : catalogus_) {
        auto* item = new QListWidgetItem(QString::fromStdString(fonds.Omschrijving), lbSociaalFonds_);
        item->setData(Qt::UserRole, fonds.Fondsnummer);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(fonds.Aangevinkt ? Qt::Checked : Qt::Unchecked);
    }
    if (lbSociaalFonds_->count() > 0)
        lbSociaalFonds_->setCurrentRow(0);
    lbSociaalFonds_->setVisible(!catalogus_.empty());
    lblGeenFondsen_->setVisible(catalogus_.empty());
    lbSociaalFonds_->setUpdatesEnabled(true);
}

std::vector<TCatalogusFonds> TfrmSocialeFondsen::Keuze() const
{
    std::vector<TCatalogusFonds> keuze = catalogus_;
    for (int i = 0; i < lbSociaalFonds_->count(); ++i)
        keuze[static_cast<std::size_t>(i)].Aangevinkt = lbSociaalFonds_->item(i)->checkState() == Qt::Checked;
    return keuze;
}

} // namespace vkt::ui
