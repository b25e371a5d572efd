#pragma once

#include <QWidget>

#include <vector>

class QPushButton;
class QScrollArea;

namespace vkt {
class TGegevensScherm;
class TSocialeFondsen;
} // namespace vkt

namespace vkt::widgets {
class TVKTSocialeFondsKolomRegelControl;
}

namespace vkt::ui {

// The tab "Sociale &Fondsen": one row per social fund attached to the
// calculation, under the titles of its inputs, and the buttons that define a
// new fund and attach funds of the catalogue.
class TtsSocialeFondsen : public QWidget {
    Q_OBJECT

public:
    TtsSocialeFondsen(TGegevensScherm& scherm, QWidget* ouder = nullptr);

    // Shows the attached funds of the open calculation; what the user edits
    // in a row goes to its fund when the focus leaves the row.
    void ToonFondsen(TSocialeFondsen& fondsen);

    QPushButton* btnNieuwSF;
    QPushButton* btnSocialeFondsen;

private:
    QScrollArea* sbSocialeFondsen_;
    QWidget* inhoud_;
};

} // namespace vkt::ui
