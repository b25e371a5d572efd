#include "widgets/ZNOMessageForm.h"

#include "common/Meldingen.h"
#include "widgets/Paneel.h"
#include "widgets/Toegankelijkheid.h"
#include "widgets/Vensterdelen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace vkt::widgets {

namespace {

// The window as it starts, before a message sets it up.
constexpr QSize Beginmaat{432, 176};
constexpr int KnoppenHoogte = 38;
constexpr QRect LogoPlaats{10, 34, 143, 70};
constexpr QPoint LijnPlaats{158, 10};
constexpr int LijnHoogte = 118;
constexpr QRect MeldingPlaats{173, 11, 244, 92};
constexpr QRect MemoPlaats{171, 24, 246, 105};
constexpr int KnopBoven = 8;
constexpr QSize Knopmaat{85, 22};
// No width, height or text makes a message window larger than this, so that a
// mistaken size cannot ask for a window no screen can hold.
constexpr int GrootsteMaat = 2000;

struct Knopinstelling {
    int knop; // 0 to 2: BitBtn1 to BitBtn3
    const char* bijschrift;
    int resultaat;
};

struct Soortinstelling {
    int soort;
    std::vector<Knopinstelling> knoppen; // left to right
    int annuleerknop;                    // the button Escape presses, -1 for none
    bool maatToepassen;                  // takes the width and height it is given
    bool memo;                           // the message goes into the scrollable text
};

const Soortinstelling& InstellingVan(int soort)
{
    // BitBtn2 and BitBtn3 are the cancel buttons of the window; a kind that
    // shows both keeps only one of them. The second button of msNeeJa stays
    // the cancel button, so there Escape answers "&Ja".
    static const std::array<Soortinstelling, 7> soorten{{
        {msOk, {{0, "OK", mrOk}}, -1, false, false},
        {msOkAnnuleren, {{0, "&OK", mrOk}, {1, "&Annuleren", mrAnnuleren}}, 1, false, false},
        {msJaNeeAnnuleren, {{0, "&Ja", mrJa}, {1, "&Nee", mrNee}, {2, "&Annuleren", mrAnnuleren}}, 2, false, false},
        {msJaNee, {{0, "&Ja", mrJa}, {1, "&Nee", mrNee}}, 1, true, false},
        {msNeeJa, {{0, "&Nee", mrNee}, {1, "&Ja", mrJa}}, 1, false, false},
        {msJaJaOpAllesNee, {{0, "&Ja", mrJa}, {2, "Ja op A&lles", mrJaOpAlles}, {1, "&Nee", mrNee}}, 1, false, false},
        {msMemo, {{0, "OK", mrOk}}, -1, true, true},
    }};
    for (const auto& instelling : soorten)
        if (instelling.soort == soort)
            return instelling;
    return soorten[0];
}

// The label breaks lines at line feeds only.
QString MetRegeleindenAlsLinefeed(QString tekst)
{
    tekst.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    tekst.replace(u'\r', u'\n');
    return tekst;
}

void Verhoog(QWidget& widget, int extra)
{
    widget.resize(widget.width(), widget.height() + extra);
}

} // namespace

std::vector<int> KnopPosities(int aantal, int vensterbreedte, int knopbreedte)
{
    std::vector<int> posities;
    const int ruimte = vensterbreedte - aantal * knopbreedte;
    for (int i = 1; i <= aantal; ++i)
        posities.push_back(i * ruimte / (aantal + 1) + (i - 1) * knopbreedte);
    return posities;
}

QStringList MeldingRegels(const QString& tekst)
{
    QStringList regels = tekst.split(u'\n');
    if (regels.size() > 1 && regels.back().isEmpty())
        regels.removeLast();
    for (QString& regel : regels)
        if (regel.endsWith(u'\r'))
            regel.chop(1);
    return regels;
}

