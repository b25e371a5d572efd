#include "widgets/NumeriekVeld.h"

#include "model/Getallen.h"
#include "widgets/Foutmelding.h"
#include "widgets/Kleuren.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>

#include <cmath>
#include <string>

namespace vkt::widgets {
namespace {

std::optional<QColor> classColour;

const QStringList kFormaten{"1000,00", "1.000,00", "1000.00", "1,000.00"};

// The program's readers and formatters write "," as decimal separator.
constexpr QChar kSysteemScheiding = u',';

// The decimal key of the numeric keypad, whichever character it types.
bool IsDecimaaltoets(const QKeyEvent* event)
{
    return event->modifiers().testFlag(Qt::KeypadModifier) &&
           (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma);
}

} // namespace

TZNONumericEdit::TZNONumericEdit(QWidget* parent) : TZNOEdit(parent), label_(new QLabel(this))
{
    SetFocusedColor(Kleuren::Focus);
    tekstkleur_ = palette().color(QPalette::Text);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(false);
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    label_->setAutoFillBackground(true);
    // A child takes the input's background role, Base, and draws its text in
    // the contrasting role, Text, which the input makes transparent while the
    // label covers it: the label keeps to its own roles.
    label_->setBackgroundRole(QPalette::Window);
    label_->setForegroundRole(QPalette::WindowText);
    label_->setAlignment(alignment_ | Qt::AlignVCenter);
    ToonTekst(LegeTemplate());
    ToonLabel(true);
}

std::optional<QColor> TZNONumericEdit::ClassFocusedColor() const { return classColour; }

void TZNONumericEdit::SetClassFocusedColor(const QColor& colour) { classColour = colour; }

// --- Settings and the template ---

void TZNONumericEdit::SetNumericFormat(const QString& format)
{
    if (!kFormaten.contains(format))
        throw ENumericError("Invalid numeric format");
    PasOpmaakToe({format, opmaak_.digits, opmaak_.decimals});
}

void TZNONumericEdit::SetDigits(int digits)
{
    if (opmaak_.decimals + 1 >= digits)
        throw ENumericError("too many decimals for the specified number of digits");
    PasOpmaakToe({opmaak_.format, digits, opmaak_.decimals});
}

void TZNONumericEdit::SetDecimals(int decimals)
{
    if (decimals < 0)
        throw ENumericError("value must be greather than or equal to 0");
    if (decimals + 1 >= opmaak_.digits)
        throw ENumericError("too many decimals for the specified number of digits");
    PasOpmaakToe({opmaak_.format, opmaak_.digits, decimals});
}

void TZNONumericEdit::SetAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    label_->setAlignment(alignment | Qt::AlignVCenter);
}

QChar TZNONumericEdit::Scheidingsteken() const { return opmaak_.format.endsWith(u",00") ? u',' : u'.'; }

QChar TZNONumericEdit::Groepsteken() const { return Scheidingsteken() == u',' ? u'.' : u','; }

bool TZNONumericEdit::Groeperen() const { return opmaak_.format.size() == 8; }

int TZNONumericEdit::Breedte() const
{
    const int geheel = opmaak_.decimals > 0 ? opmaak_.digits - opmaak_.decimals - 1 : opmaak_.digits;
    const int groepen = Groeperen() ? (geheel - 1) / 3 : 0;
    return opmaak_.digits + groepen;
}

int TZNONumericEdit::Scheiding() const
{
    return opmaak_.decimals > 0 ? Breedte() - opmaak_.decimals - 1 : Breedte();
}

QString TZNONumericEdit::LegeTemplate() const
{
    QString tekst(Breedte(), u' ');
    if (opmaak_.decimals > 0)
        tekst[Scheiding()] = Scheidingsteken();
    return tekst;
}

// Writes the value again in the new settings; when it does not fit, the old
// settings and text come back and the error goes on to the caller.
void TZNONumericEdit::PasOpmaakToe(const Opmaak& nieuw)
{
    const Opmaak oud = opmaak_;
    const QString oudeTekst = text();
    const bool leeg = IsEmpty();
    const double waarde = leeg ? 0 : Value();
    opmaak_ = nieuw;
    try {
        if (leeg)
            Clear();
        else
            SetValue(nieuw.decimals == 0 ? std::trunc(waarde) : waarde);
    } catch (...) {
        opmaak_ = oud;
        ToonTekst(oudeTekst);
        throw;
    }
}

