#pragma once

#include <QTranslator>

namespace Tavo {

// Italian for the texts of Qt's printer dialog that Qt's own Italian translation lacks (the
// box for typed pages, the duplex choices, the "Advanced" tab, the conflict messages), so that
// the whole dialog speaks Italian. Installed beside Qt's translation.
class MissingQtTranslations : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }
};

} // namespace Tavo
