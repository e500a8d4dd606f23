#include "widgets/styled_button/drawing/caption_text.h"

#include "widgets/styled_button/drawing/color_math.h"
#include "widgets/styled_button/drawing/pixel_canvas.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace Tavo::ButtonDrawing {

namespace {

// A device at the button's resolution (96 dots per inch), for measuring.
const QImage &measuringDevice()
{
    static const QImage device(1, 1, QImage::Format_RGB32);
    return device;
}

} // namespace

CaptionText::CaptionText(const QString &text, const QFont &font) : m_text(text), m_font(font)
{
    m_font.setStyleStrategy(QFont::NoAntialias);
}

int CaptionText::advance(const QString &text) const
{
    return QFontMetrics(m_font, &measuringDevice()).horizontalAdvance(text);
}

// Removes the "&" marks, then breaks each paragraph at spaces so that every line fits the
// width; a word wider than the width stands alone on its line. The spaces at a break are
// dropped.
QList<CaptionText::Line> CaptionText::wrap(int width) const
{
    QString shown;
    QList<int> underlined; // positions in shown
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        const QChar c = m_text.at(i);
        if (c == u'\r')
            continue;
        if (c == u'&') {
            if (++i >= m_text.size())
                break;
            if (m_text.at(i) != u'&')
                underlined.append(int(shown.size()));
            shown += m_text.at(i);
            continue;
        }
        shown += c;
    }

    QList<Line> lines;
    if (shown.isEmpty())
        return lines;
    const auto addLine = [&](qsizetype from, qsizetype to) {
        Line line{shown.mid(from, to - from), -1};
        for (int position : underlined) {
            if (position >= from && position < to)
                line.underline = int(position - from);
        }
        lines.append(line);
    };
    qsizetype start = 0;
    while (start <= shown.size()) {
        qsizetype end = shown.indexOf(u'\n', start);
        if (end < 0)
            end = shown.size();
        // Greedy filling of the paragraph shown[start, end).
        qsizetype lineStart = start;
        qsizetype pos = start;
        qsizetype lastFit = -1; // end of the last word that fits on the current line
        while (pos < end) {
            qsizetype wordEnd = pos;
            while (wordEnd < end && shown.at(wordEnd) == u' ')
                ++wordEnd;
            while (wordEnd < end && shown.at(wordEnd) != u' ')
                ++wordEnd;
            const bool fits = advance(shown.mid(lineStart, wordEnd - lineStart)) <= width;
            if (!fits && lastFit > lineStart) {
                addLine(lineStart, lastFit);
                lineStart = lastFit;
                while (lineStart < end && shown.at(lineStart) == u' ')
                    ++lineStart;
                lastFit = -1;
                pos = lineStart;
                continue;
            }
            lastFit = wordEnd;
            pos = wordEnd;
        }
        addLine(lineStart, end);
        start = end + 1;
    }
    return lines;
}

QStringList CaptionText::lines(int width) const
{
    QStringList result;
    for (const Line &line : wrap(width))
        result.append(line.text);
    return result;
}

QRect CaptionText::measure(const QRect &rect) const
{
    const QList<Line> wrapped = wrap(rect.width());
    int widest = 0;
    for (const Line &line : wrapped)
        widest = std::max(widest, advance(line.text));
    const int lineHeight = QFontMetrics(m_font, &measuringDevice()).height();
    return QRect(rect.left(), rect.top(), widest, int(wrapped.size()) * lineHeight);
}

void CaptionText::draw(QImage &image, const QRect &rect, OleColor colour) const
{
    const QList<Line> wrapped = wrap(rect.width());
    if (wrapped.isEmpty())
        return;
    const QFontMetrics metrics(m_font, &measuringDevice());
    struct Underline
    {
        int x, y, width;
    };
    QList<Underline> underlines;
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(m_font);
        painter.setPen(QColor::fromRgb(toQRgb(colour)));
        int top = rect.top();
        for (const Line &line : wrapped) {
            // Centred with a truncating division, as the Windows text call does.
            const int x = rect.left() + (rect.width() - advance(line.text)) / 2;
            painter.drawText(QPoint(x, top + metrics.ascent()), line.text);
            if (line.underline >= 0) {
                underlines.append({x + advance(line.text.left(line.underline)),
                                   top + metrics.ascent() + metrics.underlinePos(),
                                   advance(line.text.mid(line.underline, 1))});
            }
            top += metrics.height();
        }
    }
    PixelCanvas canvas(image);
    for (const Underline &u : underlines)
        canvas.DrawRect(u.x, u.y, u.width, std::max(1, metrics.lineWidth()), colour, false);
}

} // namespace Tavo::ButtonDrawing
