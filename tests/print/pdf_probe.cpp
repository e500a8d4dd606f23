#include "pdf_probe.h"

#include <QProcess>
#include <QRegularExpression>

namespace PdfProbe {

namespace {
QString run(const QString &program, const QStringList &arguments, QString *error = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        if (error)
            *error = program + QStringLiteral(": ") + process.errorString() +
                     QString::fromLocal8Bit(process.readAllStandardError());
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

Info info(const QString &pdf)
{
    Info result;
    const QString out = run(QStringLiteral("pdfinfo"), {pdf}, &result.error);
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                                             QRegularExpression::MultilineOption)
                                              .match(out);
    if (pages.hasMatch())
        result.pages = pages.captured(1).toInt();
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                           QRegularExpression::MultilineOption)
            .match(out);
    if (size.hasMatch())
        result.pageSize = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    return result;
}

QString text(const QString &pdf)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

QPointF wordPosition(const QString &pdf, int page, const QString &word)
{
    const QString page1 = QString::number(page);
    const QString html =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), page1,
                                          QStringLiteral("-l"), page1, pdf, QStringLiteral("-")});
    const QRegularExpression re(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(3) == word)
            return QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return QPointF(-1, -1);
}

} // namespace PdfProbe
