#include "core/windows1252.h"

#include <array>

namespace Tavo::Windows1252 {
namespace {

// Characters of the bytes 0x80..0x9F; the undefined ones map to the C1 control of the same
// value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t charOfByte(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F)
        return kHighControls[b - 0x80];
    return b;
}

std::optional<unsigned char> byteOfChar(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<unsigned char>(u);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == u)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

} // namespace

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(charOfByte(static_cast<unsigned char>(bytes[i])));
    return text;
}

bool canEncode(QChar c)
{
    return byteOfChar(c.unicode()).has_value();
}

std::optional<QByteArray> encode(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto b = byteOfChar(text[i].unicode());
        if (!b)
            return std::nullopt;
        bytes[i] = static_cast<char>(*b);
    }
    return bytes;
}

QChar toUpper(QChar c)
{
    if (!canEncode(c))
        return c;
    const QString upper = QString(c).toUpper();
    // ß would become "SS" and µ the Greek capital mu: neither is one character of the code
    // page, so they stay as typed.
    if (upper.size() != 1 || !canEncode(upper[0]))
        return c;
    return upper[0];
}

} // namespace Tavo::Windows1252
