#include "print/print_command.h"

#include "print/booklet_labels.h"
#include "print/booklet_pages.h"
#include "print/booklet_printing.h"
#include "print/page_selection.h"
#include "print/pdf_output_file.h"
#include "print/print_units.h"
#include "print/tabella_pagine.h"
#include "reports/report_layout.h"
#include "reports/report_renderer.h"

#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include <optional>

namespace Tavo {

namespace {
// The resolution of a PDF, as of QPrinter::HighResolution.
constexpr int kPrinterResolution = 1200;

PrintOutcome failure(const QString &message)
{
    PrintOutcome outcome;
    outcome.status = PrintOutcome::Status::Failed;
    outcome.error = message;
    return outcome;
}

// The report with its labels, margins and page table, ready to print; the error says why not.
struct PreparedReport
{
    std::unique_ptr<Reports::ReportLayout> report;
    QString error;
};

PreparedReport prepareReport(const PrintInput &input, const Settings &settings,
                             BookletPages::Layout layout, TabellaPagine &table)
{
    const std::optional<int> pageCount = PrintUnits::pageCount(settings.CfgPagine);
    if (!pageCount)
        return {nullptr, PrintUnits::pageCountOverflowMessage(settings.CfgPagine)};
    const std::optional<float> left = PrintUnits::marginTwips(settings.CfgMargineSx);
    if (!left)
        return {nullptr, PrintUnits::marginOverflowMessage(QStringLiteral("sinistro"),
                                                           settings.CfgMargineSx)};
    const std::optional<float> top = PrintUnits::marginTwips(settings.CfgMargineTop);
    if (!top)
        return {nullptr, PrintUnits::marginOverflowMessage(QStringLiteral("superiore"),
                                                           settings.CfgMargineTop)};

    if (const TabellaPagine::Result r = BookletPages::fillPageTable(layout, *pageCount, table);
        !r.ok)
        return {nullptr, r.error};

    PreparedReport prepared{BookletPages::createReport(layout), {}};
    prepared.error = BookletLabels::fill(*prepared.report, layout, settings,
                                         BookletLabels::learnerTexts(input, *pageCount));
    prepared.report->setLeftMargin(*left);
    prepared.report->setTopMargin(*top);
    prepared.report->setDataSource(&table);
    return prepared;
}

QString documentName(const PrintInput &input)
{
    return QStringLiteral("Libretto %1").arg(input.nome.trimmed());
}

// Writes the booklet to a PDF file with QPdfWriter: no printer and no print system are needed.
PrintOutcome printToPdf(const Reports::ReportLayout &report, BookletPages::Layout layout,
                        const PrintInput &input, const QString &fileName)
{
    // The file is written under a temporary name and put in place only when complete.
    PdfOutputFile pdf(fileName);
    if (const QString error = pdf.reserve(); !error.isEmpty())
        return failure(error);
    {
        QPdfWriter writer(pdf.device());
        writer.setResolution(kPrinterResolution);
        writer.setTitle(documentName(input));
        writer.setCreator(QStringLiteral("Tavo"));
        BookletPrinting::setUpPage(writer, layout);
        if (const QString error =
                BookletPrinting::printPages(report, writer, QStringLiteral("il file PDF"));
            !error.isEmpty())
            return failure(error);
    }
    if (const QString error = pdf.commit(); !error.isEmpty())
        return failure(error);
    PrintOutcome outcome;
    outcome.status = PrintOutcome::Status::Printed;
    return outcome;
}

// Prints the booklet on a named queue, or on the one chosen in the printer dialog (which offers
// the remembered printer first). printerName of the outcome is the printer used or chosen.
PrintOutcome printToPrinter(const Reports::ReportLayout &report, BookletPages::Layout layout,
                            const PrintInput &input, const PrintTarget &target,
                            const QString &rememberedPrinter, QWidget *dialogParent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName(input));
    if (target.kind == PrintTarget::Kind::Printer) {
        // An unknown name is ignored by QPrinter, so the name is read back.
        if (!target.name.isEmpty())
            printer.setPrinterName(target.name);
        if (target.name.isEmpty() || printer.printerName() != target.name)
            return failure(QStringLiteral("Stampante sconosciuta: %1").arg(target.name));
    } else if (!rememberedPrinter.isEmpty()) {
        printer.setPrinterName(rememberedPrinter);
    }
    // A named printer must take the booklet's paper; the dialog may still choose another.
    if (const QString error = BookletPrinting::setUpPage(printer, layout);
        !error.isEmpty() && target.kind == PrintTarget::Kind::Printer)
        return failure(error);

