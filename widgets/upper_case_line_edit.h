#pragma once

#include "widgets/limited_line_edit.h"

namespace Tavo {

// A text box of the main window: every character the user types, through the keyboard or an
// input method (dead keys, compose), is turned into its upper-case form in Windows-1252 before
// the box sees it; nothing is refused. Pasted text and text set by the program keep their case.
// The typing limit binds only the user, as in LimitedLineEdit: an 11-character number from the
// command line still reaches the print check as 11 characters.
class UpperCaseLineEdit : public LimitedLineEdit
{
    Q_OBJECT

public:
    using LimitedLineEdit::LimitedLineEdit;

protected:
    QString typedText(QStringView typed) const override;
};

} // namespace Tavo
