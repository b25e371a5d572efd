#include "widgets/FrmSplash.h"

#include "widgets/Afbeeldingen.h"
#include "widgets/Vensterdelen.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

namespace vkt::widgets {

TfrmSplash::TfrmSplash(QWidget* ouder) : QDialog(ouder, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName("frmSplash");
    setFixedSize(301, 262);

    auto* imgSplash = new QLabel(this);
    imgSplash->setObjectName("imgSplash");
    imgSplash->setGeometry(12, 10, 278, 215);
    imgSplash->setPixmap(Afbeelding(Afbeeldingen::Splash, imgSplash->size(), qApp->devicePixelRatio()));
    imgSplash->setAccessibleName("Zyrdo Vektaris 2020");

    QPushButton* btnOk = MaakKnop(this, "btnOk", "&Ok", QRect(215, 230, 75, 25));
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace vkt::widgets
