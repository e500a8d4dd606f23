#pragma once

#include <QString>

#include <array>

namespace Tavo {

// Rows 1..112 hold "code;NAME" (UTF-8) in alphabetical order of the codes; row 0 is empty. The
// provinces of today, and the codes that earlier authorisations may carry: FO and PS (before
// FC and PU), and CI, OG, OT and VS (the Sardinian provinces of 2005 to 2016).
const std::array<const char *, 113> &Prov();

// The province's name for a two-letter code ("VI" gives "VICENZA"); empty for an unknown code,
// for lower case and for any text that is not two characters long.
QString NomeProvincia(QStringView code);

} // namespace Tavo
