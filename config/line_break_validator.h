#pragma once

#include <QValidator>

namespace Tavo {

// Turns every CR and LF that reaches a single-line text box (pasted or dropped text) into a
// blank, so that a value never spreads over two lines of Tavo.cfg. Accepts everything else.
class LineBreakValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;
};

} // namespace Tavo
