#pragma once

#include <QClipboard>
#include <QLineEdit>

namespace Tavo {

// A single-line text box whose typing limit binds only the user: typing, input-method commits
// and pasting (keyboard, context menu, middle button) stop at it. Text set by the program with
// setText() is kept whole, where QLineEdit's own maximum length would cut it: a value read from
// a file is shown and handed back as it was until the user edits it. Pasted text becomes one
// line (line breaks and tabs turn into blanks); dropped text is refused, as it would bypass both
// rules. A key pressed with Alt (not AltGr) types nothing.
class LimitedLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    // typingLimit: the most characters the user can bring the box to, at least 1.
    explicit LimitedLineEdit(int typingLimit, QWidget *parent = nullptr);

    int typingLimit() const { return m_typingLimit; }

    // Inserts the clipboard's text (mode Clipboard or Selection) at the cursor, replacing the
    // selection, as one line and cut to the room left by the typing limit.
    void pasteAsSingleLine(QClipboard::Mode mode = QClipboard::Clipboard);

protected:
    // What a typed text (a key's or an input method's) becomes before the box takes it; one
    // character for one. Unchanged here.
    virtual QString typedText(QStringView typed) const { return typed.toString(); }

    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    qsizetype roomReplacing(qsizetype replaced) const;

    int m_typingLimit;
};

} // namespace Tavo
