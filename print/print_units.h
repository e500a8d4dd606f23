#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The numbers the print command takes from the settings: margins and the page count.
namespace Tavo::PrintUnits {

// A margin setting (millimetres as text) in twips: the numeric value rounded to whole
// millimetres (halves to even), times 1440, divided by 25.4 in double precision, handed on in
// single precision. "10" gives 566.92914. Nothing when the millimetres or millimetres × 1440
// do not fit a 32-bit signed integer (1491308 fits, 1491309 does not).
std::optional<float> marginTwips(QStringView millimetres);

// The page count of CfgPagine, rounded like the margins; nothing when it does not fit 32 bits.
std::optional<int> pageCount(QStringView pagine);

// Italian messages for the two failures above, quoting the setting's text.
QString marginOverflowMessage(const QString &which, const QString &text);
QString pageCountOverflowMessage(const QString &text);

} // namespace Tavo::PrintUnits
