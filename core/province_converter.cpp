#include "core/province_converter.h"

#include "core/text_lines.h"

#include <QDir>
#include <QFile>

namespace Tavo {

QStringList ProvinceConverter::convertLines(const QStringList &input)
{
    QStringList output;
    for (qsizetype i = 1; i < input.size(); ++i) {
        const QString &line = input[i];
        if (line.startsWith(QLatin1String("EE")))
            continue;
        output << QStringLiteral("Prov(%1)=\"%2\"").arg(output.size() + 1).arg(line);
    }
    return output;
}

ProvinceConverter::Result ProvinceConverter::convert(const QString &folder)
{
    const QString inputPath = QDir(folder).filePath(QStringLiteral("Export.txt"));
    const QString shownInput = QDir::toNativeSeparators(inputPath);
    QFile input(inputPath);
    if (!input.exists())
        return {false, 0, QStringLiteral("Il file %1 non esiste.").arg(shownInput)};
    if (!input.open(QIODevice::ReadOnly))
        return {false, 0,
                QStringLiteral("Impossibile leggere il file %1: %2")
                    .arg(shownInput, input.errorString())};
    const QStringList lines = TextLines::split(input.readAll());
    if (lines.isEmpty())
        return {
            false, 0,
            QStringLiteral("Il file %1 è vuoto: manca la riga di intestazione.").arg(shownInput)};
    const QStringList output = convertLines(lines);
    const auto written =
        TextLines::writeFile(QDir(folder).filePath(QStringLiteral("Province.txt")), output);
    if (!written.ok)
        return {false, 0, written.error};
    return {true, int(output.size()), {}};
}

} // namespace Tavo
