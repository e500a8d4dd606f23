#include "print/print_command.h"

#include "core/province_table.h"
#include "print/booklet_labels.h"
#include "print/booklet_pages.h"
#include "print/booklet_printing.h"
#include "print/pdf_output_file.h"
#include "print/print_units.h"
#include "print/tabella_pagine.h"
#include "reports/report_layout.h"

#include <QPrintDialog>
#include <QPrinter>

#include <optional>

namespace Tavo {

namespace {
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
    const BookletLabels::LearnerTexts learner{
        input, NomeProvincia(QStringView(input.aut).mid(2, 2)), *pageCount};
    prepared.error = BookletLabels::fill(*prepared.report, layout, settings, learner);
    prepared.report->setLeftMargin(*left);
    prepared.report->setTopMargin(*top);
    prepared.report->setDataSource(&table);
    return prepared;
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

    // The temporary PDF must outlive the printer that writes it, hence declared first.
    std::optional<PdfOutputFile> pdf;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Libretto %1").arg(input.nome.trimmed()));
    switch (target.kind) {
    case PrintTarget::Kind::Pdf:
        // Never setPrinterName here: an empty name would be taken as "print to PDF" anyway,
        // and a queue name would switch away from the file.
        pdf.emplace(target.name);
        if (const QString error = pdf->reserve(); !error.isEmpty())
            return failure(error);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf->temporaryPath());
        break;
    case PrintTarget::Kind::Printer:
        // An unknown name is ignored by QPrinter, so the name is read back.
        if (!target.name.isEmpty())
            printer.setPrinterName(target.name);
        if (target.name.isEmpty() || printer.printerName() != target.name)
            return failure(QStringLiteral("Stampante sconosciuta: %1").arg(target.name));
        break;
    case PrintTarget::Kind::Dialog:
        if (!remembered.stampante.isEmpty())
            printer.setPrinterName(remembered.stampante);
        break;
    }
    BookletPrinting::setUpPage(printer, layout);

    PrintOutcome outcome;
    outcome.status = PrintOutcome::Status::Printed;
    if (target.kind == PrintTarget::Kind::Dialog) {
        QPrintDialog dialog(&printer, dialogParent);
        if (dialog.exec() != QDialog::Accepted)
            outcome.status = PrintOutcome::Status::Cancelled;
    }
    if (outcome.status == PrintOutcome::Status::Printed) {
        if (const QString error = BookletPrinting::printPages(*prepared.report, printer);
            !error.isEmpty())
            return failure(error);
        if (pdf) {
            if (const QString error = pdf->commit(); !error.isEmpty())
                return failure(error);
        }
    }

    // A PDF file is no printer: the remembered one stays as it was.
    outcome.printerName = pdf ? remembered.stampante : printer.printerName();
    const RememberedValues current{input.targa, input.istruttore, outcome.printerName};
    if (current != remembered) {
        if (const TextLines::WriteResult written = RememberedValues::write(folder, current);
            !written.ok)
            return failure(written.error);
    }
    prepared.report->setDataSource(nullptr);
    table.close();
    return outcome;
}

} // namespace Tavo
