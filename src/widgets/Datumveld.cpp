#include "widgets/Datumveld.h"

#include "widgets/Kleuren.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>

#include <algorithm>

namespace vkt::widgets {
namespace {

std::optional<QColor> classColour;

const QString kMasker = QStringLiteral("00-00-0000; ");
const QString kLeeg = QStringLiteral("  -  -    ");

bool Blanco(QChar c) { return c == u' '; }

// The number of two typed digits; -1 when either is no digit.
int TweeCijfers(const QString& tekst)
{
    if (tekst.size() != 2 || !tekst[0].isDigit() || !tekst[1].isDigit())
        return -1;
    return (tekst[0].unicode() - u'0') * 10 + (tekst[1].unicode() - u'0');
}

// A day or month group of one typed digit gets its leading zero.
QString Vul(QString groep)
{
    if (groep[0] >= u'1' && groep[0] <= u'9' && Blanco(groep[1]))
        return QString(u'0') + groep[0];
    if (Blanco(groep[0]))
        groep[0] = u'0';
    return groep;
}

} // namespace

TZNODateEdit::TZNODateEdit(QWidget* parent) : TZNOEdit(parent)
{
    SetFocusedColor(Kleuren::Focus);
    setInputMask(kMasker);
    resize(64, sizeHint().height());
}

std::optional<QColor> TZNODateEdit::ClassFocusedColor() const { return classColour; }

void TZNODateEdit::SetClassFocusedColor(const QColor& colour) { classColour = colour; }

void TZNODateEdit::SetEpoch(int epoch) { epoch_ = std::clamp(epoch, 0, 99); }

void TZNODateEdit::SetFixedYear(int year)
{
    fixedYear_ = year;
    if (year <= 0) {
        setInputMask(kMasker);
        return;
    }
    // Each digit of the year a fixed character of the mask.
    QString masker = QStringLiteral("00-00-");
    for (const QChar c : QString::fromStdString(std::to_string(year)).rightJustified(4, u'0'))
        masker += QString(u'\\') + c;
    setInputMask(masker + QStringLiteral("; "));
}

bool TZNODateEdit::IsEmpty() const { return displayText() == kLeeg; }

std::optional<QString> TZNODateEdit::Aangevuld(const QString& tekst) const
{
    const QString eerste = tekst.mid(0, 2);
    const QString tweede = tekst.mid(3, 2);
    QString jaar = tekst.mid(6, 4);
    const auto heelBlanco = [](const QString& groep) { return std::all_of(groep.begin(), groep.end(), Blanco); };
    if (heelBlanco(eerste) || heelBlanco(tweede) || Blanco(jaar[0]) || Blanco(jaar[1]) ||
        Blanco(jaar[2]) != Blanco(jaar[3]))
        return std::nullopt;
    if (Blanco(jaar[2])) {
        jaar = (TweeCijfers(jaar.left(2)) < epoch_ ? QStringLiteral("20") : QStringLiteral("19")) + jaar.left(2);
    }
    return Vul(eerste) + u'-' + Vul(tweede) + u'-' + jaar;
}

std::optional<TDateTime> TZNODateEdit::DatumVan(const QString& tekst) const
{
    const QString dagEerst =
        dateFormat_ == TDateFormat::DDMMYYYY ? tekst : tekst.mid(3, 2) + u'-' + tekst.mid(0, 2) + tekst.mid(5);
    return ParseDutchDate(dagEerst.toStdString());
}

bool TZNODateEdit::IsValid()
{
    if (IsEmpty())
        return true;
    const std::optional<QString> tekst = Aangevuld(displayText());
    if (!tekst)
        return false;
    setText(*tekst);
    return DatumVan(*tekst).has_value();
}

TDateTime TZNODateEdit::Date()
{
    if (IsEmpty())
        return 0;
    if (IsValid())
        return *DatumVan(displayText());
    MeldFout(deConversie, QStringLiteral("De tekst kan niet als datum worden gelezen."), QStringLiteral("Datumfout"));
    return 0;
}

std::optional<TDateTime> TZNODateEdit::QuietDate() const
{
    if (IsEmpty())
        return std::nullopt;
    const std::optional<QString> tekst = Aangevuld(displayText());
    return tekst ? DatumVan(*tekst).value_or(0) : 0;
}

void TZNODateEdit::SetDate(TDateTime date)
{
    const QString tekst = QString::fromStdString(FormatDutchDate(date));
    setText(dateFormat_ == TDateFormat::DDMMYYYY ? tekst : tekst.mid(3, 2) + u'-' + tekst.mid(0, 2) + tekst.mid(5));
}

void TZNODateEdit::MeldFout(TDateError fout, const QString& melding, const QString& titel)
{
    QApplication::beep();
    lastError_ = fout;
    if (displayErrors_)
        QMessageBox::critical(this, titel, melding);
}

void TZNODateEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!LeavesField(event))
        return;
    ShowWindowColour();
    emit Exit();
    if (IsValid())
        return;
    if (!displayErrors_) {
        MeldFout(deOngeldigBijVerlaten, {}, {});
        return;
    }
    // The message box and the way back into the field wait until the focus
    // has settled where the user sent it.
    QMetaObject::invokeMethod(this, &TZNODateEdit::MeldOngeldigeDatum, Qt::QueuedConnection);
}

void TZNODateEdit::MeldOngeldigeDatum()
{
    MeldFout(deOngeldigBijVerlaten, displayText() + QStringLiteral(" is geen geldige datum."), QStringLiteral("Datumfout"));
    setFocus();
    selectAll();
}

void TZNODateEdit::keyPressEvent(QKeyEvent* event)
{
    if (MoveOnEnterOrCopy(event))
        return;
    static const QList<int> kNavigatie{Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right};
    if (isReadOnly() && !kNavigatie.contains(event->key())) {
        event->ignore();
        return;
    }
    if (HandleClipboardKey(event))
        return;
    // A blank, "." or "/" moves on to the next group as the separator does.
    if (event->text() == u" " || event->text() == u"." || event->text() == u"/") {
        QKeyEvent streepje(event->type(), Qt::Key_Minus, event->modifiers(), QStringLiteral("-"));
        QLineEdit::keyPressEvent(&streepje);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TZNODateEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    if (IsEmpty())
        setCursorPosition(0);
}

void TZNODateEdit::Cut()
{
    if (isReadOnly())
        return;
    QApplication::clipboard()->setText(displayText().trimmed());
    Clear();
}

// "1-2-50" and "01-02-50" become 01-02-2050; a pasted two-digit year is in
// the 1900s only above the epoch. Anything that is no date is ignored.
void TZNODateEdit::Paste()
{
    const QMimeData* inhoud = QApplication::clipboard()->mimeData();
    if (isReadOnly() || inhoud == nullptr || !inhoud->hasText())
        return;
    QString tekst = inhoud->text().trimmed();
    if (tekst.size() < 3 || tekst[2] != u'-')
        tekst.prepend(u'0');
    if (tekst.size() < 6 || tekst[5] != u'-')
        tekst.insert(3, u'0');
    if (tekst.size() == 8) {
        const int jaar = TweeCijfers(tekst.mid(6, 2));
        if (jaar < 0)
            return;
        tekst.insert(6, jaar > epoch_ ? QStringLiteral("19") : QStringLiteral("20"));
    }
    if (const std::optional<TDateTime> datum = DatumVan(tekst))
        SetDate(*datum);
}

} // namespace vkt::widgets
