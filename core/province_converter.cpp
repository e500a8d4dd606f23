#include "core/province_converter.h"

#include "core/text_lines.h"

#include <QDir>
#include <QFileInfo>

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
    const QFileInfo input(inputPath);
    if (!input.exists())
        return {false, 0, QStringLiteral("Il file %1 non esiste.").arg(shownInput)};
    // Read as the settings are: a regular file, within the bound, so that a pipe cannot hang
    // the program nor a link to an endless device fill its memory.
    if (!input.isFile())
        return {false, 0,
                QStringLiteral("Il file %1 non è un file ordinario (è una cartella, un "
                               "dispositivo o una pipe).")
                    .arg(shownInput)};
    if (input.size() > TextLines::kMaxFileBytes)
        return {false, 0,
                QStringLiteral("Il file %1 è troppo grande: un elenco delle province occupa "
                               "pochi kilobyte.")
                    .arg(shownInput)};
    const auto lines = TextLines::readFile(inputPath, -1);
    if (!lines)
        return {false, 0, QStringLiteral("Impossibile leggere il file %1.").arg(shownInput)};
    if (lines->isEmpty())
        return {
            false, 0,
            QStringLiteral("Il file %1 è vuoto: manca la riga di intestazione.").arg(shownInput)};
    const QStringList output = convertLines(*lines);
    const auto written =
        TextLines::writeFile(QDir(folder).filePath(QStringLiteral("Province.txt")), output);
    if (!written.ok)
        return {false, 0, written.error};
    return {true, int(output.size()), {}};
}

} // namespace Tavo
