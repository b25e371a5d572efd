#include "widgets/FocusGrens.h"

#include "widgets/InvoerVastlegger.h"

#include <QApplication>
#include <QWidget>

namespace vkt::widgets {

TFocusGrens::TFocusGrens(QWidget* gebied) : QObject(gebied), gebied_(gebied)
{
    connect(qApp, &QApplication::focusChanged, this, &TFocusGrens::FocusVeranderd);
    // What the area does on leaving happens before a command acts too.
    TInvoerVastlegger::Installeer();
}

bool TFocusGrens::Binnen(const QWidget* widget) const
{
    // Across window borders: a list that drops down is a window of its own.
    for (; widget != nullptr; widget = widget->parentWidget())
        if (widget == gebied_)
            return true;
    return false;
}

void TFocusGrens::FocusVeranderd(QWidget*, QWidget* nieuw)
{
    if (nieuw == nullptr)
        return;
    const bool was = binnen_;
    binnen_ = Binnen(nieuw);
    if (was && !binnen_)
        emit Verlaten();
    else if (!was && binnen_)
        emit Binnengekomen();
}

} // namespace vkt::widgets
