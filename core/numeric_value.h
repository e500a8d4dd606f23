#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Numbers typed as text (page count, margins, parts of the authorisation number). One set of
// rules for the whole program, independent of the user's locale: "." is the only decimal point.
namespace Tavo {

// The number at the start of the text once blanks, tabs and line feeds are removed wherever
// they stand: an optional sign, digits, a decimal point and an exponent (E or D), or &H / &O
// followed by hexadecimal or octal digits. Reading stops at the first character that cannot
// continue the number; a text without a leading number is 0. "1 2" is 12, "&HC" is 12,
// "6 pagine" is 6, "2,5" is 2. A number too large for a double is +/- infinity.
double numericValue(QStringView text);

// Rounds to the nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
// Nothing when the result does not fit a 32-bit signed integer or the value is not finite.
std::optional<qint32> roundToInt32(double value);

// roundToInt32(numericValue(text)).
std::optional<qint32> wholeNumericValue(QStringView text);

// Whether the whole text is one number: blanks around it, a sign, digits with at most one
// decimal point and an optional exponent, or &H / &O digits; its value must be finite.
// "12", " 1", "-12345" pass; "AB", "12345A", "1,5", "1E9999" and "" do not.
bool isNumericText(QStringView text);

// The text without the blanks around it; a tab or other white space stays part of it, as in
// the typed values the program checks.
QStringView trimBlanks(QStringView text);

} // namespace Tavo
