#include "config/line_break_validator.h"

namespace Tavo {

QValidator::State LineBreakValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos);
    for (QChar &c : input) {
        if (c == u'\r' || c == u'\n')
            c = u' ';
    }
    return Acceptable;
}

} // namespace Tavo
