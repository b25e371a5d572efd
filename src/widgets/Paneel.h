#pragma once

#include <QFrame>

namespace vkt::widgets {

// A panel: a plain area that groups controls, filled with its own colour and
// drawn with an outer and an inner bevel, a border of some pixels between them.
// The skin recognises panels by this class and colours them by their name.
class TPaneel : public QFrame {
    Q_OBJECT

public:
    enum class Rand { Geen, Verhoogd, Verlaagd };

    explicit TPaneel(QWidget* ouder, Rand buiten = Rand::Verhoogd, Rand binnen = Rand::Geen,
                     int randbreedte = 0);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Rand buiten_;
    Rand binnen_;
    int randbreedte_;
};

} // namespace vkt::widgets
