#include "widgets/ZNODBComboboxEx.h"

#include <QSignalBlocker>

namespace vkt::widgets {

TZNODBComboboxEx::TZNODBComboboxEx(db::TComponentLijst* venster, const std::string& naam, QWidget* parent)
    : TGebondenVeld(venster, naam, "ComponentCombobox", parent)
{
    veld_.Toon = [this] {
        // The item of the key's text, whatever its letter case; none for an unknown key.
        invoer_->setCurrentIndex(invoer_->findText(QString::fromStdString(veld_.Text()), Qt::MatchFixedString));
    };
    connect(invoer_, &QComboBox::currentIndexChanged, this,
            [this] { veld_.SetText(invoer_->currentText().toStdString()); });
}

void TZNODBComboboxEx::SetKeyList(db::TKeyList keyList)
{
    veld_.SetKeyList(std::move(keyList));
    VulLijst();
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
    veld_.Toon();
}

} // namespace vkt::widgets
