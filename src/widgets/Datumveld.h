#pragma once

#include "common/DateTime.h"
#include "widgets/ZNOEdit.h"

#include <QString>

namespace vkt::widgets {

enum class TDateFormat { DDMMYYYY, MMDDYYYY };

// What went wrong last in a date field.
enum TDateError : int {
    deGeen = 0,
    deOngeldigBijVerlaten = 1, // the text was no date when the field was left
    deConversie = 2,           // the date of a text that is no date was asked for
};

// A date typed in place in "dd-mm-yyyy" (or "mm-dd-yyyy"): ten positions, the
// digits may stay blank while typing, the separators stay where they are. On
// leaving, a day or month of one digit gets its leading zero and a two-digit
// year its century; a text that is still no date is reported.
class TZNODateEdit : public TZNOEdit {
    Q_OBJECT

public:
    explicit TZNODateEdit(QWidget* parent = nullptr);

    TDateFormat DateFormat() const { return dateFormat_; }
    void SetDateFormat(TDateFormat format) { dateFormat_ = format; }
    // Typed two-digit years below it are in the 2000s, the others in the 1900s.
    int Epoch() const { return epoch_; }
    void SetEpoch(int epoch);
    // Whether errors show a message box; they always beep and are recorded.
    bool DisplayErrors() const { return displayErrors_; }
    void SetDisplayErrors(bool on) { displayErrors_ = on; }
    // Above 0: the year is fixed and only day and month are typed.
    int FixedYear() const { return fixedYear_; }
    void SetFixedYear(int year);

    static void SetClassFocusedColor(const QColor& colour);

    bool IsEmpty() const;
    // Completes the text (leading zeros, the century) and tells whether it is
    // a date that exists; an empty field is valid.
    bool IsValid();
    // 0 for an empty field, and for a text that is no date (a conversion error).
    TDateTime Date();
    void SetDate(TDateTime date);
    // The date the text would give on leaving, without touching the field or
    // reporting anything: none for an empty field, 0 for a text that is no date.
    std::optional<TDateTime> QuietDate() const;
    TDateError LastError() const { return lastError_; }

    void Cut() override;
    void Paste() override;

protected:
    std::optional<QColor> ClassFocusedColor() const override;

    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The text with its leading zeros and century filled in; nothing when a
    // group is missing, so that only an empty field can be valid.
    std::optional<QString> Aangevuld(const QString& tekst) const;
    // The date of a completed "dd-mm-yyyy" text in the field's order.
    std::optional<TDateTime> DatumVan(const QString& tekst) const;
    void MeldFout(TDateError fout, const QString& melding, const QString& titel);
    // Says that the text left behind is no date, and goes back into the field.
    void MeldOngeldigeDatum();

    TDateFormat dateFormat_ = TDateFormat::DDMMYYYY;
    int epoch_ = 50;
    bool displayErrors_ = true;
    int fixedYear_ = 0;
    TDateError lastError_ = deGeen;
};

} // namespace vkt::widgets
