#pragma once

#include <QString>
#include <QStringView>

// What the single-line text boxes of the main window do with text that the user types or
// pastes. Text set by the program is never passed through these rules.
namespace Tavo::TypingRules {

// Typed text with every character replaced by its upper-case form in Windows-1252, one
// character for one: "è" gives "È", "ß" and "µ" stay, digits and punctuation pass unchanged.
QString toUpperTyped(QStringView typed);

// Pasted text for a single-line box: every line break (CR LF, a lone CR or LF, a form feed,
// the Unicode line and paragraph separators) and every tab becomes one blank, so that no value
// carries a line end into the program's line files or a tab's gap onto the booklet.
QString toSingleLine(QStringView pasted);

// How many characters may still be inserted into a box that allows limit characters, holds
// length characters and is about to lose replaced of them (a selection typed over). Never
// negative: a box holding more than its limit (text set by the program) takes nothing more.
qsizetype room(qsizetype limit, qsizetype length, qsizetype replaced);

} // namespace Tavo::TypingRules