// --- The number text ---

TZNONumericEdit::Delen TZNONumericEdit::Splits(const QString& tekst) const
{
    Delen delen;
    for (const QChar c : tekst.left(Scheiding()))
        if (c != u' ' && c != Groepsteken())
            delen.geheel += c;
    if (opmaak_.decimals > 0)
        delen.decimalen = tekst.mid(Scheiding() + 1).leftJustified(opmaak_.decimals, u' ', true);
    return delen;
}

int TZNONumericEdit::PlatteLengte(const Delen& delen) const
{
    return static_cast<int>(delen.geheel.size()) + (opmaak_.decimals > 0 ? 1 + opmaak_.decimals : 0);
}

QString TZNONumericEdit::Opgemaakt(const Delen& delen) const
{
    const bool negatief = delen.geheel.startsWith(u'-');
    QString cijfers = delen.geheel.mid(negatief ? 1 : 0);
    if (Groeperen())
        for (auto i = cijfers.size() - 3; i > 0; i -= 3)
            cijfers.insert(i, Groepsteken());
    QString tekst = (negatief ? QString(u'-') : QString()) + cijfers;
    if (opmaak_.decimals > 0)
        tekst += Scheidingsteken() + delen.decimalen;
    return tekst.rightJustified(Breedte(), u' ');
}

QString TZNONumericEdit::Getaltekst() const
{
    QString tekst = text().trimmed();
    tekst.remove(Groepsteken());
    if (opmaak_.decimals > 0)
        tekst.replace(Scheidingsteken(), kSysteemScheiding);
    return tekst;
}

bool TZNONumericEdit::IsEmpty() const
{
    static const QStringList kLeeg{"", ".", ",", "-", "-,", "-."};
    return kLeeg.contains(text().trimmed());
}

double TZNONumericEdit::Value() const
{
    if (IsEmpty())
        return 0;
    const TGelezenGetal getal = LeesGetal(Getaltekst().toStdString(), opmaak_.decimals);
    if (getal.Fout == TGelezenGetal::Ongeldig)
        throw ENumericError("Invalid numeric value");
    return getal.Waarde;
}

long long TZNONumericEdit::AsInteger() const
{
    if (IsEmpty())
        return 0;
    const TGelezenGetal getal = LeesGetal(Splits(text()).geheel.toStdString(), 0);
    if (!getal || std::fabs(getal.Waarde) >= 9.2e18)
        throw ENumericError("Invalid integer value");
    return static_cast<long long>(getal.Waarde);
}

void TZNONumericEdit::SetValue(double value)
{
    if (std::isnan(value))
        throw ENumericError("Invalid numeric value");
    const std::string plat = std::isinf(value) ? std::string() : FormatVast(value, opmaak_.decimals);
    if (plat.empty() || static_cast<int>(plat.size()) > opmaak_.digits)
        throw ENumericError("Value is too large to be displayed");
    const auto komma = plat.find(',');
    Delen delen;
    delen.geheel = QString::fromStdString(plat.substr(0, komma));
    if (komma != std::string::npos)
        delen.decimalen = QString::fromStdString(plat.substr(komma + 1));
    ToonTekst(Opgemaakt(delen));
}

void TZNONumericEdit::SetAsInteger(long long value)
{
    const std::string geheel = std::to_string(value);
    const int ruimte = opmaak_.decimals > 0 ? opmaak_.digits - opmaak_.decimals - 1 : opmaak_.digits;
    if (static_cast<int>(geheel.size()) > ruimte)
        throw ENumericError("AsInteger: value is too large to be displayed");
    ToonTekst(Opgemaakt({QString::fromStdString(geheel), QString(opmaak_.decimals, u'0')}));
}

