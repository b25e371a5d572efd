#include "widgets/ZNODBComboboxEx.h"

#include <QSignalBlocker>

namespace vkt::widgets {

TZNODBComboboxEx::TZNODBComboboxEx(db::TZNODBComboboxEx& veld, QWidget* parent)
    : TGebondenVeld(veld, "ComponentCombobox", parent)
{
    connect(invoer_, &QComboBox::currentIndexChanged, this,
            [this] { Bewerk([this] { veld_.SetText(invoer_->currentText().toStdString()); }); });
    VulLijst();
}

void TZNODBComboboxEx::SetKeyList(db::TKeyList keyList)
{
    veld_.SetKeyList(std::move(keyList));
    VulLijst();
}

// The item of the key's text, whatever its letter case; none for an unknown key.
void TZNODBComboboxEx::ToonVeld()
{
    const QSignalBlocker stil(invoer_);
    invoer_->setCurrentIndex(invoer_->findText(QString::fromStdString(veld_.Text()), Qt::MatchFixedString));
}

void TZNODBComboboxEx::showEvent(QShowEvent* event)
{
    TGebondenVeld::showEvent(event);
    VulLijst();
}

void TZNODBComboboxEx::VulLijst()
{
    if (veld_.KeyList().Empty())
        return;
    {
        const QSignalBlocker stil(invoer_);
        invoer_->clear();
        for (const std::string& tekst : veld_.Items())
            invoer_->addItem(QString::fromStdString(tekst));
    }
    ToonVeld();
}

} // namespace vkt::widgets
