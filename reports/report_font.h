#pragma once

#include <QFont>
#include <QString>

namespace Tavo::Reports {

// The font of a text control: face name as the layout gives it ("Times New Roman", "Arial"),
// size in points (fractional: 15.75, 14.25, 11.25, 9.75, 8.25), bold and italic.
struct ReportFont
{
    QString family;
    qreal pointSize = 0;
    bool bold = false;
    bool italic = false;

    // The QFont to measure and draw with. Hinting is off so that text widths scale with the
    // device resolution: a line that fits its box on the printer fits it on screen too.
    QFont toQFont() const;

    bool operator==(const ReportFont &other) const = default;
};

ReportFont timesNewRoman(qreal pointSize, bool bold = false, bool italic = false);
ReportFont arial(qreal pointSize, bool bold = false, bool italic = false);

} // namespace Tavo::Reports
