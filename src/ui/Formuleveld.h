#pragma once

#include "widgets/ZNOEdit.h"

#include <QString>

#include <vector>

namespace vkt::ui {

// A letter that types a calculation variable into a formula, with the
// variable's name in the legend of the two dialogs.
struct TSneltoets {
    QChar Letter;
    QString Symbool;    // as the formula holds it: "[Brutoloon]"
    QString LegendaWN;  // in the employee's dialog; empty when it lacks the letter
    QString LegendaSF;  // in the social fund's dialog
};

// The letters in the order the legends list them. Letter case matters.
const std::vector<TSneltoets>& Sneltoetsen();

// A field for a deviating-basis formula. The user builds it from digits,
// operators and variables typed with one letter each: the letter puts the
// bracketed name at the caret. A comma is typed as a point, a third "|" and
// any other character are refused. Backspace, Delete and the arrows treat a
// bracketed name as one character. Controleer checks the formula and shows an
// invalid one in red.
class TFormuleVeld : public widgets::TZNOEdit {
    Q_OBJECT

public:
    // metZvwLoon: whether "Z" types "[Zvw-loon]" (only a fund's formula may use it).
    explicit TFormuleVeld(bool metZvwLoon, QWidget* parent = nullptr);

    // Whether the formula is valid; shows it in red when it is not.
    bool Controleer();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Each returns false when the key is left to the line edit.
    bool TypTeken(QChar teken);
    bool WisSymboolTerug();
    bool WisSymboolVooruit();
    bool SpringOverSymbool(bool vooruit);
    // Puts text at the caret, unless the formula would grow too long.
    void Voeg(const QString& tekst);

    bool metZvwLoon_;
};

} // namespace vkt::ui
