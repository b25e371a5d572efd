#include "widgets/Skin.h"

#include "widgets/FocusKleur.h"
#include "widgets/Kleuren.h"
#include "widgets/Paneel.h"
#include "widgets/ZNOMessageForm.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QListView>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>

namespace vkt::widgets {

namespace {

void ZetKleur(QWidget& widget, QPalette::ColorRole rol, const QColor& kleur)
{
    QPalette palet = widget.palette();
    palet.setColor(rol, kleur);
    widget.setPalette(palet);
}

void ZetAchtergrond(QWidget& widget, const QColor& kleur)
{
    ZetKleur(widget, QPalette::Window, kleur);
    widget.setAutoFillBackground(true);
}

bool IsGegevensveld(const QWidget& widget)
{
    return widget.property(EigenschapGegevensveld).toBool();
}

bool StaatOpWerkbalk(const QWidget& widget)
{
    return widget.parentWidget() && widget.parentWidget()->objectName() == "pnlControlBar";
}

void KleurPaneel(TPaneel& paneel)
{
    if (paneel.objectName().contains("pnlButtons")) {
        if (paneel.height() != 40)
            ZetAchtergrond(paneel, Kleuren::Wit);
    } else {
        ZetAchtergrond(paneel, paneel.objectName() == "pnlControlBar" ? Kleuren::Wit : Kleuren::Paneel);
    }
}

void KleurKoppen(QHeaderView& kop)
{
    ZetKleur(kop, QPalette::Button, Kleuren::Kop);
    ZetKleur(kop, QPalette::Window, Kleuren::Kop);
    ZetKleur(kop, QPalette::ButtonText, Kleuren::Wit);
}

void KleurRaster(QAbstractItemView& raster, QHeaderView* boven, QHeaderView* links)
{
    ZetKleur(raster, QPalette::Base, Kleuren::Wit);
    ZetKleur(raster, QPalette::AlternateBase, Kleuren::Wit);
    for (QHeaderView* kop : {boven, links})
        if (kop)
            KleurKoppen(*kop);
}

void KleurPlatteKnop(QPushButton& knop)
{
    knop.setStyleSheet(QString("QPushButton { background-color: %1; color: %2; border: none; padding: 1px 2px; }"
                               "QPushButton:focus { border: 1px dotted %2; }"
                               "QPushButton:hover { background-color: %3; }"
                               "QPushButton:disabled { background-color: %4; }")
                           .arg(Kleuren::Knop.name(), Kleuren::Wit.name(), Kleuren::Kop.name(),
                                Kleuren::KnopUit.name()));
}

// The box is filled inside its frame only; its title stands above the frame on
// the colour of what the box stands on.
void KleurGroep(QGroupBox& groep)
{
    ZetKleur(groep, QPalette::Window, Kleuren::Paneel);
    groep.setStyleSheet(QString("QGroupBox { background-color: %1; border: 1px solid %2; border-radius: 2px;"
                                " margin-top: 1.2em; }"
                                "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }")
                            .arg(Kleuren::Paneel.name(), Kleuren::KnopUit.darker(125).name()));
}

void KleurOnderdeel(QWidget& widget)
{
    if (auto* paneel = qobject_cast<TPaneel*>(&widget)) {
        KleurPaneel(*paneel);
    } else if (auto* knop = qobject_cast<QToolButton*>(&widget)) {
        knop->setAutoRaise(true);
        const QColor& kleur = StaatOpWerkbalk(*knop) ? Kleuren::Wit : Kleuren::Paneel;
        ZetAchtergrond(*knop, kleur);
        ZetKleur(*knop, QPalette::Button, kleur);
    } else if (auto* raster = qobject_cast<QTableView*>(&widget)) {
        KleurRaster(*raster, raster->horizontalHeader(), raster->verticalHeader());
        if (!IsGegevensveld(*raster))
            ZetKleur(*raster, QPalette::Highlight, Kleuren::Selectie);
    } else if (auto* lijst = qobject_cast<QTreeView*>(&widget)) {
        KleurRaster(*lijst, lijst->header(), nullptr);
    } else if (IsGegevensveld(widget)) {
        if (widget.parentWidget())
            ZetKleur(widget, QPalette::Base, widget.parentWidget()->palette().color(QPalette::Window));
    } else if (qobject_cast<QListView*>(&widget)) {
        ZetKleur(widget, QPalette::Base, Kleuren::Wit);
    } else if (qobject_cast<QStatusBar*>(&widget)) {
        ZetAchtergrond(widget, Kleuren::Wit);
    } else if (auto* platteKnop = qobject_cast<QPushButton*>(&widget); platteKnop && platteKnop->isFlat()) {
        KleurPlatteKnop(*platteKnop);
    } else if (auto* groep = qobject_cast<QGroupBox*>(&widget)) {
        KleurGroep(*groep);
    } else if (qobject_cast<QScrollArea*>(&widget) ||
               widget.inherits("QPrintPreviewWidget")) {
        ZetAchtergrond(widget, Kleuren::Paneel);
    }
}

} // namespace

void Skin(QWidget& venster)
{
    ZetProcesFocusKleur(Kleuren::Wit);
    venster.setUpdatesEnabled(false);
    // Parents come before their children, so a data-aware field finds the
    // colour its parent has just been given.
    for (QWidget* widget : venster.findChildren<QWidget*>())
        KleurOnderdeel(*widget);
    if (qobject_cast<TZNOMessageForm*>(&venster)) {
        if (auto* knoppen = venster.findChild<QWidget*>("pnlButtons"))
            ZetAchtergrond(*knoppen, Kleuren::Wit);
        if (auto* melding = venster.findChild<QWidget*>("pnlMessage"))
            ZetAchtergrond(*melding, Kleuren::Melding);
        if (auto* lijn = venster.findChild<QWidget*>("Bevel1"))
            lijn->hide();
    }
    venster.setUpdatesEnabled(true);
}

TSkin::TSkin(QWidget* hoofdvenster, QObject* ouder) : QObject(ouder), hoofdvenster_(hoofdvenster)
{
    qApp->installEventFilter(this);
}

bool TSkin::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && object->isWidgetType()) {
        auto* venster = static_cast<QWidget*>(object);
        if (venster->isWindow() && !(venster == hoofdvenster_ && hoofdvensterGedaan_)) {
            hoofdvensterGedaan_ = hoofdvensterGedaan_ || venster == hoofdvenster_;
            Skin(*venster);
        }
    }
    return QObject::eventFilter(object, event);
}

} // namespace vkt::widgets
