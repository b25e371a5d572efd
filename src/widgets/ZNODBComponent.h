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

// A storage-layer field whose value shows in a Qt input: whatever the data
// group gives the field (a loaded value, a clear) is passed on to the input
// through Toon. The other way, each control writes what the user edits into
// the field as it changes, so the group always reads what is on screen.
template <typename Veld>
class TVeldBinder : public Veld {
public:
    using Veld::Veld;

    std::function<void()> Toon;

    void ShowStoredValue() override
    {
        Veld::ShowStoredValue();
        Toon();
    }
    void Clear() override
    {
        Veld::Clear();
        Toon();
    }
};

// A data-aware control on screen: a borderless panel of 225 x 21 with a
// label at (4, 4) and one input at WinControlLeft, filling the rest. The
// storage layer's field it holds keeps the stored value, the data group and
// the names of the columns and output set; the panel shows and edits it.
// Leaving the panel validates the field and reports a change.
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
    // The field's change and exit events become the panel's signals.
    void Koppel(db::TZNODBComponent& veld);
    QLabel* Label() const { return label_; }

    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void PlaatsInvoer();

    QLabel* label_;
    QWidget* invoer_;
    TFocusGrens* grens_;
    int winControlLeft_ = 120;
    bool required_ = false;
    QColor requiredColor_ = Qt::black;
    QColor focusedColor_;
    bool tabOnEnter_ = true;
};

// The common part of the concrete controls: the storage layer's field of
// class DbVeld, held here, and the Qt input of class Invoer it is shown in.
template <typename DbVeld, typename Invoer>
class TGebondenVeld : public TZNODBComponent {
public:
    DbVeld& Veld() override { return veld_; }
    const DbVeld& Veld() const override { return veld_; }
    Invoer& Invoerveld() const { return *invoer_; }

protected:
    // The field registers under naam with the window's components.
    TGebondenVeld(db::TComponentLijst* venster, const std::string& naam, const QString& invoerNaam, QWidget* parent)
        : TZNODBComponent(new Invoer, invoerNaam, parent), invoer_(static_cast<Invoer*>(InvoerWidget())),
          veld_(venster, naam)
    {
        setObjectName(QString::fromStdString(naam));
        Koppel(veld_);
    }

    Invoer* invoer_;
    TVeldBinder<DbVeld> veld_;
};

} // namespace vkt::widgets
