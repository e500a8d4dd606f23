#pragma once

#include <QClipboard>
#include <QLineEdit>

class QMenu;

namespace Tavo {

// A single-line text box of the main window. Every character the user types, through the
// keyboard or an input method (dead keys, compose), is turned into its upper-case form in
// Windows-1252 before the box sees it; nothing is refused. Pasted text is not converted, but
// its line breaks become blanks.
//
// The typing limit binds only the user: typing and pasting stop at it. Text set by the program
// with setText() is kept whole (QLineEdit's own maximum length would cut it), so an 11-character
// number from the command line still reaches the print check as 11 characters.
class UpperCaseLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    // typingLimit: the most characters the user can bring the box to, at least 1.
    explicit UpperCaseLineEdit(int typingLimit, QWidget *parent = nullptr);

    int typingLimit() const { return m_typingLimit; }

    // Inserts the clipboard's text (mode Clipboard or Selection) at the cursor, replacing the
    // selection, as one line and cut to the room left by the typing limit.
    void pasteAsSingleLine(QClipboard::Mode mode = QClipboard::Clipboard);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    qsizetype roomReplacing(qsizetype replaced) const;

    int m_typingLimit;
};

} // namespace Tavo