void TZNONumericEdit::Clear()
{
    ToonTekst(LegeTemplate());
    setCursorPosition(Scheiding());
}

void TZNONumericEdit::ToonTekst(const QString& tekst)
{
    setText(tekst);
    negatief_ = tekst.contains(u'-');
    label_->setText(tekst.trimmed());
}

void TZNONumericEdit::ToonLabel(bool zichtbaar)
{
    // The label hides the input's own text; the text itself is made
    // invisible too, so that no edge of it shows beside the label.
    QPalette p = palette();
    p.setColor(QPalette::Text, zichtbaar ? QColor(Qt::transparent) : tekstkleur_);
    setPalette(p);
    QPalette labelPalet = label_->palette();
    labelPalet.setColor(QPalette::Window, p.color(QPalette::Base));
    labelPalet.setColor(QPalette::WindowText, tekstkleur_);
    label_->setPalette(labelPalet);
    label_->setText(text().trimmed());
    label_->setVisible(zichtbaar);
}

// --- The caret ---

int TZNONumericEdit::CijfersRechtsVan(int caret) const
{
    const QString tekst = text();
    int aantal = 0;
    for (int i = caret; i < Scheiding(); ++i)
        aantal += tekst[i].isDigit() ? 1 : 0;
    return aantal;
}

int TZNONumericEdit::CaretVoorCijfers(int cijfersRechts) const
{
    const QString tekst = text();
    int caret = Scheiding();
    for (int gezien = 0; gezien < cijfersRechts && caret > 0;)
        gezien += tekst[--caret].isDigit() ? 1 : 0;
    while (caret < Scheiding() && !tekst[caret].isDigit())
        ++caret;
    return caret;
}

int TZNONumericEdit::EersteCijfer() const
{
    const QString tekst = text();
    int caret = 0;
    while (caret < Scheiding() && !tekst[caret].isDigit())
        ++caret;
    return caret;
}

int TZNONumericEdit::EindeDecimalen(int vanaf) const
{
    const QString tekst = text();
    while (vanaf < tekst.size() && tekst[vanaf].isDigit())
        ++vanaf;
    return vanaf;
}

int TZNONumericEdit::DichtstbijzijndeCijfer(int caret) const
{
    if (opmaak_.decimals == 0)
        return Breedte();
    const QString tekst = text();
    int beste = Scheiding();
    for (int i = 0; i < tekst.size(); ++i)
        if ((tekst[i].isDigit() || i == Scheiding()) && std::abs(i - caret) < std::abs(beste - caret))
            beste = i;
    return beste;
}

// --- Typing ---

void TZNONumericEdit::Typ(QChar teken)
{
    // The field groups the digits itself: a typed group character, as in
    // "3.250,00", is skipped and leaves everything as it is.
    if (teken == Groepsteken())
        return;
    if (hasSelectedText() && QStringLiteral("+,-.0123456789").contains(teken)) {
        Clear();
        inDecimalen_ = false;
    }
    if (teken == u'+' && negatief_)
        teken = u'-';
    if (teken == u'-') {
        WisselTeken();
        return;
    }
    const int caret = cursorPosition();
    if (caret <= Scheiding()) {
        Delen delen = Splits(text());
        if (teken.isDigit() && PlatteLengte(delen) < opmaak_.digits) {
            const int rechts = CijfersRechtsVan(caret);
            delen.geheel.insert(delen.geheel.size() - rechts, teken);
            ToonTekst(Opgemaakt(delen));
            setCursorPosition(CaretVoorCijfers(rechts));
        } else if (teken == Scheidingsteken() && opmaak_.decimals > 0) {
            setCursorPosition(Scheiding() + 1);
            inDecimalen_ = true;
        }
    } else if (teken.isDigit() && caret < Breedte()) {
        QString tekst = text();
        tekst[caret] = teken;
        ToonTekst(tekst);
        setCursorPosition(caret + 1);
    }
}

