#include "ui/Velden.h"

#include "widgets/Paneel.h"
#include "widgets/Vensterdelen.h"
#include "widgets/ZNODBCheckbox.h"
#include "widgets/ZNODBComboboxEx.h"
#include "widgets/ZNODBDateEdit.h"
#include "widgets/ZNODBNumericEdit.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace vkt::ui {
namespace {

template <typename Paneel>
Paneel* Plaats(Paneel* paneel, const QString& label, const QString& hint, const QRect& plaats, int invoerLinks)
{
    paneel->SetLabelCaption(label);
    paneel->SetWinControlLeft(invoerLinks);
    paneel->setGeometry(plaats);
    if (!hint.isEmpty())
        paneel->InvoerWidget()->setToolTip(hint);
    return paneel;
}

} // namespace

widgets::TZNODBNumericEdit* MaakGetalveld(QWidget* ouder, db::TZNODBNumericEdit& veld, const QString& label,
                                          const QString& hint, const QRect& plaats, int invoerLinks, int cijfers,
                                          int decimalen)
{
    auto* paneel = Plaats(new widgets::TZNODBNumericEdit(veld, ouder), label, hint, plaats, invoerLinks);
    widgets::TZNONumericEdit& invoer = paneel->Invoerveld();
    invoer.SetNumericFormat("1.000,00");
    // Through whole numbers, so that every step is a valid combination.
    invoer.SetDecimals(0);
    invoer.SetDigits(cijfers);
    invoer.SetDecimals(decimalen);
    return paneel;
}

widgets::TZNODBComboboxEx* MaakKeuzeveld(QWidget* ouder, db::TZNODBComboboxEx& veld, const QString& label,
                                         const QString& hint, const QRect& plaats, int invoerLinks)
{
    return Plaats(new widgets::TZNODBComboboxEx(veld, ouder), label, hint, plaats, invoerLinks);
}

widgets::TZNODBDateEdit* MaakDatumveld(QWidget* ouder, db::TZNODBDateEdit& veld, const QString& label,
                                       const QString& hint, const QRect& plaats, int invoerLinks)
{
    return Plaats(new widgets::TZNODBDateEdit(veld, ouder), label, hint, plaats, invoerLinks);
}

widgets::TZNODBCheckbox* MaakVinkveld(QWidget* ouder, db::TZNODBCheckbox& veld, const QString& label,
                                      const QString& hint, const QPoint& plaats)
{
    auto* paneel = new widgets::TZNODBCheckbox(veld, ouder);
    paneel->SetLabelCaption(label);
    const int labelBreedte = paneel->fontMetrics().horizontalAdvance(label);
    paneel->SetWinControlLeft(labelBreedte + 8);
    paneel->setGeometry(plaats.x(), plaats.y(), labelBreedte + 8 + 18, paneel->height());
    if (!hint.isEmpty())
        paneel->InvoerWidget()->setToolTip(hint);
    return paneel;
}

QLabel* MaakTekst(QWidget* ouder, const QString& tekst, const QRect& plaats, Qt::Alignment uitlijning)
{
    auto* label = new QLabel(tekst, ouder);
    label->setGeometry(plaats);
    label->setAlignment(uitlijning | Qt::AlignVCenter);
    return label;
}

void MaakKoptitels(QWidget* ouder, std::initializer_list<std::pair<QString, QRect>> titels)
{
    for (const auto& [tekst, plaats] : titels)
        MaakTekst(ouder, tekst, plaats, Qt::AlignHCenter);
}

std::vector<QLabel*> MaakRijtitels(QWidget* ouder, const QPoint& rijbegin)
{
    // Over the inputs of a column-line row; "Grondslag" ends at the
    // percentage, over the basis column and its mark.
    const std::pair<const char*, QRect> kTitels[] = {
        {"Omschrijving", {1, 0, 190, 15}}, {"B/P", {193, 0, 31, 15}},      {"Grondslag", {214, 0, 56, 15}},
        {"Perc.", {272, 0, 41, 15}},       {"Franchise", {312, 0, 56, 15}}, {"Bedrag", {368, 0, 62, 15}},
    };
    std::vector<QLabel*> labels;
    for (const auto& [tekst, plaats] : kTitels) {
        const Qt::Alignment uitlijning = labels.empty() ? Qt::AlignLeft : labels.size() == 2 ? Qt::AlignRight : Qt::AlignHCenter;
        labels.push_back(MaakTekst(ouder, tekst, plaats.translated(rijbegin), uitlijning));
    }
    return labels;
}

QGroupBox* MaakGroep(QWidget* ouder, const char* naam, const QString& titel, const QRect& plaats)
{
    auto* groep = new QGroupBox(titel, ouder);
    groep->setObjectName(naam);
    groep->setGeometry(plaats);
    return groep;
}

widgets::TPaneel* MaakPaneel(QWidget* ouder, const char* naam, const QRect& plaats)
{
    auto* paneel = new widgets::TPaneel(ouder, widgets::TPaneel::Rand::Geen);
    paneel->setObjectName(naam);
    paneel->setGeometry(plaats);
    return paneel;
}

QPushButton* MaakKnop(QWidget* ouder, const char* naam, const QString& bijschrift, const QString& hint,
                      const QRect& plaats)
{
    QPushButton* knop = widgets::MaakKnop(ouder, naam, bijschrift, plaats);
    knop->setFlat(true);
    knop->setToolTip(hint);
    return knop;
}

} // namespace vkt::ui
