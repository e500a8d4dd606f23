#include "widgets/limited_line_edit.h"

#include "core/typing_rules.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>

namespace Tavo {

namespace {

// Whether QLineEdit would insert the event's text: printable text without Ctrl (Ctrl+Alt is
// AltGr on some keyboards and does type).
bool insertsText(const QKeyEvent &event)
{
    const QString text = event.text();
    if (text.isEmpty())
        return false;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ShiftModifier | Qt::ControlModifier))
        return false;
    const QChar first = text.front();
    return first.isPrint() || first.category() == QChar::Other_Format ||
           first.category() == QChar::Other_PrivateUse ||
           (first.isHighSurrogate() && text.size() > 1 && text[1].isLowSurrogate());
}

// Alt with a key is a command (on Windows, an access key of the window), never text. AltGr,
// which types "@", "#" and "[" on Italian keyboards, arrives as Ctrl+Alt on Windows and with
// the group switch on X11: it types.
bool isAltCommand(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier) &&
           !modifiers.testFlag(Qt::GroupSwitchModifier);
}

} // namespace

LimitedLineEdit::LimitedLineEdit(int typingLimit, QWidget *parent)
    : QLineEdit(parent), m_typingLimit(std::max(1, typingLimit))
{
    // Dropped text would bypass the limit and the line-break rule; the boxes take none.
    setAcceptDrops(false);
}

qsizetype LimitedLineEdit::roomReplacing(qsizetype replaced) const
{
    return TypingRules::room(m_typingLimit, text().size(), replaced);
}

void LimitedLineEdit::pasteAsSingleLine(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    QString pasted = TypingRules::toSingleLine(QGuiApplication::clipboard()->text(mode));
    pasted.truncate(roomReplacing(selectedText().size()));
    if (!pasted.isEmpty() || hasSelectedText())
        insert(pasted);
}

void LimitedLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteAsSingleLine(QClipboard::Clipboard);
        event->accept();
        return;
    }
    if (isAltCommand(*event) && !event->text().isEmpty()) {
        event->ignore(); // left to the window, as a command
        return;
    }
    if (isReadOnly() || !insertsText(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QString typed = typedText(event->text());
    typed.truncate(roomReplacing(selectedText().size()));
    if (typed.isEmpty()) {
        event->accept(); // the box is full: the key does nothing, as with a maximum length
        return;
    }
    QKeyEvent changed(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                      event->nativeVirtualKey(), event->nativeModifiers(), typed,
                      event->isAutoRepeat(), event->count(), event->device());
    QLineEdit::keyPressEvent(&changed);
    event->setAccepted(changed.isAccepted());
}

void LimitedLineEdit::inputMethodEvent(QInputMethodEvent *event)
{
    if (isReadOnly() || event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QString commit = typedText(event->commitString());
    const qsizetype replaced = selectedText().size() + std::max(0, event->replacementLength());
    commit.truncate(roomReplacing(replaced));
    QInputMethodEvent changed(event->preeditString(), event->attributes());
    changed.setCommitString(commit, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&changed);
    event->setAccepted(changed.isAccepted());
}

void LimitedLineEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    // The standard entry would paste line breaks and ignore the typing limit. It is known by
    // its caption, translated as QLineEdit translates it, followed by its shortcut.
    const QString pasteCaption = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction *action : menu->actions()) {
        if (action->text().section(u'\t', 0, 0) != pasteCaption)
            continue;
        disconnect(action, &QAction::triggered, this, nullptr);
        connect(action, &QAction::triggered, this, [this] { pasteAsSingleLine(); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

void LimitedLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    // The X11 primary selection is pasted with the middle button.
    if (event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteAsSingleLine(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

} // namespace Tavo