TZNOMessageForm::TZNOMessageForm(QWidget* ouder) : QDialog(ouder)
{
    setObjectName("ZNOMessageForm");
    setWindowTitle("a header");

    pnlMessage_ = new TPaneel(this, TPaneel::Rand::Verhoogd, TPaneel::Rand::Verlaagd, 4);
    pnlMessage_->setObjectName("pnlMessage");
    imgLogo_ = MaakLogo(pnlMessage_, LogoPlaats.topLeft());
    Bevel1_ = MaakLijn(pnlMessage_, "Bevel1", LijnPlaats, LijnHoogte);
    lblMessage_ = new QLabel("a message", pnlMessage_);
    lblMessage_->setObjectName("lblMessage");
    lblMessage_->setTextFormat(Qt::PlainText);
    lblMessage_->setWordWrap(true);
    lblMessage_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    memMessage_ = new QPlainTextEdit(pnlMessage_);
    memMessage_->setObjectName("memMessage");
    memMessage_->setReadOnly(true);
    memMessage_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ZetToegankelijkeNaam(*memMessage_, "Melding:");

    pnlButtons_ = new TPaneel(this, TPaneel::Rand::Geen);
    pnlButtons_->setObjectName("pnlButtons");
    const char* namen[] = {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4"};
    for (std::size_t i = 0; i < knoppen_.size(); ++i)
        knoppen_[i] = MaakKnop(pnlButtons_, namen[i], QString(), QRect(QPoint(0, KnopBoven), Knopmaat));
    ZetBijschrift(*knoppen_[3], "&Help");
    knoppen_[0]->setDefault(true);
    connect(knoppen_[0], &QPushButton::clicked, this, &TZNOMessageForm::BitBtn1Click);
    connect(knoppen_[1], &QPushButton::clicked, this, &TZNOMessageForm::BitBtn2Click);
    connect(knoppen_[2], &QPushButton::clicked, this, &TZNOMessageForm::BitBtn3Click);

    ZetBeginmaten();
}

void TZNOMessageForm::ZetBeginmaten()
{
    ZetVenstermaat(Beginmaat);
    imgLogo_->setGeometry(LogoPlaats);
    Bevel1_->setGeometry(QRect(LijnPlaats, QSize(Bevel1_->width(), LijnHoogte)));
    lblMessage_->setGeometry(MeldingPlaats);
    memMessage_->setGeometry(MemoPlaats);
}

// The message panel fills the window above the button panel.
void TZNOMessageForm::ZetVenstermaat(const QSize& maat)
{
    setFixedSize(maat);
    pnlMessage_->setGeometry(0, 0, maat.width(), maat.height() - KnoppenHoogte);
    pnlButtons_->setGeometry(0, maat.height() - KnoppenHoogte, maat.width(), KnoppenHoogte);
}

void TZNOMessageForm::ZetMelding(const QString& tekst, const QString& titel, int soort, int helpContext,
                                 bool focusEerst, bool vergroten, int breedte, int hoogte)
{
    ZetBeginmaten();
    lblMessage_->setText(MetRegeleindenAlsLinefeed(tekst));
    setWindowTitle(titel);
    for (QPushButton* knop : knoppen_)
        knop->hide();
    memMessage_->hide();

    if (vergroten)
        VerhoogMelding(lblMessage_->height() / 4 * 3);
    PasSoortToe(soort, tekst, breedte, hoogte);
    if (helpContext != 0)
        volgorde_.push_back(knoppen_[3]);
    PlaatsKnoppen();
    ZetEersteFocus(focusEerst);
}

void TZNOMessageForm::PasSoortToe(int soort, const QString& tekst, int breedte, int hoogte)
{
    const Soortinstelling& instelling = InstellingVan(soort);
    volgorde_.clear();
    for (const Knopinstelling& knop : instelling.knoppen) {
        ZetBijschrift(*knoppen_[knop.knop], knop.bijschrift);
        resultaten_[knop.knop] = knop.resultaat;
        volgorde_.push_back(knoppen_[knop.knop]);
    }
    annuleerknop_ = instelling.annuleerknop < 0 ? nullptr : knoppen_[instelling.annuleerknop];

    QWidget* tekstvak = lblMessage_;
    if (instelling.memo) {
        lblMessage_->setText("Melding: ");
        memMessage_->setPlainText(MeldingRegels(tekst).join(u'\n'));
        tekstvak = memMessage_;
    }
    if (instelling.maatToepassen) {
        if (breedte != -1) {
            breedte = std::clamp(breedte, 0, GrootsteMaat);
            ZetVenstermaat(size() + QSize(std::max(breedte - tekstvak->width(), 0), 0));
            tekstvak->resize(breedte, tekstvak->height());
        }
        if (hoogte != -1) {
            hoogte = std::clamp(hoogte, 0, GrootsteMaat);
            const int extra = std::max(hoogte - tekstvak->height(), 0);
            Verhoog(*Bevel1_, extra);
            ZetVenstermaat(size() + QSize(0, extra));
            tekstvak->resize(tekstvak->width(), hoogte);
        }
    }
    if (instelling.memo)
        memMessage_->show();
    else
        MaakTekstPassend();
}

void TZNOMessageForm::MaakTekstPassend()
{
    const int nodig = std::min(lblMessage_->heightForWidth(lblMessage_->width()), GrootsteMaat);
    if (nodig > lblMessage_->height())
        VerhoogMelding(nodig - lblMessage_->height());
}

// The text, the line beside it and the window grow; the logo stays in the
// middle of the message panel.
void TZNOMessageForm::VerhoogMelding(int extra)
{
    Verhoog(*Bevel1_, extra);
    Verhoog(*lblMessage_, extra);
    ZetVenstermaat(size() + QSize(0, extra));
    imgLogo_->move(imgLogo_->x(), pnlMessage_->height() / 2 - imgLogo_->height() / 2);
}

void TZNOMessageForm::PlaatsKnoppen()
{
    const std::vector<int> links = KnopPosities(int(volgorde_.size()), width(), Knopmaat.width());
    for (std::size_t i = 0; i < volgorde_.size(); ++i) {
        volgorde_[i]->move(links[i], KnopBoven);
        volgorde_[i]->show();
    }
}

void TZNOMessageForm::ZetEersteFocus(bool focusEerst)
{
    // A question starts on its most careful answer, so that Enter does not
    // say yes by accident.
    QPushButton* eerste = volgorde_.front();
    if (focusEerst)
        eerste = knoppen_[0];
    else if (!knoppen_[2]->isHidden())
        eerste = knoppen_[2];
    else if (!knoppen_[1]->isHidden())
        eerste = knoppen_[1];
    eerste->setFocus();
}

void TZNOMessageForm::reject()
{
    done(mrAnnuleren);
}

void TZNOMessageForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && annuleerknop_) {
        annuleerknop_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TZNOMessageForm::BitBtn1Click()
{
    done(resultaten_[0]);
}

void TZNOMessageForm::BitBtn2Click()
{
    done(resultaten_[1]);
}

void TZNOMessageForm::BitBtn3Click()
{
    done(resultaten_[2]);
}

int ZNOMessageBox(const QString& tekst, const QString& titel, int soort, int helpContext, bool focusEerst,
                  bool vergroten, int breedte, int hoogte)
{
    TZNOMessageForm venster;
    venster.ZetMelding(tekst, titel, soort, helpContext, focusEerst, vergroten, breedte, hoogte);
    return venster.exec();
}

} // namespace vkt::widgets
