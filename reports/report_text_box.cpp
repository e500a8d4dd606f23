#include "reports/report_text_box.h"

#include <QPainter>

namespace Tavo::Reports {

namespace {

// Splits a word wider than the box into pieces that fit, at least one character each.
QStringList breakWord(const QString &word, const QFontMetricsF &metrics, qreal width)
{
    QStringList pieces;
    QString piece;
    for (const QChar character : word) {
        if (!piece.isEmpty() && metrics.horizontalAdvance(piece + character) > width) {
            pieces.append(piece);
            piece.clear();
        }
        piece += character;
    }
    if (!piece.isEmpty())
        pieces.append(piece);
    return pieces;
}

// Wraps one paragraph. Blanks between words on the same line are kept as typed ("A     G");
// the blanks at a wrap point are dropped, as are blanks at the end of the paragraph.
void wrapParagraph(const QString &paragraph, const QFontMetricsF &metrics, qreal width,
                   QStringList &lines)
{
    const qsizetype size = paragraph.size();
    const auto blank = [&](qsizetype i) {
        return paragraph.at(i) == QLatin1Char(' ');
    };
    QString line;
    qsizetype i = 0;
    while (i < size) {
        const qsizetype blanksStart = i;
        while (i < size && blank(i))
            ++i;
        const qsizetype wordStart = i;
        while (i < size && !blank(i))
            ++i;
        if (wordStart == i)
            break;
        const QString word = paragraph.mid(wordStart, i - wordStart);
        const QString candidate = line + paragraph.mid(blanksStart, wordStart - blanksStart) + word;
        if (metrics.horizontalAdvance(candidate) <= width) {
            line = candidate;
            continue;
        }
        if (!line.isEmpty())
            lines.append(line);
        if (metrics.horizontalAdvance(word) <= width) {
            line = word;
            continue;
        }
        QStringList pieces = breakWord(word, metrics, width);
        line = pieces.takeLast();
        lines.append(pieces);
    }
    lines.append(line);
}

} // namespace

QStringList wrapText(const QString &text, const QFontMetricsF &metrics, qreal width)
{
    QStringList lines;
    if (text.trimmed().isEmpty())
        return lines;
    QString normalized = text;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (const QString &paragraph : normalized.split(QLatin1Char('\n')))
        wrapParagraph(paragraph, metrics, width, lines);
    return lines;
}

void paintTextBox(QPainter &painter, const QRectF &box, const QString &text, const QFont &font,
                  ReportControl::HAlign hAlign, ReportControl::VAlign vAlign)
{
    const QFontMetricsF metrics(font, painter.device());
    const QStringList lines = wrapText(text, metrics, box.width());
    if (lines.isEmpty())
        return;

    const qreal lineHeight = metrics.lineSpacing();
    const qreal blockHeight = lines.size() * lineHeight - metrics.leading();
    qreal y = box.top();
    if (vAlign == ReportControl::VAlign::Middle)
        y += (box.height() - blockHeight) / 2;
    else if (vAlign == ReportControl::VAlign::Bottom)
        y += box.height() - blockHeight;

    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const QString &line : lines) {
        const qreal lineWidth = metrics.horizontalAdvance(line);
        qreal x = box.left();
        if (hAlign == ReportControl::HAlign::Right)
            x += box.width() - lineWidth;
        else if (hAlign == ReportControl::HAlign::Center)
            x += (box.width() - lineWidth) / 2;
        // drawText at a point prints the string as it is: no mnemonic, no reflow.
        painter.drawText(QPointF(x, y + metrics.ascent()), line);
        y += lineHeight;
    }
    painter.restore();
}

} // namespace Tavo::Reports
