#pragma once

#include "../raw_files.h"

#include <QFile>
#include <QPointF>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>

using namespace Qt::StringLiterals;

// What poppler-utils read from a PDF file, for tests that check the printed booklet itself.
namespace PdfProbe {

// The standard output of program; empty, with *error set, when it fails.
inline QString run(const QString &program, const QStringList &arguments, QString *error = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0)
        return QString::fromUtf8(process.readAllStandardOutput());
    if (error)
        *error = program + u": "_s + process.errorString() +
                 QString::fromLocal8Bit(process.readAllStandardError());
    return {};
}

struct Info
{
    int pages = -1;
    QSizeF pageSize; // of the first page, in points
    QString error;   // set when pdfinfo could not run or read the file
};

inline Info info(const QString &pdf)
{
    Info result;
    const QString out = run(u"pdfinfo"_s, {pdf}, &result.error);
    const auto match = [&](const char *pattern) {
        return QRegularExpression(QLatin1String(pattern), QRegularExpression::MultilineOption)
            .match(out);
    };
    if (const auto pages = match("^Pages:\\s+(\\d+)$"); pages.hasMatch())
        result.pages = pages.captured(1).toInt();
    if (const auto size = match("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"); size.hasMatch())
        result.pageSize = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    return result;
}

// The text of the whole file (pdftotext -layout); empty when it could not be read.
inline QString text(const QString &pdf)
{
    return run(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
}

// The top-left corner (points from the sheet's top-left) of the first word equal to `word` on
// page `page` (1-based), from pdftotext -bbox; (-1, -1) when there is no such word.
inline QPointF wordPosition(const QString &pdf, int page, const QString &word)
{
    const QString p = QString::number(page);
    const QString html = run(u"pdftotext"_s, {u"-bbox"_s, u"-f"_s, p, u"-l"_s, p, pdf, u"-"_s});
    const QRegularExpression re(
        u"<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>"_s);
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(3) == word)
            return QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return QPointF(-1, -1);
}

} // namespace PdfProbe
