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

TextBoxLines layTextBox(const QString &text, const QFont &font, const QPaintDevice &device,
                        QSizeF size, ReportControl::HAlign hAlign, ReportControl::VAlign vAlign)
{
    TextBoxLines laid;
    const QFontMetricsF metrics(font, const_cast<QPaintDevice *>(&device));
    laid.lines = wrapText(text, metrics, size.width());
    if (laid.lines.isEmpty())
        return laid;

    const qreal lineHeight = metrics.lineSpacing();
    const qreal blockHeight = laid.lines.size() * lineHeight - metrics.leading();
    qreal y = 0;
    if (vAlign == ReportControl::VAlign::Middle)
        y += (size.height() - blockHeight) / 2;
    else if (vAlign == ReportControl::VAlign::Bottom)
        y += size.height() - blockHeight;
    for (const QString &line : std::as_const(laid.lines)) {
        const qreal lineWidth = metrics.horizontalAdvance(line);
        qreal x = 0;
        if (hAlign == ReportControl::HAlign::Right)
            x += size.width() - lineWidth;
        else if (hAlign == ReportControl::HAlign::Center)
            x += (size.width() - lineWidth) / 2;
        laid.baselines.append(QPointF(x, y + metrics.ascent()));
        y += lineHeight;
    }
    return laid;
}

const TextBoxLines &TextBoxLayoutCache::lines(const QString &text, const QFont &font,
                                              const QPaintDevice &device, QSizeF size,
                                              ReportControl::HAlign hAlign,
                                              ReportControl::VAlign vAlign)
{
    // Everything the layout depends on: text, font, box, alignment and the device's resolution.
    const QString key = QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
                            .arg(font.key())
                            .arg(size.width(), 0, 'g', 17)
                            .arg(size.height(), 0, 'g', 17)
                            .arg(device.logicalDpiX())
                            .arg(device.logicalDpiY())
                            .arg(int(hAlign))
                            .arg(int(vAlign))
                            .arg(text);
    auto found = m_boxes.constFind(key);
    if (found == m_boxes.constEnd())
        found = m_boxes.insert(key, layTextBox(text, font, device, size, hAlign, vAlign));
    return *found;
}

void paintTextBox(QPainter &painter, const QRectF &box, const QString &text, const QFont &font,
                  ReportControl::HAlign hAlign, ReportControl::VAlign vAlign,
                  TextBoxLayoutCache *cache)
{
    if (!painter.device())
        return;
    const TextBoxLines laid =
        cache ? cache->lines(text, font, *painter.device(), box.size(), hAlign, vAlign)
              : layTextBox(text, font, *painter.device(), box.size(), hAlign, vAlign);
    if (laid.lines.isEmpty())
        return;

    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (qsizetype i = 0; i < laid.lines.size(); ++i) {
        // drawText at a point prints the string as it is: no mnemonic, no reflow.
        painter.drawText(box.topLeft() + laid.baselines.at(i), laid.lines.at(i));
    }
    painter.restore();
}

} // namespace Tavo::Reports
