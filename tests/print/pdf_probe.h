#pragma once

#include <QPointF>
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

// The top-left corner (points from the sheet's top-left) of the first word equal to `word` on
// page `page` (1-based), from pdftotext -bbox; (-1, -1) when there is no such word.
QPointF wordPosition(const QString &pdf, int page, const QString &word);

} // namespace PdfProbe
