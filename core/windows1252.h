#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The program's files are Windows-1252 text, as the driving schools' existing files are.
// Qt 6 has no codec for it (Latin-1 differs in 0x80..0x9F), so the table is ours.
namespace Tavo::Windows1252 {

// Every byte becomes exactly one character. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 controls of the same value, so
// they survive a round trip unchanged.
QString decode(QByteArrayView bytes);

// Whether the character has a byte in Windows-1252.
bool canEncode(QChar c);

// The bytes of the text, or nothing when one of its characters has no byte.
std::optional<QByteArray> encode(QStringView text);

// Upper-case form of a typed character within the code page: à gives À, ÿ gives Ÿ, œ gives Œ.
// Characters without a single upper-case letter in the code page (ß, µ, digits, controls)
// come back unchanged.
QChar toUpper(QChar c);

} // namespace Tavo::Windows1252
