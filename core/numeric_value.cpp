#include "core/numeric_value.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace Tavo {
namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int v = -1;
    if (u >= u'0' && u <= u'9')
        v = u - u'0';
    else if (u >= u'a' && u <= u'f')
        v = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        v = u - u'A' + 10;
    return v < base ? v : -1;
}

// Value of the digits at the start of text in base 16 or 8; count receives how many there were.
double radixValue(QStringView text, int base, qsizetype *count)
{
    double value = 0;
    qsizetype i = 0;
    for (; i < text.size(); ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0)
            break;
        value = value * base + d;
    }
    *count = i;
    return value;
}

// Length of the decimal number at the start of text (sign, digits, point, exponent) and its
// spelling for from_chars in `out`; 0 when no digit is there.
qsizetype scanDecimal(QStringView text, std::string *out)
{
    qsizetype i = 0;
    std::string s;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            s += '-';
        ++i;
    }
    bool digits = false;
    while (i < text.size() && isDigit(text[i])) {
        s += char(text[i].unicode());
        digits = true;
        ++i;
    }
    if (i < text.size() && text[i] == u'.') {
        s += '.';
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            s += char(text[i].unicode());
            digits = true;
            ++i;
        }
    }
    if (!digits)
        return 0;
    // An exponent counts only when digits follow it.
    if (i < text.size() && QStringView(u"EeDd").contains(text[i])) {
        qsizetype j = i + 1;
        std::string e = "e";
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            e += char(text[j++].unicode());
        const qsizetype firstDigit = j;
        while (j < text.size() && isDigit(text[j]))
            e += char(text[j++].unicode());
        if (j > firstDigit) {
            s += e;
            i = j;
        }
    }
    *out = s;
    return i;
}

double parseDecimal(const std::string &s, bool *finite)
{
    double value = 0;
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    Q_UNUSED(ptr);
    *finite = true;
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone: tell huge from tiny by the exponent's sign.
        const auto e = s.find('e');
        const bool tiny = e != std::string::npos && e + 1 < s.size() && s[e + 1] == '-';
        if (tiny)
            return 0;
        *finite = false;
        return s.front() == '-' ? -std::numeric_limits<double>::infinity()
                                : std::numeric_limits<double>::infinity();
    }
    return ec == std::errc() ? value : 0;
}

// Value of a &H / &O number at the start of text; count receives its length (0 if none).
double scanRadix(QStringView text, qsizetype *count)
{
    *count = 0;
    if (text.size() < 2 || text[0] != u'&')
        return 0;
    const QChar p = text[1].toUpper();
    const int base = p == u'H' ? 16 : p == u'O' ? 8 : 0;
    if (base == 0)
        return 0;
    qsizetype digits = 0;
    const double value = radixValue(text.mid(2), base, &digits);
    if (digits > 0)
        *count = 2 + digits;
    return value;
}

} // namespace

double numericValue(QStringView text)
{
    QString packed;
    packed.reserve(text.size());
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            packed += c;
    }
    qsizetype length = 0;
    const double radix = scanRadix(packed, &length);
    if (length > 0)
        return radix;
    std::string spelled;
    if (scanDecimal(packed, &spelled) == 0)
        return 0;
    bool finite = true;
    return parseDecimal(spelled, &finite);
}

std::optional<qint32> roundToInt32(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = std::nearbyint(value);
    if (r < std::numeric_limits<qint32>::min() || r > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(r);
}

std::optional<qint32> wholeNumericValue(QStringView text)
{
    return roundToInt32(numericValue(text));
}

QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

bool isNumericText(QStringView text)
{
    const QStringView core = trimBlanks(text);
    if (core.isEmpty())
        return false;
    qsizetype length = 0;
    scanRadix(core, &length);
    if (length > 0)
        return length == core.size();
    std::string spelled;
    if (scanDecimal(core, &spelled) != core.size())
        return false;
    bool finite = true;
    parseDecimal(spelled, &finite);
    return finite;
}

} // namespace Tavo
