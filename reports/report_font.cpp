#include "reports/report_font.h"

namespace Tavo::Reports {

QFont ReportFont::toQFont() const
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

ReportFont timesNewRoman(qreal pointSize, bool bold, bool italic)
{
    return {QStringLiteral("Times New Roman"), pointSize, bold, italic};
}

ReportFont arial(qreal pointSize, bool bold, bool italic)
{
    return {QStringLiteral("Arial"), pointSize, bold, italic};
}

} // namespace Tavo::Reports
