#pragma once

#include <QDialog>
#include <QStringList>

#include <array>
#include <vector>

class QFrame;
class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vkt::widgets {

class TPaneel;

// What a message window asks: which buttons it shows and what they answer
// (the answers are the codes of vkt::TMeldingResultaat). Any other number
// behaves as msOk.
enum TMeldingSoort : int {
    msOk = 0,               // "OK"
    msOkAnnuleren = 1,      // "&OK", "&Annuleren"
    msJaNeeAnnuleren = 3,   // "&Ja", "&Nee", "&Annuleren"
    msJaNee = 4,            // "&Ja", "&Nee"; takes a width and height
    msNeeJa = 124,          // "&Nee", "&Ja"
    msJaJaOpAllesNee = 125, // "&Ja", "Ja op A&lles", "&Nee"
    msMemo = 126,           // "OK"; the message in a scrollable text; takes a width and height
};

// The left edges of `aantal` buttons, each `knopbreedte` wide, spread over a
// window `vensterbreedte` wide with equal gaps before, between and after them.
std::vector<int> KnopPosities(int aantal, int vensterbreedte, int knopbreedte);

// The lines of a message as the scrollable text shows them: a new line at
// every line feed, a carriage return right before it dropped. A line feed at
// the very end does not start another, empty line.
QStringList MeldingRegels(const QString& tekst);

// The window in which the program shows its messages and asks its questions:
// the logo and the text on a panel, the buttons of the kind below it. The
// buttons BitBtn1 to BitBtn3 answer with the code of their kind; the help
// button BitBtn4 shows only for a help context other than 0 and answers
// nothing (the program has no help). Closing the window answers mrAnnuleren;
// Escape presses the kind's cancel button, or closes the window when the
// kind has none.
class TZNOMessageForm : public QDialog {
    Q_OBJECT

public:
    explicit TZNOMessageForm(QWidget* ouder = nullptr);

    // Sets the window up for one message. With `focusEerst` the first button
    // starts with the focus, otherwise the last answer of a question ("&Nee",
    // "&Annuleren"). `vergroten` makes the text area three quarters higher.
    // Kinds msJaNee and msMemo widen and heighten their text area to
    // `breedte` and `hoogte` unless these are -1; the window grows with it,
    // never shrinks. Text that does not fit the text area makes the window
    // higher, so that no message is cut off.
    void ZetMelding(const QString& tekst, const QString& titel, int soort, int helpContext = 0,
                    bool focusEerst = false, bool vergroten = false, int breedte = -1, int hoogte = -1);

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

private:
    void ZetBeginmaten();
    void ZetVenstermaat(const QSize& maat);
    void PasSoortToe(int soort, const QString& tekst, int breedte, int hoogte);
    void MaakTekstPassend();
    void VerhoogMelding(int extra);
    void PlaatsKnoppen();
    void ZetEersteFocus(bool focusEerst);

    TPaneel* pnlMessage_;
    QLabel* imgLogo_;
    QFrame* Bevel1_;
    QLabel* lblMessage_;
    QPlainTextEdit* memMessage_;
    TPaneel* pnlButtons_;
    std::array<QPushButton*, 4> knoppen_; // BitBtn1 to BitBtn4
    std::array<int, 3> resultaten_{};     // the answers of BitBtn1 to BitBtn3
    QPushButton* annuleerknop_ = nullptr; // pressed by Escape
    std::vector<QPushButton*> volgorde_;  // the buttons shown, left to right
};

// Shows a message or question in the program's message window, modally, and
// returns the answer: the code of the button pressed, mrAnnuleren when the
// window was closed.
int ZNOMessageBox(const QString& tekst, const QString& titel, int soort, int helpContext = 0,
                  bool focusEerst = false, bool vergroten = false, int breedte = -1, int hoogte = -1);

} // namespace vkt::widgets
