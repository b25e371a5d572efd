#pragma once

#include "calc/Veldregels.h"
#include "ui/Kolomregelrijen.h"

#include <QWidget>

class QPushButton;

namespace vkt {
class TGegevensScherm;
}

namespace vkt::db {
class TZNODBCheckbox;
}

namespace vkt::widgets {
class TKolomRegelControl;
class TZNODBCheckbox;
} // namespace vkt::widgets

namespace vkt::ui {

class TRegelkoppeling;

// The tab "Werkgeversl&asten": the holiday-pay percentage, the employer's
// premiums and charges as rows, each with its box that switches it on, and
// the boxes for the statement and the premium basis.
class TtsWerkgeverslasten : public QWidget {
    Q_OBJECT

public:
    // The fields are those of scherm; the rows are added to koppeling.
    TtsWerkgeverslasten(TGegevensScherm& scherm, TRegelkoppeling& koppeling, QWidget* ouder = nullptr);

    widgets::TKolomRegelControl* krcWGWaoVast;
    widgets::TZNODBCheckbox* cbActiefZvw;
    QPushButton* btnGrondslagWG;

private:
    // A row of the employer's line, at y in its group.
    widgets::TKolomRegelControl* MaakRij(QWidget* groep, const char* naam, TRijvorm vorm, const QString& bijschrift,
                                         TRegelSleutel regel, int y, const QString& hint = {});
    // The box that switches the charge on, at the right end of the row at y.
    widgets::TZNODBCheckbox* MaakActief(QWidget* groep, db::TZNODBCheckbox& veld, int y, const QString& hint = {});

    TRegelkoppeling& koppeling_;
};

} // namespace vkt::ui
