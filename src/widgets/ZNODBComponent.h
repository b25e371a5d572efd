#pragma once

#include "db/DBComponent.h"

#include <QColor>
#include <QFrame>

#include <functional>

class QLabel;

namespace vkt::widgets {
class TFocusGrens;
}

namespace vkt::widgets {

// A data-aware control on screen: a borderless panel of 225 x 21 with a
// label at (4, 4) and one input at WinControlLeft, filling the rest. It is a
// view on a storage-layer field that lives elsewhere (the field keeps the
// stored value, the data group and the names of the columns and output
// set): whatever the field takes (a loaded value, a clear, a value set from
// code) shows in the input, and what the user edits is written into the
// field at once, so the group always reads what is on screen. Leaving the
// panel validates the field and reports a change. The field must outlive
// the panel.
class TZNODBComponent : public QFrame {
    Q_OBJECT

public:
    ~TZNODBComponent() override;

    // The field the data group loads, checks and writes.
    virtual db::TZNODBComponent& Veld() = 0;
    virtual const db::TZNODBComponent& Veld() const = 0;
    QWidget* InvoerWidget() const { return invoer_; }

    QString LabelCaption() const;
    void SetLabelCaption(const QString& caption);
    int WinControlLeft() const { return winControlLeft_; }
    void SetWinControlLeft(int left);
    // A required field has its label in bold and in RequiredColor; it changes
    // nothing in the checks.
    bool Required() const { return required_; }
    void SetRequired(bool required);
    QColor RequiredColor() const { return requiredColor_; }
    void SetRequiredColor(const QColor& colour);
    QColor FocusedColor() const { return focusedColor_; }
    void SetFocusedColor(const QColor& colour);
    int MaxLength() const { return Veld().MaxLength(); }
    virtual void SetMaxLength(int maxLength) { Veld().SetMaxLength(maxLength); }
    bool ReadOnly() const { return Veld().ReadOnly(); }
    void SetReadOnly(bool readOnly);
    bool TabOnEnter() const { return tabOnEnter_; }
    void SetTabOnEnter(bool on) { tabOnEnter_ = on; }
    bool TabStop() const;
    void SetTabStop(bool on);

signals:
    void Enter();
    void Exit();
    // The focus left the field and it differs from its stored value.
    void DataChange();

protected:
    // Takes the input as its child, named as the storage layer names it.
    TZNODBComponent(QWidget* invoer, const QString& invoerNaam, QWidget* parent);
    // Becomes the field's view: its change and exit events become the
    // panel's signals and its values show through ToonVeld.
    void Koppel(db::TZNODBComponent& veld);
    // Shows the field's value in the input.
    virtual void ToonVeld() = 0;
    // Writes a user's edit into the field without showing it back.
    void Bewerk(const std::function<void()>& schrijf);
    QLabel* Label() const { return label_; }

    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void PlaatsInvoer();

    QLabel* label_;
    QWidget* invoer_;
    TFocusGrens* grens_;
    db::TZNODBComponent* gekoppeld_ = nullptr;
    bool bewerkt_ = false;
    int winControlLeft_ = 120;
    bool required_ = false;
    QColor requiredColor_ = Qt::black;
    QColor focusedColor_;
    bool tabOnEnter_ = true;
};

// The common part of the concrete controls: the storage layer's field of
// class DbVeld it shows, and the Qt input of class Invoer it is shown in.
template <typename DbVeld, typename Invoer>
class TGebondenVeld : public TZNODBComponent {
public:
    DbVeld& Veld() override { return veld_; }
    const DbVeld& Veld() const override { return veld_; }
    Invoer& Invoerveld() const { return *invoer_; }

protected:
    // The panel takes the field's name; the derived class shows the field's
    // value once its input is set up.
    TGebondenVeld(DbVeld& veld, const QString& invoerNaam, QWidget* parent)
        : TZNODBComponent(new Invoer, invoerNaam, parent), invoer_(static_cast<Invoer*>(InvoerWidget())), veld_(veld)
    {
        setObjectName(QString::fromStdString(veld.Name()));
        Koppel(veld_);
    }

    Invoer* invoer_;
    DbVeld& veld_;
};

} // namespace vkt::widgets
