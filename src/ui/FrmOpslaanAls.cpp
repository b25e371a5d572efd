#include "ui/FrmOpslaanAls.h"

#include "common/Meldingen.h"
#include "store/BerekeningOpslag.h"
#include "widgets/Toegankelijkheid.h"
#include "widgets/Vensterdelen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vkt::ui {

TfrmOpslaanAls::TfrmOpslaanAls(const QString& titel, const std::string& oudeNaam, TMeldingen& meldingen,
                               QWidget* ouder)
    : QDialog(ouder), edWNNaam_(new QLineEdit(this)), oudeNaam_(oudeNaam), meldingen_(meldingen)
{
    setObjectName("frmOpslaanAls");
    setWindowTitle(titel);
    setFixedSize(255, 127);
    widgets::MaakLabel(this, "lblNaam", "Naam werknemer: ", QPoint(16, 24));
    edWNNaam_->setObjectName("edWNNaam");
    edWNNaam_->setGeometry(16, 42, 223, 21);
    edWNNaam_->setMaxLength(50);
    widgets::ZetToegankelijkeNaam(*edWNNaam_, "Naam werknemer: ");
    QPushButton* ok = widgets::MaakKnop(this, "btnOk", "&Ok", {78, 86, 75, 25});
    ok->setDefault(true);
    QPushButton* annuleren = widgets::MaakKnop(this, "btnAnnuleren", "&Annuleren", {164, 86, 75, 25});
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuleren, &QPushButton::clicked, this, &QDialog::reject);
    edWNNaam_->setFocus();
}

void TfrmOpslaanAls::accept()
{
    const std::string naam = edWNNaam_->text().toStdString();
    if (!IsNieuweNaam(oudeNaam_, naam)) {
        meldingen_.ToonMelding("Ingevoerde naam bestaat reeds of is niet ingevuld.");
        edWNNaam_->setFocus();
        return;
    }
    nieuweNaam_ = naam;
    QDialog::accept();
}

} // namespace vkt::ui
