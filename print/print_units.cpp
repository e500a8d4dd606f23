#include "print/print_units.h"

#include "core/numeric_value.h"

#include <limits>

namespace Tavo::PrintUnits {

std::optional<float> marginTwips(QStringView millimetres)
{
    const std::optional<qint32> mm = wholeNumericValue(millimetres);
    if (!mm)
        return std::nullopt;
    // The product is checked against 32 bits, as the margin arithmetic has always been done.
    const qint64 scaled = qint64(*mm) * 1440;
    if (scaled > std::numeric_limits<qint32>::max() || scaled < std::numeric_limits<qint32>::min())
        return std::nullopt;
    return float(double(scaled) / 25.4);
}

std::optional<int> pageCount(QStringView pagine)
{
    return wholeNumericValue(pagine);
}

QString marginOverflowMessage(const QString &which, const QString &text)
{
    return QStringLiteral("Il margine %1 \"%2\" è fuori dai limiti: correggerlo nella "
                          "configurazione")
        .arg(which, text);
}

QString pageCountOverflowMessage(const QString &text)
{
    return QStringLiteral("Il numero di pagine \"%1\" è fuori dai limiti: correggerlo nella "
                          "configurazione")
        .arg(text);
}

} // namespace Tavo::PrintUnits
