#include "core/typing_rules.h"

#include "core/windows1252.h"

#include <algorithm>

namespace Tavo::TypingRules {

QString toUpperTyped(QStringView typed)
{
    QString upper;
    upper.reserve(typed.size());
    for (const QChar c : typed)
        upper.append(Windows1252::toUpper(c));
    return upper;
}

namespace {
// A character that breaks a line or jumps to a tab stop.
bool breaksOrTabs(QChar c)
{
    return c == u'\r' || c == u'\n' || c == u'\t' || c == u'\v' || c == u'\f' || c == QChar(0x85) ||
           c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph;
}
} // namespace

QString toSingleLine(QStringView pasted)
{
    QString line;
    line.reserve(pasted.size());
    for (qsizetype i = 0; i < pasted.size(); ++i) {
        const QChar c = pasted[i];
        if (c == u'\r' && i + 1 < pasted.size() && pasted[i + 1] == u'\n')
            ++i; // CR LF is one line break
        line.append(breaksOrTabs(c) ? QChar(u' ') : c);
    }
    return line;
}

qsizetype room(qsizetype limit, qsizetype length, qsizetype replaced)
{
    return std::max<qsizetype>(0, limit - (length - std::min(replaced, length)));
}

} // namespace Tavo::TypingRules
