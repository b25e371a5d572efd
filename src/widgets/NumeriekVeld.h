#pragma once

#include "common/Exception.h"
#include "widgets/ZNOEdit.h"

#include <QString>

class QLabel;

namespace vkt::widgets {

// The numeric field's errors: a text that is no number, a value that does
// not fit, a setting that does not make sense.
class ENumericError : public Exception {
public:
    using Exception::Exception;
};

// A field for an amount, a percentage or a count, filled in place in a text
// of fixed width: the integer part stands right-aligned before the decimal
// separator, the decimals after it are overwritten. The digits are grouped
// by the field: a typed group character is skipped, and the decimal
// separator or the keypad's decimal key goes to the decimals. While the
// field has no focus a label over it shows the trimmed text, aligned as asked.
class TZNONumericEdit : public TZNOEdit {
    Q_OBJECT

public:
    explicit TZNONumericEdit(QWidget* parent = nullptr);

    // "1000,00", "1.000,00", "1000.00" or "1,000.00".
    QString NumericFormat() const { return opmaak_.format; }
    void SetNumericFormat(const QString& format);
    // The longest plain number text: sign, integer digits, separator, decimals.
    int Digits() const { return opmaak_.digits; }
    void SetDigits(int digits);
    int Decimals() const { return opmaak_.decimals; }
    void SetDecimals(int decimals);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool on) { autoSelect_ = on; }
    // Of the value shown while the field has no focus.
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment alignment);

    static void SetClassFocusedColor(const QColor& colour);

    // True when nothing but a sign or a separator was typed.
    bool IsEmpty() const;
    double Value() const;
    void SetValue(double value);
    long long AsInteger() const;
    void SetAsInteger(long long value);
    // The empty template, the caret just before the decimal separator.
    void Clear() override;

    void Cut() override;
    void Copy() override;
    void Paste() override;

protected:
    std::optional<QColor> ClassFocusedColor() const override;

    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Opmaak {
        QString format = "1.000,00";
        int digits = 12;
        int decimals = 2;
    };
    // A number text split at the decimal separator: the sign and digits of
    // the integer part, and exactly Decimals decimal positions (blank or digit).
    struct Delen {
        QString geheel;
        QString decimalen;
    };

    QChar Scheidingsteken() const;
    QChar Groepsteken() const;
    bool Groeperen() const;
    // The width of the text, and the position of the decimal separator in it
    // (the width itself when there are no decimals).
    int Breedte() const;
    int Scheiding() const;
    QString LegeTemplate() const;
    Delen Splits(const QString& tekst) const;
    int PlatteLengte(const Delen& delen) const;
    // Regrouped and right-aligned in the width.
    QString Opgemaakt(const Delen& delen) const;
    // The plain number text of the field in the system's form ("-1234,5").
    QString Getaltekst() const;
    void PasOpmaakToe(const Opmaak& nieuw);

    // Shows the text (the negative flag follows its sign) and keeps the label in step.
    void ToonTekst(const QString& tekst);
    // The position just before the integer digit that has cijfersRechts
    // digits after it, in the text as it is shown now.
    int CaretVoorCijfers(int cijfersRechts) const;
    int CijfersRechtsVan(int caret) const;
    int EersteCijfer() const;
    int EindeDecimalen(int vanaf) const;
    int DichtstbijzijndeCijfer(int caret) const;

    // A character typed or Backspace, with the caret where it is.
    void Typ(QChar teken);
    void Backspace();
    void WisNaCaret();
    void WisselTeken();
    // Moves the caret for a navigation key; false for any other key.
    bool Navigeer(int toets);
    void Normaliseer();
    void ToonLabel(bool zichtbaar);

    Opmaak opmaak_;
    bool autoSelect_ = true;
    Qt::Alignment alignment_ = Qt::AlignRight;
    bool negatief_ = false;
    bool inDecimalen_ = false;
    // The left button that brought the focus in is still down.
    bool klikBinnen_ = false;
    QColor tekstkleur_;
    QLabel* label_;
};

} // namespace vkt::widgets
