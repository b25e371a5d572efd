#include "widgets/FrmAbout.h"

#include "widgets/Paneel.h"
#include "widgets/Vensterdelen.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace vkt::widgets {

namespace {

const QString Versie = QStringLiteral("2020.02");

// The helpdesk of Zyrdo Software.
struct Contact {
    const char* naam;
    const char* bijschrift;
    const char* naamWaarde;
    const char* waarde;
};
constexpr Contact Helpdesk[] = {
    {"lblTelefoon", "Telefoon:", "lblTelefoonnummer", "020 - 000 00 00"},
    {"lblFax", "Fax:", "lblFaxnummer", "020 - 000 00 01"},
    {"lblEmail", "E-mail:", "lblEmailadres", "info@zyrdo.example"},
};

} // namespace

TfrmAbout::TfrmAbout(QWidget* ouder) : QDialog(ouder)
{
    setObjectName("frmAbout");
    setWindowTitle("Info");
    setFixedSize(327, 189);

    auto* pnlProduct = new TPaneel(this, TPaneel::Rand::Verhoogd, TPaneel::Rand::Verlaagd, 0);
    pnlProduct->setObjectName("pnlProduct");
    pnlProduct->setGeometry(6, 6, 311, 85);
    MaakLogo(pnlProduct, QPoint(6, 7));
    QLabel* lblProduct = MaakLabel(pnlProduct, "lblProduct", "Zyrdo Vektaris 2020", QPoint(161, 25));
    QFont vet = lblProduct->font();
    vet.setBold(true);
    lblProduct->setFont(vet);
    lblProduct->adjustSize();
    MaakLabel(pnlProduct, "lblVersie", "Versie: " + Versie, QPoint(161, 46));

    auto* gbHelpdesk = new QGroupBox("Helpdesk:", this);
    gbHelpdesk->setObjectName("gbHelpdesk");
    gbHelpdesk->setGeometry(6, 97, 223, 86);
    int boven = 22;
    for (const Contact& contact : Helpdesk) {
        MaakLabel(gbHelpdesk, contact.naam, contact.bijschrift, QPoint(10, boven));
        MaakLabel(gbHelpdesk, contact.naamWaarde, contact.waarde, QPoint(70, boven))
            ->setTextInteractionFlags(Qt::TextSelectableByMouse);
        boven += 20;
    }

    QPushButton* btnOk = MaakKnop(this, "btnOk", "OK", QRect(237, 149, 80, 27));
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace vkt::widgets
