#pragma once

#include "widgets/styled_button/styled_button.h"

#include <QStringList>

namespace Tavo::Testing {

// A styled button that logs the events it raises and every Redraw call as "<state><F|U>"
// (forced or not), with a "!" when nothing was drawn. Tests connect their own handlers after
// construction, so these run after the logging and may change the arguments.
class RecordingButton : public StyledButton
{
public:
    explicit RecordingButton(QWidget *parent = nullptr, const QString &name = QString())
        : StyledButton(name, parent)
    {
        connect(this, &StyledButton::Click, this, [this] { events << "Click"; });
        connect(this, &StyledButton::MouseOver, this, [this] { events << "MouseOver"; });
        connect(this, &StyledButton::MouseOut, this, [this] { events << "MouseOut"; });
        connect(this, &StyledButton::MouseDown, this,
                [this](short &b, short &s, float &x, float &y) { logMouse("Down", b, s, x, y); });
        connect(this, &StyledButton::MouseMove, this,
                [this](short &b, short &s, float &x, float &y) { logMouse("Move", b, s, x, y); });
        connect(this, &StyledButton::MouseUp, this,
                [this](short &b, short &s, float &x, float &y) { logMouse("Up", b, s, x, y); });
        connect(this, &StyledButton::KeyDown, this, [this](short &code, short &shift) {
            events << QStringLiteral("KeyDown(%1,%2)").arg(code).arg(shift);
        });
        connect(this, &StyledButton::KeyUp, this, [this](short &code, short &shift) {
            events << QStringLiteral("KeyUp(%1,%2)").arg(code).arg(shift);
        });
        connect(this, &StyledButton::KeyPress, this,
                [this](short &ascii) { events << QStringLiteral("KeyPress(%1)").arg(ascii); });
    }

    // The events without MouseMove, whose number depends on how the pointer moved.
    QStringList eventsWithoutMoves() const
    {
        QStringList result = events;
        result.removeIf([](const QString &e) { return e.startsWith("MouseMove"); });
        return result;
    }

    void clearLogs()
    {
        events.clear();
        redraws.clear();
    }

    QStringList events;
    QStringList redraws;

protected:
    bool Redraw(quint8 state, bool force) override
    {
        const bool drew = StyledButton::Redraw(state, force);
        redraws << QStringLiteral("%1%2%3").arg(state).arg(force ? 'F' : 'U').arg(drew ? "" : "!");
        return drew;
    }

private:
    // With the button and shift codes; the position only when it is the origin, which the
    // second press of a double click reports.
    void logMouse(const char *name, short b, short s, float x, float y)
    {
        events << QStringLiteral("Mouse%1(%2,%3)%4")
                      .arg(QLatin1String(name))
                      .arg(b)
                      .arg(s)
                      .arg(x == 0.0f && y == 0.0f ? "@0,0" : "");
    }
};

inline ButtonDrawing::OleColor ole(QColor c)
{
    return ButtonDrawing::OleColor(c.red() | c.green() << 8 | c.blue() << 16);
}

inline StyledButton::PicturePtr picture(QColor colour, int size = 8,
                                        QImage::Format format = QImage::Format_RGB32)
{
    auto p = std::make_shared<ButtonDrawing::ButtonPicture>();
    p->kind = format == QImage::Format_RGB32 ? ButtonDrawing::ButtonPicture::Kind::Bitmap
                                             : ButtonDrawing::ButtonPicture::Kind::Icon;
    p->image = QImage(size, size, format);
    p->image.fill(colour);
    return p;
}

// Every property of a button as "Name=value", to compare whole buttons at once.
inline QStringList propertiesOf(const StyledButton &b)
{
    const auto n = [](auto v) {
        return QString::number(v);
    };
    const auto pic = [&n](const StyledButton::PicturePtr &p) {
        return p ? n(int(p->kind)) + ":" + n(p->image.width()) + "x" + n(p->image.height())
                 : QString("none");
    };
    const QFont f = b.Font();
    QStringList p;
    p << "ButtonType=" + n(b.ButtonType()) << "Caption=" + b.Caption()
      << "AccessKey=" + (b.accessKey().isNull() ? QString() : QString(b.accessKey()))
      << "Enabled=" + n(b.Enabled()) + n(b.isEnabled())
      << "Font=" + f.family() + " " + n(f.pointSizeF())
      << "FontStyle=" + n(f.bold()) + n(f.italic()) + n(f.underline())
      << "ColorScheme=" + n(b.ColorScheme()) << "ShowFocusRect=" + n(b.ShowFocusRect())
      << "BackColor=" + n(b.BackColor()) << "BackOver=" + n(b.BackOver())
      << "ForeColor=" + n(b.ForeColor()) << "ForeOver=" + n(b.ForeOver())
      << "MaskColor=" + n(b.MaskColor()) << "MousePointer=" + n(b.MousePointer())
      << "MouseIcon=" + pic(b.MouseIcon()) << "Cursor=" + n(int(b.cursor().shape()))
      << "HandPointer=" + n(b.HandPointer()) << "SoftBevel=" + n(b.SoftBevel())
      << "PictureNormal=" + pic(b.PictureNormal()) << "PictureWidth=" + n(b.renderer().PictureWidth)
      << "PictureOver=" + pic(b.PictureOver()) << "PicturePosition=" + n(b.PicturePosition())
      << "UseMaskColor=" + n(b.UseMaskColor()) << "UseGreyscale=" + n(b.UseGreyscale())
      << "SpecialEffect=" + n(b.SpecialEffect()) << "CheckBoxBehaviour=" + n(b.CheckBoxBehaviour())
      << "Value=" + n(b.Value());
    return p;
}

inline QStringList words(const QString &text, const QString &separator = " ")
{
    return text.split(separator, Qt::SkipEmptyParts);
}

} // namespace Tavo::Testing
