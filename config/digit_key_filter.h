#pragma once

#include <QObject>

namespace Tavo {

// Lets only digits and Backspace be typed into the text boxes it is installed on (the school's
// code and the margins). Every other character is discarded before the box sees it, Enter
// and the clipboard shortcuts included; keys that type nothing (arrows, Delete, Home, End)
// and the dialog's own keys (Tab, Escape) pass. Pasting with the mouse is not affected.
class DigitKeyFilter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace Tavo
