#pragma once

#include "../raw_files.h"

#include <QDir>
#include <QPointF>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>

using namespace Qt::StringLiterals;

// What poppler-utils read from a PDF file, for tests that check the printed booklet itself.
namespace PdfProbe {

inline QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct Info
{
    int pages = -1;
    QSizeF pageSize; // of the first page, in points
};

inline Info info(const QString &pdf)
{
    const QString out = run(u"pdfinfo"_s, {pdf});
    const QRegularExpression re(u"Pages:\\s+(\\d+)[\\s\\S]*Page size:\\s+([\\d.]+) x ([\\d.]+)"_s);
    const QRegularExpressionMatch m = re.match(out);
    return m.hasMatch()
               ? Info{m.captured(1).toInt(), {m.captured(2).toDouble(), m.captured(3).toDouble()}}
               : Info{};
}

inline QString text(const QString &pdf)
{
    return run(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
}

// The top-left corner (points from the sheet's corner) of the first word `word` on page
// `page`, from pdftotext -bbox; (-1, -1) when there is none.
inline QPointF wordPosition(const QString &pdf, int page, const QString &word)
{
    const QString p = QString::number(page);
    const QRegularExpression re(u"<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>"_s +
                                QRegularExpression::escape(word) + u"</word>"_s);
    const QRegularExpressionMatch m =
        re.match(run(u"pdftotext"_s, {u"-bbox"_s, u"-f"_s, p, u"-l"_s, p, pdf, u"-"_s}));
    return m.hasMatch() ? QPointF(m.captured(1).toDouble(), m.captured(2).toDouble())
                        : QPointF(-1, -1);
}

} // namespace PdfProbe
