#pragma once

#include <QColor>
#include <QLineEdit>

#include <optional>

namespace vkt::widgets {

// A single-line text input that takes a colour of its own while it has the
// focus and lets Enter move on to the next field as Tab does. The numeric and
// date fields build on it; a data-aware text field uses it as it is.
class TZNOEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TZNOEdit(QWidget* parent = nullptr);

    QColor FocusedColor() const { return focusedColor_; }
    // Once a process-wide focus colour is set for the class, it replaces
    // whatever is assigned here.
    void SetFocusedColor(const QColor& colour);
    bool TabOnEnter() const { return tabOnEnter_; }
    void SetTabOnEnter(bool on) { tabOnEnter_ = on; }
    bool ReadOnly() const { return isReadOnly(); }
    virtual void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }

    // The focus colour of every field of this class, from now on.
    static void SetClassFocusedColor(const QColor& colour);

    // The commands of the Edit menu and of the context menu.
    virtual void Cut();
    virtual void Copy();
    virtual void Paste();
    virtual void Clear();

signals:
    // The focus left the field, after the field did its own work on leaving.
    void Exit();

protected:
    // The process-wide focus colour of the class, when one was set.
    virtual std::optional<QColor> ClassFocusedColor() const;

    // Whether a focus change is the user entering or leaving the field. A
    // menu that opens, or another window that takes over for a while, does
    // not leave the field; coming back from there does not enter it again.
    bool EntersField(const QFocusEvent* event);
    bool LeavesField(const QFocusEvent* event);
    // Enter with TabOnEnter moves to the next field, and the copy key copies,
    // also in a read-only field; true when the key was one of them.
    bool MoveOnEnterOrCopy(const QKeyEvent* event);
    // Ctrl+X, Ctrl+C, Ctrl+V and their platform variants; true when handled.
    bool HandleClipboardKey(const QKeyEvent* event);

    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

    // The background of a focused field, and back.
    void ShowFocusColour();
    void ShowWindowColour();

private:
    QColor focusedColor_;
    QColor windowColour_;
    bool tabOnEnter_ = true;
    bool entered_ = false;
};

} // namespace vkt::widgets
