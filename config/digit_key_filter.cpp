#include "config/digit_key_filter.h"

#include <QKeyEvent>

namespace Tavo {

namespace {

bool isClipboardShortcut(const QKeyEvent *key)
{
    return key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut) ||
           key->matches(QKeySequence::Copy);
}

// Whether the key reaches the text box.
bool passes(const QKeyEvent *key)
{
    if (isClipboardShortcut(key))
        return false;
    switch (key->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return true;
    default:
        break;
    }
    const QString text = key->text();
    if (text.isEmpty())
        return true;
    return text.size() == 1 && text.front() >= u'0' && text.front() <= u'9';
}

} // namespace

bool DigitKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && !passes(static_cast<QKeyEvent *>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace Tavo
