#pragma once

#include <QString>

#include <array>

namespace Tavo {

// Rows 1..102 hold "code;NAME" in alphabetical order of the codes; row 0 is empty. The rows are
// kept as the offices print them (CALTANISETTA, FORLI', the old codes FO and PS).
const std::array<const char *, 103> &Prov();

// The province's name for a two-letter code ("VI" gives "VICENZA"); empty for an unknown code,
// for lower case and for any text that is not two characters long.
QString NomeProvincia(QStringView code);

} // namespace Tavo
