#pragma once

#include <QList>
#include <QPageRanges>
#include <QPrinter>
#include <QString>

// The booklet's printed pages that the printer dialog asked for: an operator reprints a jammed
// sheet by choosing its page. Pages count as the dialog numbers them, from 1 to the booklet's
// page count (the cover sheet is page 1).
namespace Tavo::PageSelection {

struct Choice
{
    QList<int> pages; // 0-based indexes of the pages to print, ascending; empty means all
    QString error;    // Italian message when nothing can be printed
};

// The pages of a booklet of `pageCount` printed pages that a print range asks for. A range
// that names no page of the booklet is an error, and so is "current page", which some Windows
// dialogs return for a single page without saying which one.
Choice chosenPages(QPrinter::PrintRange range, const QPageRanges &ranges, int pageCount);

// The pages the printer's dialog settings ask for. On CUPS printers the dialog's "Pagine" box
// also asks the print server to pick those pages from the job; since only the chosen pages are
// sent, that request is taken back, so that the server does not pick again among them.
Choice takeChosenPages(QPrinter &printer, int pageCount);

} // namespace Tavo::PageSelection
