#pragma once

#include "model/Basis.h"

#include <QFrame>
#include <QStringList>

class QComboBox;
class QLabel;

namespace vkt::widgets {

enum TCaptionType { ctStatic, ctDynamic };

// The frame of a column-line row: a borderless panel of 466 x 23 with the
// line's caption, either a fixed label or a drop-down to pick it from. The
// row may be attached to a line of the calculation; it does not own it.
class TCustomKolomRegelControl : public QFrame {
    Q_OBJECT

public:
    explicit TCustomKolomRegelControl(QWidget* parent = nullptr);

    TCaptionType CaptionType() const { return captionType_; }
    virtual void SetCaptionType(TCaptionType type);
    QString CaptionText() const;
    virtual void SetCaptionText(const QString& text);
    QStringList CaptionItems() const;
    virtual void SetCaptionItems(const QStringList& items);

    // The description, cut to the 64 characters a line keeps; the rest zero.
    virtual void GetValues(TKolomRegelValues& values) const;
    virtual void SetValues(const TKolomRegelValues& values);
    // Runs once, when the row is first shown.
    virtual void Initialize() {}

    TBaseKolomRegel* KolomRegel() const { return kolomRegel_; }
    void SetKolomRegel(TBaseKolomRegel* regel) { kolomRegel_ = regel; }

signals:
    // The focus came into the row from outside, or went to a control outside it.
    void Enter();
    void Exit();

protected:
    void showEvent(QShowEvent* event) override;
    // What the row does when the focus leaves it.
    virtual void Verlaten() { emit Exit(); }

    QLabel* captionLabel_;
    QComboBox* captionCombo_;

private:
    TCaptionType captionType_ = ctStatic;
    TBaseKolomRegel* kolomRegel_ = nullptr;
    bool geinitialiseerd_ = false;
};

} // namespace vkt::widgets
