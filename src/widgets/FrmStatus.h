#pragma once

#include <QDialog>

class QProgressBar;

namespace vkt::widgets {

// The window that tells the user to wait while the first data is loaded: the
// logo, the text "Bezig met ophalen van werknemergegevens..." and a bar that
// goes from 0 to 100 in the steps the loading takes. It has no buttons and
// stays until its owner removes it.
class TfrmStatus : public QDialog {
    Q_OBJECT

public:
    explicit TfrmStatus(QWidget* ouder = nullptr);

    // Moves the bar on by `stap`, never past 100, and draws it at once: the
    // loading keeps the event loop waiting.
    void VerhoogVoortgang(int stap);
    int Voortgang() const;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QProgressBar* pbVoortgang_;
};

} // namespace vkt::widgets
