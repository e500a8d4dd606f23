#include "print/page_selection.h"

#include <QPrintEngine>
#include <QStringList>

#include <optional>

namespace Tavo::PageSelection {

namespace {

// The print engine's key for the CUPS job options, as name, value pairs.
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// Removes the job's "page-ranges" option and returns its value; nothing when it has none.
std::optional<QString> takeServerPageRange(QPrinter &printer)
{
    QPrintEngine *engine = printer.printEngine();
    QStringList options = engine->property(kCupsOptions).toStringList();
    for (qsizetype i = 0; i + 1 < options.size(); i += 2) {
        if (options[i] == QLatin1String("page-ranges")) {
            const QString value = options[i + 1];
            options.remove(i, 2);
            engine->setProperty(kCupsOptions, options);
            return value;
        }
    }
    return std::nullopt;
}

} // namespace

Choice chosenPages(QPrinter::PrintRange range, const QPageRanges &ranges, int pageCount)
{
    Choice choice;
    if (range == QPrinter::CurrentPage) {
        choice.error = QStringLiteral(
            "Il dialogo di stampa ha chiesto la pagina corrente senza dire quale: nulla è stato "
            "stampato. Per ristampare una sola pagina indicarla come intervallo, da N a N.");
        return choice;
    }
    if (range != QPrinter::PageRange || ranges.isEmpty())
        return choice;
    for (int page = 1; page <= pageCount; ++page) {
        if (ranges.contains(page))
            choice.pages.append(page - 1);
    }
    if (choice.pages.isEmpty())
        choice.error = QStringLiteral("Le pagine scelte (%1) non sono nel libretto, che ha %2 "
                                      "pagine: nulla è stato stampato.")
                           .arg(ranges.toString())
                           .arg(pageCount);
    return choice;
}

void offerPages(QPrinter &printer, int pageCount)
{
    QPageRanges all;
    all.addRange(1, pageCount);
    printer.setPageRanges(all);
}

Choice takeChosenPages(QPrinter &printer, int pageCount)
{
    if (const std::optional<QString> typed = takeServerPageRange(printer)) {
        const QPageRanges ranges = QPageRanges::fromString(*typed);
        if (ranges.isEmpty())
            return {{},
                    QStringLiteral("Le pagine indicate nel dialogo di stampa non si leggono: "
                                   "nulla è stato stampato. Scriverle come 3,5-7.")};
        return chosenPages(QPrinter::PageRange, ranges, pageCount);
    }
    return chosenPages(printer.printRange(), printer.pageRanges(), pageCount);
}

} // namespace Tavo::PageSelection
