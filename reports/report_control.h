#pragma once

#include "reports/report_font.h"

#include <QPoint>
#include <QRect>
#include <QString>

namespace Tavo::Reports {

// One control of a report section, as data. Geometry is in twips, relative to the left edge of
// the printable area and to the top of the section. A Line keeps its two end points; every
// other kind keeps a box (left, top, width, height).
class ReportControl
{
public:
    enum class Kind
    {
        Label,
        Field,
        Shape,
        Line,
        PageBreak,
        DataControl
    };
    enum class HAlign
    {
        Left,
        Right,
        Center
    };
    enum class VAlign
    {
        Top,
        Middle,
        Bottom
    };
    enum class ShapeKind
    {
        Rectangle,
        Ellipse
    };
    enum class LineStyle
    {
        Solid,
        Dashed
    };
    // What a text too long for its box does. A fixed text prints the whole lines that fit at
    // its size; a shrinking one first prints smaller (see layFittedTextBox).
    enum class TextFit
    {
        Fixed,
        Shrink
    };

    // A text; the print command may replace it at run time.
    static ReportControl label(const QString &name, const QRect &box, const QString &text,
                               const ReportFont &font, HAlign hAlign, VAlign vAlign);
    // A text bound to the data field `dataField` of the current row; with an empty
    // `dataField` it prints `designText`.
    static ReportControl field(const QString &name, const QRect &box, const QString &dataField,
                               const QString &designText, const ReportFont &font, HAlign hAlign,
                               VAlign vAlign);
    static ReportControl shape(const QString &name, const QRect &box, ShapeKind shapeKind);
    static ReportControl line(const QString &name, const QPoint &from, const QPoint &to,
                              LineStyle style);
    // Starts a new page at `top` within its section.
    static ReportControl pageBreak(const QString &name, int top);
    // The slot of the data source; never printed.
    static ReportControl dataControl(const QString &name, const QRect &box);

    Kind kind() const { return m_kind; }
    const QString &name() const { return m_name; }
    bool isText() const { return m_kind == Kind::Label || m_kind == Kind::Field; }

    // Box of Label, Field, Shape, DataControl, and of a PageBreak (width and height 0).
    // For a Line: the rectangle spanned by its end points.
    QRect box() const;
    // The topmost twip the control occupies in its section: what decides its page.
    int top() const;
    QPoint lineStart() const { return m_from; }
    QPoint lineEnd() const { return m_to; }

    // Design text, or the text the print command set.
    const QString &text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    TextFit textFit() const { return m_textFit; }
    void setTextFit(TextFit fit) { m_textFit = fit; }
    // Bound data field of a Field; empty when unbound.
    const QString &dataField() const { return m_dataField; }

    const ReportFont &font() const { return m_font; }
    HAlign hAlign() const { return m_hAlign; }
    VAlign vAlign() const { return m_vAlign; }
    ShapeKind shapeKind() const { return m_shapeKind; }
    LineStyle lineStyle() const { return m_lineStyle; }

    // Copies for building one layout from another.
    ReportControl renamed(const QString &name) const;
    ReportControl movedRight(int twips) const;
    // For a Line, `box` gives the new end points (left, top) and (left + width, top + height).
    ReportControl withBox(const QRect &box) const;
    ReportControl boundTo(const QString &dataField, const QString &designText) const;

private:
    ReportControl(Kind kind, const QString &name);

    Kind m_kind;
    QString m_name;
    QRect m_box;
    QPoint m_from;
    QPoint m_to;
    QString m_text;
    QString m_dataField;
    ReportFont m_font;
    HAlign m_hAlign = HAlign::Left;
    VAlign m_vAlign = VAlign::Top;
    ShapeKind m_shapeKind = ShapeKind::Rectangle;
    LineStyle m_lineStyle = LineStyle::Solid;
    TextFit m_textFit = TextFit::Fixed;
};

} // namespace Tavo::Reports
