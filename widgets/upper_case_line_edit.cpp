#include "widgets/upper_case_line_edit.h"

#include "core/typing_rules.h"

namespace Tavo {

QString UpperCaseLineEdit::typedText(QStringView typed) const
{
    return TypingRules::toUpperTyped(typed);
}

} // namespace Tavo
