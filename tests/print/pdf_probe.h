#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>

// What poppler-utils read from a PDF file, for tests that check the printed booklet itself.
namespace PdfProbe {

struct Info
{
    int pages = -1;
    QSizeF pageSize; // of the first page, in points
    QString error;   // set when pdfinfo could not run or read the file
};

Info info(const QString &pdf);

// The text of the whole file (pdftotext -layout); empty when it could not be read.
QString text(const QString &pdf);

// The left edge (points) of the first word equal to `word` on page `page` (1-based), from
// pdftotext -bbox; a negative value when there is no such word.
double wordLeft(const QString &pdf, int page, const QString &word);

} // namespace PdfProbe
