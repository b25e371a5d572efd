#pragma once

#include <QWidget>

class QPushButton;
class QScrollArea;

namespace vkt {
class TGegevensScherm;
}

namespace vkt::ui {

// The tab "Sociale &Fondsen": one row per social fund attached to the
// calculation, under the titles of its inputs, and the buttons that define a
// new fund and attach funds of the catalogue.
class TtsSocialeFondsen : public QWidget {
    Q_OBJECT

public:
    TtsSocialeFondsen(TGegevensScherm& scherm, QWidget* ouder = nullptr);

    QPushButton* btnNieuwSF;
    QPushButton* btnSocialeFondsen;
    // Holds the fund rows (TFondsRegelsScherm).
    QScrollArea* sbSocialeFondsen;
};

} // namespace vkt::ui