    const int pageCount = Reports::ReportRenderer(report).pageCount();
    PrintOutcome outcome;
    outcome.status = PrintOutcome::Status::Printed;
    if (target.kind == PrintTarget::Kind::Dialog) {
        QPrintDialog dialog(&printer, dialogParent);
        dialog.setMinMax(1, pageCount);
        PageSelection::offerPages(printer, pageCount);
        if (dialog.exec() != QDialog::Accepted)
            outcome.status = PrintOutcome::Status::Cancelled;
    }
    // A file chosen in the dialog is no printer: the remembered one stays.
    outcome.printerName =
        printer.outputFormat() == QPrinter::PdfFormat ? rememberedPrinter : printer.printerName();
    if (outcome.status != PrintOutcome::Status::Printed)
        return outcome;

    const QString name = BookletPrinting::deviceName(printer);
    if (!printer.isValid())
        return failure(QStringLiteral("Impossibile usare %1").arg(name));
    // The dialog puts back the chosen printer's own default paper: the page is set up again,
    // keeping the copies, pages and duplex chosen there.
    if (const QString error = BookletPrinting::setUpPage(printer, layout); !error.isEmpty())
        return failure(error);
    const PageSelection::Choice pages = PageSelection::takeChosenPages(printer, pageCount);
    if (!pages.error.isEmpty())
        return failure(pages.error);
    if (const QString error = BookletPrinting::printPages(report, printer, name, pages.pages);
        !error.isEmpty())
        return failure(error);
    return outcome;
}
} // namespace

PrintOutcome printBooklet(const PrintInput &input, const Settings &settings,
                          const RememberedValues &remembered, const QString &folder,
                          const PrintTarget &target, QWidget *dialogParent)
{
    if (const InputCheck check = checkPrintInput(input); !check.ok())
        return failure(check.message);

    const BookletPages::Layout layout = BookletPages::chooseLayout(settings);
    TabellaPagine table;
    const PreparedReport prepared = prepareReport(input, settings, layout, table);
    if (!prepared.error.isEmpty())
        return failure(prepared.error);

    PrintOutcome outcome;
    if (target.kind == PrintTarget::Kind::Pdf) {
        outcome = printToPdf(*prepared.report, layout, input, target.name);
        // A PDF file is no printer: the remembered one stays as it was.
        outcome.printerName = remembered.stampante;
    } else {
        outcome = printToPrinter(*prepared.report, layout, input, target, remembered.stampante,
                                 dialogParent);
    }
    if (outcome.status == PrintOutcome::Status::Failed)
        return outcome;

    const RememberedValues current{input.targa, input.istruttore, outcome.printerName};
    if (current != remembered) {
        if (const TextLines::WriteResult written = RememberedValues::write(folder, current);
            !written.ok) {
            if (outcome.status != PrintOutcome::Status::Printed)
                return failure(written.error);
            outcome.status = PrintOutcome::Status::PrintedNotRemembered;
            outcome.error =
                QStringLiteral("Il libretto è stato stampato, ma targa, istruttore e stampante "
                               "non sono stati salvati per la prossima volta.\n%1")
                    .arg(written.error);
        }
    }
    prepared.report->setDataSource(nullptr);
    table.close();
    return outcome;
}

} // namespace Tavo
