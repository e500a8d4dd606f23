#include "reports/report_text_box.h"

#include <QPainter>
#include <QTextBoundaryFinder>
#include <QTextLayout>

namespace Tavo::Reports {

namespace {

// The text without the blanks at its end, which never print.
QStringView withoutTrailingBlanks(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.first(end);
}

// Splits a word wider than the box into pieces that fit, at least one character each. A
// character is what the reader sees as one (a letter with its accents, an emoji of two UTF-16
// units), never cut in two. The characters' advances are summed, so a long word costs one
// measure per character.
QStringList breakWord(const QString &word, const QFontMetricsF &metrics, qreal width)
{
    QStringList pieces;
    QString piece;
    qreal pieceWidth = 0;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, word);
    qsizetype start = 0;
    for (qsizetype end = characters.toNextBoundary(); end > start;
         start = end, end = characters.toNextBoundary()) {
        const QStringView character = QStringView(word).mid(start, end - start);
        const qreal advance = metrics.horizontalAdvance(character.toString());
        if (!piece.isEmpty() && pieceWidth + advance > width) {
            pieces.append(piece);
            piece.clear();
            pieceWidth = 0;
        }
        piece += character;
        pieceWidth += advance;
    }
    if (!piece.isEmpty())
        pieces.append(piece);
    return pieces;
}

// Wraps one paragraph. Blanks between words on the same line are kept as typed ("A     G");
// the blanks at a wrap point are dropped, as are blanks at the end of the paragraph. Without
// kerning, a line is as wide as its pieces together, so each word is measured once, with the
// blanks before it. Sets brokeWord when a word had to be broken inside.
void wrapParagraph(QStringView paragraph, const QFontMetricsF &metrics, qreal width,
                   QStringList &lines, bool &brokeWord)
{
    // Most texts fit their box: one measure settles it.
    if (const QString whole = withoutTrailingBlanks(paragraph).toString();
        metrics.horizontalAdvance(whole) <= width) {
        lines.append(whole);
        return;
    }
    const qsizetype size = paragraph.size();
    const auto blank = [&](qsizetype i) {
        return paragraph.at(i) == QLatin1Char(' ');
    };
    QString line;
    qreal lineWidth = 0;
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
        const QStringView spacedWord = paragraph.mid(blanksStart, i - blanksStart);
        const qreal spacedWidth = metrics.horizontalAdvance(spacedWord.toString());
        if (lineWidth + spacedWidth <= width) {
            line += spacedWord;
            lineWidth += spacedWidth;
            continue;
        }
        if (!line.isEmpty())
            lines.append(line);
        const QString word = paragraph.mid(wordStart, i - wordStart).toString();
        const qreal wordWidth = metrics.horizontalAdvance(word);
        if (wordWidth <= width) {
            line = word;
            lineWidth = wordWidth;
            continue;
        }
        QStringList pieces = breakWord(word, metrics, width);
        brokeWord = brokeWord || pieces.size() > 1;
        line = pieces.takeLast();
        lineWidth = metrics.horizontalAdvance(line);
        lines.append(pieces);
    }
    lines.append(line);
}

void moveGlyphs(QList<QGlyphRun> &runs, QPointF offset)
{
    for (QGlyphRun &run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF &position : positions)
            position += offset;
        run.setPositions(positions);
    }
}

// One line shaped once: its glyphs, placed from the start of its baseline, and its width.
struct ShapedLine
{
    QList<QGlyphRun> glyphs;
    qreal width = 0;
};

ShapedLine shapeLine(const QString &line, const QFont &font, QPaintDevice *device)
{
    ShapedLine shaped;
    QTextLayout layout(line, font, device);
    layout.beginLayout();
    QTextLine textLine = layout.createLine();
    if (textLine.isValid())
        textLine.setNumColumns(line.size());
    layout.endLayout();
    if (!textLine.isValid())
        return shaped;
    shaped.width = textLine.naturalTextWidth();
    shaped.glyphs = layout.glyphRuns();
    moveGlyphs(shaped.glyphs, QPointF(0, -textLine.ascent()));
    return shaped;
}

} // namespace

QStringList wrapText(const QString &text, const QFontMetricsF &metrics, qreal width,
                     bool *brokeWord)
{
    QStringList lines;
    if (text.trimmed().isEmpty())
        return lines;
    QString normalized = text;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    bool broken = false;
    for (const QStringView paragraph : QStringView(normalized).split(QLatin1Char('\n')))
        wrapParagraph(paragraph, metrics, width, lines, broken);
    if (brokeWord)
        *brokeWord = broken;
    return lines;
}

