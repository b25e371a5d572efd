#pragma once

#include <QDialog>

#include <string>

class QLineEdit;

namespace vkt {
class TMeldingen;
}

namespace vkt::ui {

// The small window that asks the name of a new calculation ("Nieuwe
// werknemer") or of a copy ("Opslaan Als..."). OK takes the name only when it
// is filled in and is not the old name (letter case and surrounding blanks
// ignored); otherwise it says so and the window stays.
class TfrmOpslaanAls : public QDialog {
    Q_OBJECT

public:
    TfrmOpslaanAls(const QString& titel, const std::string& oudeNaam, TMeldingen& meldingen, QWidget* ouder = nullptr);

    // The name as entered, after OK.
    const std::string& NieuweNaam() const { return nieuweNaam_; }

public slots:
    void accept() override;

private:
    QLineEdit* edWNNaam_;
    std::string oudeNaam_;
    std::string nieuweNaam_;
    TMeldingen& meldingen_;
};

} // namespace vkt::ui