void TZNONumericEdit::Backspace()
{
    const int caret = cursorPosition();
    const QString tekst = text();
    if (caret > Scheiding() + 1) {
        ToonTekst(QString(tekst).remove(caret - 1, 1) + u' ');
        int nieuw = caret - 1;
        while (nieuw > Scheiding() + 1 && text()[nieuw - 1] == u' ')
            --nieuw;
        setCursorPosition(nieuw);
    } else if (caret == Scheiding() + 1) {
        setCursorPosition(Scheiding());
        inDecimalen_ = false;
    } else if (caret > 0 && tekst[caret - 1] == u'-') {
        WisselTeken();
    } else if (caret > 0 && tekst[caret - 1] != u' ') {
        // A digit, or a group character with the digit before it.
        Delen delen = Splits(tekst);
        const int rechts = CijfersRechtsVan(caret);
        if (delen.geheel.size() > rechts && delen.geheel[delen.geheel.size() - rechts - 1].isDigit()) {
            delen.geheel.remove(delen.geheel.size() - rechts - 1, 1);
            ToonTekst(Opgemaakt(delen));
            setCursorPosition(CaretVoorCijfers(rechts));
        }
    }
}

void TZNONumericEdit::WisNaCaret()
{
    const int caret = cursorPosition();
    const QString tekst = text();
    if (caret > Scheiding()) {
        if (caret < Breedte()) {
            ToonTekst(QString(tekst).remove(caret, 1) + u' ');
            setCursorPosition(caret);
        }
    } else if (caret == Scheiding()) {
        if (opmaak_.decimals > 0 && tekst[Scheiding() + 1].isDigit()) {
            setCursorPosition(Scheiding() + 1);
            inDecimalen_ = true;
        }
    } else {
        const int na = tekst[caret] == Groepsteken() ? caret + 1 : caret;
        if (tekst[na] == u'-') {
            WisselTeken();
        } else if (tekst[na].isDigit()) {
            Delen delen = Splits(tekst);
            const int rechts = CijfersRechtsVan(caret);
            delen.geheel.remove(delen.geheel.size() - rechts, 1);
            ToonTekst(Opgemaakt(delen));
            setCursorPosition(CaretVoorCijfers(rechts - 1));
        }
    }
}

void TZNONumericEdit::WisselTeken()
{
    const int caret = cursorPosition();
    const bool inGeheel = caret <= Scheiding();
    const int rechts = CijfersRechtsVan(inGeheel ? caret : Scheiding());
    Delen delen = Splits(text());
    if (negatief_)
        delen.geheel.remove(u'-');
    else if (PlatteLengte(delen) < opmaak_.digits)
        delen.geheel.prepend(u'-');
    else
        return;
    ToonTekst(Opgemaakt(delen));
    setCursorPosition(inGeheel ? CaretVoorCijfers(rechts) : caret);
}

bool TZNONumericEdit::Navigeer(int toets)
{
    static const QList<int> kNavigatie{Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown};
    if (!kNavigatie.contains(toets))
        return false;
    const int caret = cursorPosition();
    const int scheiding = Scheiding();
    const QString tekst = text();
    const bool inGeheel = caret <= scheiding;
    int nieuw = caret;
    if (hasSelectedText())
        nieuw = EersteCijfer();
    else if (toets == Qt::Key_Left && (!inGeheel || (caret > 0 && tekst[caret - 1] != u' ' && tekst[caret - 1] != u'-')))
        nieuw = caret - 1;
    else if (toets == Qt::Key_Right && caret < tekst.size() && (inGeheel || tekst[caret] != u' '))
        nieuw = caret + 1;
    else if (toets == Qt::Key_Home)
        nieuw = inGeheel || caret == scheiding + 1 ? EersteCijfer() : scheiding + 1;
    else if (toets == Qt::Key_End && !inGeheel)
        nieuw = EindeDecimalen(caret);
    else if (toets == Qt::Key_End)
        nieuw = caret != scheiding || opmaak_.decimals == 0 ? scheiding : EindeDecimalen(scheiding + 1);
    setCursorPosition(nieuw);
    inDecimalen_ = nieuw > scheiding;
    return true;
}

// --- Entering and leaving ---

void TZNONumericEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!EntersField(event))
        return;
    ToonLabel(false);
    ShowFocusColour();
    negatief_ = text().contains(u'-');
    if (IsEmpty()) {
        setCursorPosition(Scheiding());
    } else if (autoSelect_) {
        selectAll();
    } else {
        setCursorPosition(EersteCijfer());
    }
    inDecimalen_ = cursorPosition() > Scheiding();
    // Qt gives the focus before it hands over the press that asked for it.
    klikBinnen_ = event->reason() == Qt::MouseFocusReason;
}

void TZNONumericEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    klikBinnen_ = false;
    if (!LeavesField(event))
        return;
    if (text() != LegeTemplate())
        Normaliseer();
    ShowWindowColour();
    ToonLabel(true);
    emit Exit();
}

// The integer part in its shortest form ("0070" becomes "70", nothing "0", a
// lone minus "-0"), every blank decimal a zero.
void TZNONumericEdit::Normaliseer()
{
    Delen delen = Splits(text());
    QString cijfers = delen.geheel;
    cijfers.remove(u'-');
    while (cijfers.size() > 1 && cijfers.startsWith(u'0'))
        cijfers.remove(0, 1);
    if (cijfers.isEmpty())
        cijfers = QStringLiteral("0");
    delen.geheel = (negatief_ ? QString(u'-') : QString()) + cijfers;
    delen.decimalen.replace(u' ', u'0');
    ToonTekst(Opgemaakt(delen));
}

// --- Keys, mouse and clipboard ---

void TZNONumericEdit::keyPressEvent(QKeyEvent* event)
{
    if (MoveOnEnterOrCopy(event))
        return;
    if (Navigeer(event->key()))
        return;
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }
    if (isReadOnly()) {
        event->ignore();
        return;
    }
    if (HandleClipboardKey(event))
        return;
    const bool metSneltoets = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (event->key() == Qt::Key_Backspace) {
        if (hasSelectedText())
            Clear();
        else
            Backspace();
    } else if (event->key() == Qt::Key_Delete) {
        if (hasSelectedText())
            Clear();
        else
            WisNaCaret();
    } else if (!metSneltoets && IsDecimaaltoets(event)) {
        Typ(Scheidingsteken());
    } else if (!metSneltoets && !event->text().isEmpty() && event->text()[0].isPrint()) {
        Typ(event->text()[0]);
    } else {
        event->ignore();
    }
}

// The click that brings the focus in leaves the field as entering made it
// (the whole value selected), also while the button is dragged; a click in
// the focused field puts the caret for editing in place.
void TZNONumericEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !klikBinnen_)
        setCursorPosition(DichtstbijzijndeCijfer(cursorPositionAt(event->position().toPoint())));
    event->accept();
}

void TZNONumericEdit::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) && !klikBinnen_)
        setCursorPosition(DichtstbijzijndeCijfer(cursorPositionAt(event->position().toPoint())));
    event->accept();
}

void TZNONumericEdit::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TZNONumericEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        klikBinnen_ = false;
    event->accept();
}

void TZNONumericEdit::resizeEvent(QResizeEvent* event)
{
    TZNOEdit::resizeEvent(event);
    label_->setGeometry(1, 1, width() - 8, height() - 6);
}

void TZNONumericEdit::Copy() { QApplication::clipboard()->setText(text().trimmed()); }

void TZNONumericEdit::Cut()
{
    if (isReadOnly())
        return;
    Copy();
    Clear();
}

void TZNONumericEdit::Paste()
{
    const QMimeData* inhoud = QApplication::clipboard()->mimeData();
    if (isReadOnly() || inhoud == nullptr || !inhoud->hasText())
        return;
    QString tekst = inhoud->text();
    tekst.remove(Groepsteken());
    tekst.replace(Scheidingsteken(), kSysteemScheiding);
    const TGelezenGetal getal = LeesGetal(tekst.toStdString(), 99);
    if (getal.Fout == TGelezenGetal::Ongeldig)
        return;
    try {
        SetValue(getal.Waarde);
    } catch (const ENumericError& fout) {
        ToonFout(this, fout);
        return;
    }
    setCursorPosition(Scheiding());
}

} // namespace vkt::widgets
