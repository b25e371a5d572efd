#include "widgets/FrmStatus.h"

#include "widgets/Paneel.h"
#include "widgets/Toegankelijkheid.h"
#include "widgets/Vensterdelen.h"

#include <QLabel>
#include <QProgressBar>

#include <algorithm>

namespace vkt::widgets {

namespace {
const QString Statustekst = QStringLiteral("Bezig met ophalen van werknemergegevens...");
}

TfrmStatus::TfrmStatus(QWidget* ouder)
    : QDialog(ouder, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName("frmStatus");
    setFixedSize(424, 126);

    auto* pnlStatus = new TPaneel(this, TPaneel::Rand::Verlaagd);
    pnlStatus->setObjectName("pnlStatus");
    pnlStatus->setGeometry(9, 6, 404, 82);
    MaakLogo(pnlStatus, QPoint(7, 6));
    MaakLijn(pnlStatus, "Bevel1", QPoint(157, 6), 70);
    auto* lblStatus = new QLabel(Statustekst, pnlStatus);
    lblStatus->setObjectName("lblStatus");
    lblStatus->setWordWrap(true);
    // Two lines when the screen font is too wide for one.
    lblStatus->setGeometry(166, 29, 225, std::max(17, lblStatus->heightForWidth(225)));

    pbVoortgang_ = new QProgressBar(this);
    pbVoortgang_->setObjectName("pbVoortgang");
    pbVoortgang_->setGeometry(9, 98, 404, 17);
    pbVoortgang_->setRange(0, 100);
    pbVoortgang_->setValue(0);
    pbVoortgang_->setTextVisible(false);
    ZetToegankelijkeNaam(*pbVoortgang_, Statustekst);
}

void TfrmStatus::VerhoogVoortgang(int stap)
{
    pbVoortgang_->setValue(std::clamp(pbVoortgang_->value() + stap, 0, 100));
    pbVoortgang_->repaint();
}

int TfrmStatus::Voortgang() const
{
    return pbVoortgang_->value();
}

void TfrmStatus::reject()
{
    // Escape does not take the window away in the middle of the loading.
}

void TfrmStatus::showEvent(QShowEvent* event)
{
    setWindowTitle("Vektaris 2020");
    QDialog::showEvent(event);
}

} // namespace vkt::widgets
