#include "widgets/CustomKolomRegelControl.h"

#include "common/Text.h"
#include "widgets/FocusGrens.h"
#include "widgets/Toegankelijkheid.h"

#include <QComboBox>
#include <QLabel>

namespace vkt::widgets {

TCustomKolomRegelControl::TCustomKolomRegelControl(QWidget* parent)
    : QFrame(parent), captionLabel_(new QLabel(this)), captionCombo_(new QComboBox(this))
{
    resize(466, 23);
    setFrameShape(QFrame::NoFrame);
    captionLabel_->setObjectName("CaptionLabel");
    captionLabel_->setGeometry(1, 4, 198, 15);
    captionCombo_->setObjectName("CaptionCombo");
    captionCombo_->setGeometry(1, 1, 0, 21);
    captionCombo_->setEditable(true);
    captionCombo_->hide();
    SetCaptionText("CaptionText");

    auto* grens = new TFocusGrens(this);
    connect(grens, &TFocusGrens::Binnengekomen, this, &TCustomKolomRegelControl::Enter);
    connect(grens, &TFocusGrens::Verlaten, this, [this] { Verlaten(); });
}

void TCustomKolomRegelControl::SetCaptionType(TCaptionType type)
{
    captionType_ = type;
    const bool vast = type == ctStatic;
    captionLabel_->setVisible(vast);
    captionLabel_->resize(vast ? 198 : 0, captionLabel_->height());
    captionCombo_->setVisible(!vast);
    captionCombo_->resize(vast ? 0 : 198, captionCombo_->height());
}

QString TCustomKolomRegelControl::CaptionText() const { return captionLabel_->text(); }

void TCustomKolomRegelControl::SetCaptionText(const QString& text)
{
    captionLabel_->setText(text);
    captionLabel_->setToolTip(text);
    captionCombo_->setEditText(text);
    captionCombo_->setToolTip(text);
    ZetToegankelijkeNaam(*captionCombo_, text);
}

QStringList TCustomKolomRegelControl::CaptionItems() const
{
    QStringList items;
    for (int i = 0; i < captionCombo_->count(); ++i)
        items << captionCombo_->itemText(i);
    return items;
}

void TCustomKolomRegelControl::SetCaptionItems(const QStringList& items)
{
    const QString tekst = captionCombo_->currentText();
    captionCombo_->clear();
    captionCombo_->addItems(items);
    captionCombo_->setEditText(tekst);
}

void TCustomKolomRegelControl::GetValues(TKolomRegelValues& values) const
{
    values = TKolomRegelValues{};
    values.Omschrijving = Utf8Left(CaptionText().toStdString(), MaximaleOmschrijvingLengte);
}

void TCustomKolomRegelControl::SetValues(const TKolomRegelValues& values)
{
    SetCaptionText(QString::fromStdString(values.Omschrijving));
}

void TCustomKolomRegelControl::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    if (geinitialiseerd_)
        return;
    geinitialiseerd_ = true;
    Initialize();
}

} // namespace vkt::widgets
