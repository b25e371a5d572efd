#include "widgets/ZNODBComponent.h"

#include "widgets/FocusGrens.h"
#include "widgets/Toegankelijkheid.h"
#include "widgets/ZNOEdit.h"

#include <QComboBox>
#include <QScopedValueRollback>
#include <QKeyEvent>
#include <QLabel>

namespace vkt::widgets {

TZNODBComponent::TZNODBComponent(QWidget* invoer, const QString& invoerNaam, QWidget* parent)
    : QFrame(parent), label_(new QLabel("LabelCaption", this)), invoer_(invoer)
{
    resize(225, 21);
    setFrameShape(QFrame::NoFrame);
    label_->setObjectName("ComponentLabel");
    label_->move(4, 4);
    label_->setBuddy(invoer_);
    invoer_->setParent(this);
    invoer_->setObjectName(invoerNaam);
    invoer_->installEventFilter(this);
    ZetToegankelijkeNaam(*invoer_, label_->text());
    if (auto* edit = qobject_cast<TZNOEdit*>(invoer_)) {
        // Enter is handled here, the same way for every kind of input.
        edit->SetTabOnEnter(false);
        focusedColor_ = edit->FocusedColor();
    }
    PlaatsInvoer();

    grens_ = new TFocusGrens(this);
    connect(grens_, &TFocusGrens::Binnengekomen, this, &TZNODBComponent::Enter);
    connect(grens_, &TFocusGrens::Verlaten, this, [this] { Veld().Exit(); });
}

// The field stays behind without its view: neither it nor a focus change
// while the children go may reach the panel any more.
TZNODBComponent::~TZNODBComponent()
{
    grens_->disconnect(this);
    if (gekoppeld_ != nullptr) {
        gekoppeld_->OnDataChange = nullptr;
        gekoppeld_->OnExit = nullptr;
        gekoppeld_->OnToon = nullptr;
    }
}

void TZNODBComponent::Koppel(db::TZNODBComponent& veld)
{
    gekoppeld_ = &veld;
    veld.OnDataChange = [this](db::TZNODBComponent&) { emit DataChange(); };
    veld.OnExit = [this](db::TZNODBComponent&) { emit Exit(); };
    veld.OnToon = [this] {
        if (!bewerkt_)
            ToonVeld();
    };
}

void TZNODBComponent::Bewerk(const std::function<void()>& schrijf)
{
    const QScopedValueRollback<bool> terug(bewerkt_, true);
    schrijf();
}

QString TZNODBComponent::LabelCaption() const { return label_->text(); }

void TZNODBComponent::SetLabelCaption(const QString& caption)
{
    label_->setText(caption);
    label_->adjustSize();
    ZetToegankelijkeNaam(*invoer_, caption);
}

void TZNODBComponent::SetWinControlLeft(int left)
{
    winControlLeft_ = left;
    PlaatsInvoer();
}

void TZNODBComponent::SetRequired(bool required)
{
    required_ = required;
    QFont lettertype = label_->font();
    lettertype.setBold(required);
    label_->setFont(lettertype);
    QPalette p = label_->palette();
    p.setColor(QPalette::WindowText, required ? requiredColor_ : palette().color(QPalette::WindowText));
    label_->setPalette(p);
    label_->adjustSize();
}

void TZNODBComponent::SetRequiredColor(const QColor& colour)
{
    requiredColor_ = colour;
    SetRequired(required_);
}

void TZNODBComponent::SetFocusedColor(const QColor& colour)
{
    focusedColor_ = colour;
    if (auto* edit = qobject_cast<TZNOEdit*>(invoer_))
        edit->SetFocusedColor(colour);
}

void TZNODBComponent::SetReadOnly(bool readOnly)
{
    Veld().SetReadOnly(readOnly);
    // A check box is never read-only; a drop-down list cannot be, so it is disabled.
    if (auto* edit = qobject_cast<TZNOEdit*>(invoer_))
        edit->SetReadOnly(Veld().ReadOnly());
    else if (auto* lijst = qobject_cast<QComboBox*>(invoer_))
        lijst->setEnabled(!Veld().ReadOnly());
}

bool TZNODBComponent::TabStop() const { return invoer_->focusPolicy() == Qt::StrongFocus; }

void TZNODBComponent::SetTabStop(bool on) { invoer_->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus); }

void TZNODBComponent::PlaatsInvoer() { invoer_->setGeometry(winControlLeft_, 0, width() - winControlLeft_, height()); }

void TZNODBComponent::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    PlaatsInvoer();
}

bool TZNODBComponent::eventFilter(QObject* object, QEvent* event)
{
    if (object == invoer_ && event->type() == QEvent::KeyPress && tabOnEnter_) {
        const int toets = static_cast<QKeyEvent*>(event)->key();
        if (toets == Qt::Key_Return || toets == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QFrame::eventFilter(object, event);
}

} // namespace vkt::widgets