TextBoxLines layTextBox(const QString &text, const QFont &font, const QPaintDevice &device,
                        QSizeF size, ReportControl::HAlign hAlign, ReportControl::VAlign vAlign)
{
    TextBoxLines laid;
    if (text.trimmed().isEmpty())
        return laid;
    QPaintDevice *paintDevice = const_cast<QPaintDevice *>(&device);
    // A font made for the device is resolved once, not again by each measure and line.
    const QFont deviceFont(font, paintDevice);
    const QFontMetricsF metrics(deviceFont, paintDevice);

    // Most texts are a single line that fits its box: shaped once, measured by that shaping.
    QList<ShapedLine> shaped;
    if (!text.contains(QLatin1Char('\n'))) {
        const QString line = withoutTrailingBlanks(text).toString();
        ShapedLine whole = shapeLine(line, deviceFont, paintDevice);
        if (whole.width <= size.width()) {
            laid.lines = {line};
            shaped = {whole};
        }
    }
    bool brokeWord = false;
    if (laid.lines.isEmpty())
        laid.lines = wrapText(text, metrics, size.width(), &brokeWord);

    // A block of n lines is n line spacings high, less the leading under the last line.
    const qreal lineHeight = metrics.lineSpacing();
    const auto blockHeight = [&](qsizetype n) {
        return n * lineHeight - metrics.leading();
    };
    qsizetype fitting = 1;
    while (fitting < laid.lines.size() && blockHeight(fitting + 1) <= size.height())
        ++fitting;
    laid.whole = !brokeWord && fitting == laid.lines.size();
    laid.lines.resize(fitting);
    laid.clipped = blockHeight(fitting) > size.height();
    for (qsizetype i = shaped.size(); i < fitting; ++i)
        shaped.append(shapeLine(laid.lines.at(i), deviceFont, paintDevice));

    qreal y = 0;
    if (vAlign == ReportControl::VAlign::Middle)
        y += (size.height() - blockHeight(fitting)) / 2;
    else if (vAlign == ReportControl::VAlign::Bottom)
        y += size.height() - blockHeight(fitting);
    for (ShapedLine &line : shaped) {
        laid.whole = laid.whole && line.width <= size.width();
        laid.clipped = laid.clipped || line.width > size.width();
        qreal x = 0;
        if (hAlign == ReportControl::HAlign::Right)
            x += size.width() - line.width;
        else if (hAlign == ReportControl::HAlign::Center)
            x += (size.width() - line.width) / 2;
        const QPointF baseline(x, y + metrics.ascent());
        laid.baselines.append(baseline);
        moveGlyphs(line.glyphs, baseline);
        laid.glyphs.append(line.glyphs);
        y += lineHeight;
    }
    return laid;
}

TextBoxLines layFittedTextBox(const QString &text, const ReportFont &font,
                              const QPaintDevice &device, QSizeF size, ReportControl::HAlign hAlign,
                              ReportControl::VAlign vAlign, ReportControl::TextFit fit)
{
    TextBoxLines laid = layTextBox(text, font.toQFont(), device, size, hAlign, vAlign);
    if (fit == ReportControl::TextFit::Fixed || laid.whole)
        return laid;
    ReportFont smaller = font;
    for (int step = 1; font.pointSize - step * 0.5 >= font.pointSize * 0.6; ++step) {
        smaller.pointSize = font.pointSize - step * 0.5;
        laid = layTextBox(text, smaller.toQFont(), device, size, hAlign, vAlign);
        if (laid.whole)
            break;
    }
    return laid;
}

const TextBoxLines &TextBoxLayoutCache::lines(const QString &text, const ReportFont &font,
                                              const QPaintDevice &device, QSizeF size,
                                              ReportControl::HAlign hAlign,
                                              ReportControl::VAlign vAlign,
                                              ReportControl::TextFit fit)
{
    Key key{text, font, size, device.logicalDpiX(), device.logicalDpiY(), hAlign, vAlign, fit};
    auto found = m_boxes.constFind(key);
    if (found == m_boxes.constEnd())
        found =
            m_boxes.insert(key, layFittedTextBox(text, font, device, size, hAlign, vAlign, fit));
    return *found;
}

size_t qHash(const TextBoxLayoutCache::Key &key, size_t seed)
{
    return qHashMulti(seed, key.text, key.font.family, key.font.pointSize, key.font.bold,
                      key.font.italic, key.size.width(), key.size.height(), key.dpiX, key.dpiY,
                      int(key.hAlign), int(key.vAlign), int(key.fit));
}

void paintTextBox(QPainter &painter, const QRectF &box, const TextBoxLines &laid)
{
    if (laid.lines.isEmpty())
        return;
    // Only a box that its text overflows needs a clip; a PDF pays for every clip it holds.
    if (laid.clipped) {
        painter.save();
        painter.setClipRect(box, Qt::IntersectClip);
    }
    if (painter.pen().color() != Qt::black || painter.pen().style() != Qt::SolidLine)
        painter.setPen(Qt::black);
    for (const QGlyphRun &run : laid.glyphs)
        painter.drawGlyphRun(box.topLeft(), run);
    if (laid.clipped)
        painter.restore();
}

void paintTextBox(QPainter &painter, const QRectF &box, const QString &text, const QFont &font,
                  ReportControl::HAlign hAlign, ReportControl::VAlign vAlign)
{
    if (!painter.device())
        return;
    paintTextBox(painter, box,
                 layTextBox(text, font, *painter.device(), box.size(), hAlign, vAlign));
}

} // namespace Tavo::Reports
