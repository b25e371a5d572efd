#include "widgets/ZNOEdit.h"

#include "widgets/InvoerVastlegger.h"
#include "widgets/Kleuren.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>

namespace vkt::widgets {
namespace {

std::optional<QColor> classColour;

} // namespace

// Every window with a field of the program has what is typed in it count
// before a command acts.
TZNOEdit::TZNOEdit(QWidget* parent) : QLineEdit(parent)
{
    SetFocusedColor(Kleuren::Focus);
    TInvoerVastlegger::Installeer();
}

void TZNOEdit::SetFocusedColor(const QColor& colour) { focusedColor_ = ClassFocusedColor().value_or(colour); }

void TZNOEdit::SetClassFocusedColor(const QColor& colour) { classColour = colour; }

std::optional<QColor> TZNOEdit::ClassFocusedColor() const { return classColour; }

void TZNOEdit::Cut() { cut(); }
void TZNOEdit::Copy() { copy(); }
void TZNOEdit::Paste() { paste(); }
void TZNOEdit::Clear() { clear(); }

bool TZNOEdit::EntersField(const QFocusEvent* event)
{
    if (entered_ || event->reason() == Qt::PopupFocusReason)
        return false;
    entered_ = true;
    return true;
}

bool TZNOEdit::LeavesField(const QFocusEvent* event)
{
    if (!entered_ || event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return false;
    entered_ = false;
    return true;
}

bool TZNOEdit::MoveOnEnterOrCopy(const QKeyEvent* event)
{
    if (tabOnEnter_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter))
        focusNextChild();
    else if (event->matches(QKeySequence::Copy))
        Copy();
    else
        return false;
    return true;
}

bool TZNOEdit::HandleClipboardKey(const QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cut))
        Cut();
    else if (event->matches(QKeySequence::Copy))
        Copy();
    else if (event->matches(QKeySequence::Paste))
        Paste();
    else
        return false;
    return true;
}

void TZNOEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (EntersField(event))
        ShowFocusColour();
}

void TZNOEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!LeavesField(event))
        return;
    ShowWindowColour();
    emit Exit();
}

void TZNOEdit::keyPressEvent(QKeyEvent* event)
{
    if (MoveOnEnterOrCopy(event) || HandleClipboardKey(event))
        return;
    QLineEdit::keyPressEvent(event);
}

void TZNOEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    const bool writable = !isReadOnly();
    menu.addAction(tr("Cu&t"), this, &TZNOEdit::Cut)->setEnabled(writable);
    menu.addAction(tr("&Copy"), this, &TZNOEdit::Copy);
    menu.addAction(tr("&Paste"), this, &TZNOEdit::Paste)->setEnabled(writable);
    menu.addAction(tr("C&lear"), this, &TZNOEdit::Clear)->setEnabled(writable);
    menu.exec(event->globalPos());
}

void TZNOEdit::ShowFocusColour()
{
    QPalette p = palette();
    if (p.color(QPalette::Base) != focusedColor_)
        windowColour_ = p.color(QPalette::Base);
    p.setColor(QPalette::Base, focusedColor_);
    setPalette(p);
}

void TZNOEdit::ShowWindowColour()
{
    if (!windowColour_.isValid())
        return;
    QPalette p = palette();
    p.setColor(QPalette::Base, windowColour_);
    setPalette(p);
}

} // namespace vkt::widgets
