#include "widgets/Vensterdelen.h"

#include "widgets/Afbeeldingen.h"
#include "widgets/Toegankelijkheid.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

namespace vkt::widgets {

QPushButton* MaakKnop(QWidget* ouder, const char* naam, const QString& bijschrift, const QRect& plaats)
{
    auto* knop = new QPushButton(ouder);
    knop->setObjectName(naam);
    knop->setGeometry(plaats);
    ZetBijschrift(*knop, bijschrift);
    return knop;
}

void ZetBijschrift(QPushButton& knop, const QString& bijschrift)
{
    knop.setText(bijschrift);
    ZetToegankelijkeNaam(knop, bijschrift);
}

QLabel* MaakLabel(QWidget* ouder, const char* naam, const QString& tekst, const QPoint& plaats)
{
    auto* label = new QLabel(tekst, ouder);
    label->setObjectName(naam);
    label->setTextFormat(Qt::PlainText);
    label->move(plaats);
    label->adjustSize();
    return label;
}

QLabel* MaakLogo(QWidget* ouder, const QPoint& plaats)
{
    const QSize maat(143, 70);
    auto* logo = new QLabel(ouder);
    logo->setObjectName("imgLogo");
    logo->setGeometry(QRect(plaats, maat));
    logo->setPixmap(Afbeelding(Afbeeldingen::Logo, maat, qApp->devicePixelRatio()));
    logo->setAccessibleName("Vektaris 2020");
    return logo;
}

QFrame* MaakLijn(QWidget* ouder, const char* naam, const QPoint& plaats, int hoogte)
{
    auto* lijn = new QFrame(ouder);
    lijn->setObjectName(naam);
    lijn->setFrameShape(QFrame::VLine);
    lijn->setFrameShadow(QFrame::Sunken);
    lijn->setGeometry(plaats.x(), plaats.y(), 2, hoogte);
    return lijn;
}

} // namespace vkt::widgets
