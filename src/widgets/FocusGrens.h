#pragma once

#include <QObject>

class QWidget;

namespace vkt::widgets {

// Tells when the keyboard focus comes into a widget (or anything inside it,
// its drop-down lists and message boxes included) from outside, and when it
// goes to a widget outside. A window losing the focus to another program is
// neither.
class TFocusGrens : public QObject {
    Q_OBJECT

public:
    explicit TFocusGrens(QWidget* gebied);

signals:
    void Binnengekomen();
    void Verlaten();

private slots:
    void FocusVeranderd(QWidget* oud, QWidget* nieuw);

private:
    bool Binnen(const QWidget* widget) const;

    QWidget* gebied_;
    bool binnen_ = false;
};

} // namespace vkt::widgets
