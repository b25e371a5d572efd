#include "ui/Formuleveld.h"

#include "model/Formule.h"
#include "model/Symbolen.h"

#include <QApplication>
#include <QKeyEvent>

namespace vkt::ui {
namespace {

bool IsOperator(QChar teken) { return teken == u'*' || teken == u'+' || teken == u'-' || teken == u'/'; }

// Characters typed as they are; "|" only twice in a formula.
bool IsGewoonTeken(QChar teken)
{
    return teken.isDigit() || teken == u'.' || teken == u'(' || teken == u')' || IsOperator(teken);
}

const TSneltoets* ZoekSneltoets(QChar letter, bool metZvwLoon)
{
    for (const TSneltoets& toets : Sneltoetsen())
        if (toets.Letter == letter)
            return (metZvwLoon || !toets.LegendaWN.isEmpty()) ? &toets : nullptr;
    return nullptr;
}

} // namespace

const std::vector<TSneltoets>& Sneltoetsen()
{
    static const std::vector<TSneltoets> toetsen{
        {u'B', "[Brutoloon]", "- Brutoloon", "- Brutoloon"},
        {u'N', "[Nettoloon]", "- Nettoloon", "- Nettoloon"},
        {u'S', "[Soc.Loon]", "- Soc.loon", "- Soc.loon"},
        {u'P', "[Pensioenpremie]", "- Pensioen premie", "- Pensioen premie"},
        {u'V', "[FPU/Vroegpensioen]", "- FPU/Vroegpensioen", "- VUT/FPU-premie"},
        {u'L', "[Loonheffing]", "- Loonheffing", "- Loonheffing"},
        {u'l', "[Loonh.loon]", "- loonh.loon", "- loonh.loon"},
        {u'w', "[WW.premie]", "- WW-premie", "- WW-premie"},
        {u'W', "[WAO.premie]", "- WAO-premie", "- WAO-premie"},
        {u'F', "[Zvw.(werkg.)]", "- Zvw. (werkg.)", "- Zvw. (werkg.)"},
        {u'f', "[Zvw.(werkn.)]", "- Zvw. (werkn.)", "- Zvw. (werkn.)"},
        {u'n', "[Natura]", "- natura", "- natura"},
        {u'v', "[Verg.(bel.vrij)]", "- verg. (bel.vrij)", "- verg. (bel.vrij)"},
        {u'i', "[Inh.(bel.vrij)]", "- inh. (bel.vrij)", "- inh. (bel.vrij)"},
        {u'R', "[PrivégebruikAuto]", "- Privégebruik auto", "- Privégebruik auto"},
        {u'r', "[Whk.premie]", "- Whk-premie", "- Whk-premie"},
        {u's', "[Fiets.vd.Zaak]", "- Fiets van de zaak", "- Fiets van de zaak"},
        {u'Z', "[Zvw-loon]", "", "- Zvw-loon"},
    };
    return toetsen;
}

TFormuleVeld::TFormuleVeld(bool metZvwLoon, QWidget* parent) : TZNOEdit(parent), metZvwLoon_(metZvwLoon)
{
    setMaxLength(static_cast<int>(MaximaleFormuleLengte));
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(false);
}

bool TFormuleVeld::Controleer()
{
    const bool geldig = IsValidExpression(text().toStdString(), SymbolenTabel());
    QPalette kleuren = palette();
    kleuren.setColor(QPalette::Text, geldig ? QApplication::palette().color(QPalette::Text) : QColor(Qt::red));
    setPalette(kleuren);
    return geldig;
}

void TFormuleVeld::keyPressEvent(QKeyEvent* event)
{
    bool afgehandeld = false;
    switch (event->key()) {
    case Qt::Key_Backspace:
        afgehandeld = WisSymboolTerug();
        break;
    case Qt::Key_Delete:
        afgehandeld = WisSymboolVooruit();
        break;
    case Qt::Key_Left:
        afgehandeld = event->modifiers() == Qt::NoModifier && SpringOverSymbool(false);
        break;
    case Qt::Key_Right:
        afgehandeld = event->modifiers() == Qt::NoModifier && SpringOverSymbool(true);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        afgehandeld = true;
        break;
    default:
        if (event->text().size() == 1 && event->text()[0].isPrint() &&
            !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            afgehandeld = TypTeken(event->text()[0]);
    }
    if (afgehandeld)
        event->accept();
    else
        TZNOEdit::keyPressEvent(event);
}

bool TFormuleVeld::TypTeken(QChar teken)
{
    if (const TSneltoets* toets = ZoekSneltoets(teken, metZvwLoon_))
        Voeg(toets->Symbool);
    else if (teken == u',')
        Voeg(".");
    else if (IsGewoonTeken(teken) || (teken == u'|' && text().count(u'|') < 2))
        Voeg(teken);
    return true; // every other character is refused
}

void TFormuleVeld::Voeg(const QString& tekst)
{
    if (text().size() - selectedText().size() + tekst.size() > maxLength())
        return;
    insert(tekst);
}

// Backspace right after a bracketed name removes the whole name. Without an
// opening bracket before it, the text back to the last operator goes.
bool TFormuleVeld::WisSymboolTerug()
{
    const QString tekst = text();
    const int caret = cursorPosition();
    if (hasSelectedText() || tekst.size() <= 1 || caret == 0 || tekst[caret - 1] != u']')
        return false;
    int begin = static_cast<int>(tekst.lastIndexOf(u'[', caret - 1));
    if (begin < 0) {
        begin = caret - 1;
        while (begin > 0 && !IsOperator(tekst[begin - 1]))
            --begin;
    }
    setText(tekst.left(begin) + tekst.mid(caret));
    setCursorPosition(begin);
    return true;
}

// Delete right before a bracketed name removes the whole name; without a
// closing bracket after it, the text up to the next operator goes.
bool TFormuleVeld::WisSymboolVooruit()
{
    const QString tekst = text();
    const int caret = cursorPosition();
    if (hasSelectedText() || caret >= tekst.size() || tekst[caret] != u'[')
        return false;
    int einde = static_cast<int>(tekst.indexOf(u']', caret));
    if (einde >= 0) {
        ++einde;
    } else {
        einde = caret + 1;
        while (einde < tekst.size() && !IsOperator(tekst[einde]))
            ++einde;
    }
    setText(tekst.left(caret) + tekst.mid(einde));
    setCursorPosition(caret);
    return true;
}

bool TFormuleVeld::SpringOverSymbool(bool vooruit)
{
    const QString tekst = text();
    const int caret = cursorPosition();
    if (vooruit) {
        if (caret >= tekst.size() || tekst[caret] != u'[')
            return false;
        const auto einde = tekst.indexOf(u']', caret);
        setCursorPosition(einde < 0 ? static_cast<int>(tekst.size()) : static_cast<int>(einde) + 1);
        return true;
    }
    if (tekst.size() <= 1 || caret == 0 || tekst[caret - 1] != u']')
        return false;
    const auto begin = tekst.lastIndexOf(u'[', caret - 1);
    if (begin < 0)
        return false;
    setCursorPosition(static_cast<int>(begin));
    return true;
}

} // namespace vkt::ui
