#include "print/page_selection.h"

#include <QPrintEngine>
#include <QStringList>

namespace Tavo::PageSelection {

namespace {

// The print engine's key for the CUPS job options, as name, value pairs.
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

void dropServerPageRange(QPrinter &printer)
{
    QPrintEngine *engine = printer.printEngine();
    QStringList options = engine->property(kCupsOptions).toStringList();
    for (qsizetype i = 0; i + 1 < options.size(); i += 2) {
        if (options[i] == QLatin1String("page-ranges")) {
            options.remove(i, 2);
            engine->setProperty(kCupsOptions, options);
            return;
        }
    }
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

Choice takeChosenPages(QPrinter &printer, int pageCount)
{
    const Choice choice = chosenPages(printer.printRange(), printer.pageRanges(), pageCount);
    if (!choice.pages.isEmpty())
        dropServerPageRange(printer);
    return choice;
}

} // namespace Tavo::PageSelection
