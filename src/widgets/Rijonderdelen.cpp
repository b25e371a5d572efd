#include "widgets/Rijonderdelen.h"

#include "widgets/NumeriekVeld.h"
#include "widgets/Toegankelijkheid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace vkt::widgets {
namespace {

template <typename T>
T* Plaats(T* widget, const QString& naam, const QRect& plek, const QString& hint)
{
    widget->setObjectName(naam);
    widget->setGeometry(plek);
    if (!hint.isEmpty()) {
        widget->setToolTip(hint);
        ZetToegankelijkeNaam(*widget, hint);
    }
    return widget;
}

} // namespace

TZNONumericEdit* MaakGetalveld(QWidget* ouder, const QString& naam, const QRect& plek, int digits, int decimals,
                               const QString& hint)
{
    auto* veld = Plaats(new TZNONumericEdit(ouder), naam, plek, hint);
    // Through whole numbers, so that every step is a valid combination.
    veld->SetDecimals(0);
    veld->SetDigits(digits);
    veld->SetDecimals(decimals);
    return veld;
}

QComboBox* MaakKeuzelijst(QWidget* ouder, const QString& naam, const QRect& plek, const QStringList& keuzes,
                          const QString& hint)
{
    auto* lijst = Plaats(new QComboBox(ouder), naam, plek, hint);
    lijst->addItems(keuzes);
    // The one-letter lists of a row are about 30 pixels wide: a narrow arrow
    // leaves room to read their letter.
    if (plek.width() < 40)
        lijst->setStyleSheet("QComboBox { padding-left: 2px; padding-right: 0px; } "
                             "QComboBox::drop-down { width: 13px; border-left: 1px solid #b0b0b0; } "
                             "QComboBox::down-arrow { image: url(:/afbeeldingen/pijl-omlaag.svg); width: 7px; "
                             "height: 4px; }");
    return lijst;
}

QCheckBox* MaakVinkje(QWidget* ouder, const QString& naam, const QRect& plek, const QString& hint)
{
    auto* vinkje = Plaats(new QCheckBox(" ", ouder), naam, plek, hint);
    vinkje->setFocusPolicy(Qt::ClickFocus);
    return vinkje;
}

QLabel* MaakLabel(QWidget* ouder, const QString& naam, const QRect& plek, const QString& tekst)
{
    return Plaats(new QLabel(tekst, ouder), naam, plek, {});
}

} // namespace vkt::widgets
