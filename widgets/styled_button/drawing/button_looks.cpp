// The fourteen looks of the button: for each ButtonType the fixed sequence of primitives drawn
// over the face fill, in the up (hovering or not), down and disabled states. Later steps
// paint over earlier ones, so the order matters.
#include "widgets/styled_button/drawing/button_renderer.h"

#include "widgets/styled_button/drawing/color_math.h"
#include "widgets/styled_button/drawing/pixel_canvas.h"

#include <algorithm>

namespace Tavo::ButtonDrawing {

namespace {

// Fixed colours of the rounded gradient look.
constexpr OleColor kBorderBlue = rgbColor(0, 60, 115);
constexpr OleColor kCornerBlue = rgbColor(16, 77, 123);
// Frame, bottom, top, second top and sides of the hover and focus lines.
constexpr OleColor kHoverLines[5] = {rgbColor(255, 178, 49), rgbColor(231, 150, 0),
                                     rgbColor(255, 243, 206), rgbColor(255, 219, 140),
                                     rgbColor(255, 203, 107)};
constexpr OleColor kFocusLines[5] = {rgbColor(140, 174, 231), rgbColor(107, 130, 239),
                                     rgbColor(206, 231, 255), rgbColor(189, 215, 247),
                                     rgbColor(181, 209, 240)};
constexpr OleColor kCaptionFocusBox = rgbColor(153, 153, 204);

} // namespace

void ButtonRenderer::drawLook(int buttonType, Look look)
{
    switch (buttonType) {
    case FramedBevel:
        return drawFramedBevel(look);
    case Standard3D:
        return drawStandard3D(look);
    case GradientRounded:
        return drawGradientRounded(look);
    case RoundedShaded:
        return drawRoundedShaded(look);
    case ShadedFrame:
        return drawShadedFrame(look);
    case Soft3D:
        return drawSoft3D(look);
    case Thin3D:
        return drawThin3D(look);
    case FlatHover:
        return drawFlatHover(look);
    case HoverSelect:
        return drawHoverSelect(look);
    case SeeThrough:
        return drawSeeThrough(look);
    case Hover3D:
        return drawHover3D(look);
    case Oval:
        return drawOval(look);
    case GradientBanded:
        return drawGradientBanded(look);
    default: // PictureOnly, and types without a look: face and picture only
        return;
    }
}

void ButtonRenderer::drawFramedBevel(Look look)
{
    const ButtonPalette &p = m_palette;
    DrawCaption(look == Look::Up ? hoverMode() : look == Look::Down ? 2 : 3);
    if (look == Look::Down)
        DrawBevel(p.ShadowColor, p.HighlightColor, p.ShadowColor, p.HighlightColor, -1, false);
    else
        DrawBevel(p.HighlightColor, p.ShadowColor, p.HighlightColor, p.ShadowColor, -1, false);
    DrawRect(0, 0, ClientWidth, ClientHeight, p.DarkShadowColor, true);
    if (look != Look::Disabled)
        DrawFocus();
}

void ButtonRenderer::drawStandard3D(Look look)
{
    const ButtonPalette &p = m_palette;
    const int w = ClientWidth;
    const int h = ClientHeight;
    const bool asDefault = m_model->ShowFocusRect && m_model->DisplayAsDefault;
    switch (look) {
    case Look::Up:
        DrawCaption(hoverMode());
        if (asDefault) {
            DrawBevel(p.HighlightColor, p.DarkShadowColor, p.LightColor, p.ShadowColor, -1, false);
            DrawFocus();
            DrawRect(0, 0, w, h, p.DarkShadowColor, true);
        } else {
            DrawBevel(p.HighlightColor, p.DarkShadowColor, p.LightColor, p.ShadowColor, 0, false);
        }
        break;
    case Look::Down:
        DrawCaption(2);
        if (asDefault) {
            DrawRect(0, 0, w, h, p.DarkShadowColor, true);
            DrawRect(1, 1, w - 2, h - 2, p.ShadowColor, true);
            DrawFocus();
        } else {
            DrawBevel(p.DarkShadowColor, p.HighlightColor, p.ShadowColor, p.LightColor, 0, false);
        }
        break;
    case Look::Disabled:
        DrawCaption(3);
        DrawBevel(p.HighlightColor, p.DarkShadowColor, p.LightColor, p.ShadowColor, 0, false);
        break;
    }
}

// For i = 1 to H a full-width line at row i (or H - i upwards) in the colour shifted,
// proportionally, by round(-step * i) with step = span / H.
void ButtonRenderer::drawGradient(OleColor from, int span, bool upwards)
{
    for (int i = 1; i <= ClientHeight; ++i) {
        const int row = upwards ? ClientHeight - i : i;
        DrawLine(0, row, ClientWidth, row, shift(from, gradientShift(span, ClientHeight, i), true));
    }
}

// The six hover or focus lines of the rounded gradient look.
void ButtonRenderer::drawGradientRoundedLines(const OleColor colours[5])
{
    const int w = ClientWidth;
    const int h = ClientHeight;
    DrawRect(1, 2, w - 2, h - 4, colours[0], true);
    DrawLine(2, h - 2, w - 2, h - 2, colours[1]);
    DrawLine(2, 1, w - 2, 1, colours[2]);
    DrawLine(1, 2, w - 1, 2, colours[3]);
    DrawLine(2, 3, 2, h - 3, colours[4]);
    DrawLine(w - 3, 3, w - 3, h - 3, colours[4]);
}

void ButtonRenderer::drawGradientRounded(Look look)
{
    const ButtonPalette &p = m_palette;
    const int w = ClientWidth;
    const int h = ClientHeight;
    const OleColor tint = p.FaceTintColor;
    if (look == Look::Disabled) {
        DrawRect(0, 0, w, h, shift(tint, -24, true), false);
        DrawCaption(5);
        DrawRect(0, 0, w, h, shift(tint, -84, true), true);
        putInnerCorners(shift(tint, -72, true));
        return;
    }
    if (look == Look::Up) {
        drawGradient(tint, 25, false);
        DrawCaption(hoverMode());
        DrawRect(0, 0, w, h, kBorderBlue, true);
        putInnerCorners(kCornerBlue);
        if (m_model->Hovering) {
            drawGradientRoundedLines(kHoverLines);
        } else if (m_model->ShowFocusRect && (m_model->HasFocus || m_model->DisplayAsDefault)) {
            drawGradientRoundedLines(kFocusLines);
        } else {
            DrawLine(2, h - 2, w - 2, h - 2, shift(tint, -48, true));
            DrawLine(1, h - 3, w - 2, h - 3, shift(tint, -32, true));
            DrawLine(w - 2, 2, w - 2, h - 2, shift(tint, -36, true));
            DrawLine(w - 3, 3, w - 3, h - 3, shift(tint, -24, true));
            DrawLine(2, 1, w - 2, 1, shift(tint, 16, true));
            DrawLine(1, 2, w - 2, 2, shift(tint, 10, true));
            DrawLine(1, 2, 1, h - 2, shift(tint, -5, true));
            DrawLine(2, 3, 2, h - 3, shift(tint, -10, true));
        }
        return;
    }
    const OleColor base = shift(tint, -32, true);
    drawGradient(base, 25, true);
    DrawCaption(2);
    DrawRect(0, 0, w, h, kBorderBlue, true);
    putInnerCorners(kCornerBlue);
    DrawLine(2, h - 2, w - 2, h - 2, shift(base, 16, true));
    DrawLine(1, h - 3, w - 2, h - 3, shift(base, 10, true));
    DrawLine(w - 2, 2, w - 2, h - 2, shift(base, 5, true));
    DrawLine(w - 3, 3, w - 3, h - 3, tint);
    DrawLine(2, 1, w - 2, 1, shift(base, -32, true));
    DrawLine(1, 2, w - 2, 2, shift(base, -24, true));
    DrawLine(1, 2, 1, h - 2, shift(base, -32, true));
    DrawLine(2, 2, 2, h - 2, shift(base, -22, true));
}

void ButtonRenderer::drawRoundedShaded(Look look)
{
    ButtonPalette &p = m_palette;
    const int w = ClientWidth;
    const int h = ClientHeight;
    if (look != Look::Down) {
        DrawRect(1, 1, w - 2, h - 2, p.LightColor, false);
        DrawCaption(look == Look::Up ? hoverMode() : 3);
        DrawRect(0, 0, w, h, p.DarkShadowColor, true);
        putInnerCorners(p.DarkShadowColor);
        DrawLine(1, 2, 2, 0, p.FaceColor);
        DrawLine(3, 2, w - 3, 2, p.HighlightColor);
        DrawLine(2, 2, 2, h - 3, p.HighlightColor);
        PutPixel(3, 3, p.HighlightColor);
        DrawLine(w - 3, 1, w - 3, h - 3, p.FaceColor);
        DrawLine(1, h - 3, w - 3, h - 3, p.FaceColor);
        PutPixel(w - 4, h - 4, p.FaceColor);
        DrawLine(w - 2, 2, w - 2, h - 2, p.ShadowColor);
        DrawLine(2, h - 2, w - 2, h - 2, p.ShadowColor);
        PutPixel(w - 3, h - 3, p.ShadowColor);
        return;
    }
    const OleColor shadow16 = shift(p.ShadowColor, -16);
    const OleColor shadow32 = shift(p.ShadowColor, -32);
    const OleColor shadow64 = shift(p.ShadowColor, -64);
    DrawRect(1, 1, w - 2, h - 2, shadow16, false);
    // The caption's effect takes the pressed face as its base.
    p.FaceTintColor = shadow16;
    DrawCaption(2);
    p.FaceTintColor = shift(p.FaceColor, 48);
    DrawRect(0, 0, w, h, p.DarkShadowColor, true);
    DrawRect(1, 1, w - 2, h - 2, shadow64, true);
    DrawRect(2, 2, w - 4, h - 4, shadow32, true);
    PutPixel(2, 2, shadow64);
    PutPixel(3, 3, shadow32);
    putInnerCorners(p.DarkShadowColor);
    DrawLine(w - 3, 1, w - 3, h - 3, p.ShadowColor);
    DrawLine(1, h - 3, w - 2, h - 3, p.ShadowColor);
    PutPixel(w - 4, h - 4, p.ShadowColor);
    DrawLine(w - 2, 3, w - 2, h - 2, shadow16);
    DrawLine(3, h - 2, w - 2, h - 2, shadow16);
    DrawLine(w - 2, h - 3, w - 4, h - 1, shadow32);
    PutPixel(2, h - 2, shadow32);
    PutPixel(w - 2, 2, shadow32);
}

void ButtonRenderer::drawShadedFrame(Look look)
{
    const ButtonPalette &p = m_palette;
    const int w = ClientWidth;
    const int h = ClientHeight;
    const auto captionFocusBox = [&] {
        if (m_model->HasFocus && m_model->ShowFocusRect)
            DrawRect(CaptionRect.left() - 2, CaptionRect.top() - 1, CaptionWidth + 4,
                     CaptionHeight + 2, kCaptionFocusBox, true);
    };
    switch (look) {
    case Look::Up:
        DrawRect(1, 1, w - 1, h - 1, shift(p.FaceColor, 12), false);
        DrawCaption(hoverMode());
        DrawRect(1, 1, w - 1, h - 1, p.HighlightColor, true);
        DrawRect(0, 0, w - 1, h - 1, shift(p.ShadowColor, -26), true);
        PutPixel(1, h - 2, shift(p.ShadowColor, 26));
        PutPixel(w - 2, 1, shift(p.ShadowColor, 26));
        captionFocusBox();
        break;
    case Look::Down:
        DrawRect(1, 1, w - 2, h - 2, shift(p.ShadowColor, 16), false);
        DrawRect(0, 0, w - 1, h - 1, shift(p.ShadowColor, -26), true);
        DrawLine(w - 1, 1, w - 1, h, p.HighlightColor);
        DrawLine(1, h - 1, w - 1, h - 1, p.HighlightColor);
        // Pressed, the caption stays in place and has no effect.
        drawText(CaptionRect, p.TextOverColor);
        captionFocusBox();
        break;
    case Look::Disabled:
        DrawCaption(4);
        DrawRect(0, 0, w, h, p.ShadowColor, true);
        break;
    }
}

void ButtonRenderer::drawSoft3D(Look look)
{
    const ButtonPalette &p = m_palette;
    const OleColor soft = shift(p.LightColor, 8);
    DrawCaption(look == Look::Up ? hoverMode() : look == Look::Down ? 2 : 4);
    if (look == Look::Down)
        DrawBevel(p.ShadowColor, soft, p.ShadowColor, soft, 0, false);
    else
        DrawBevel(soft, p.ShadowColor, soft, p.ShadowColor, 0, false);
    if (look != Look::Disabled)
        DrawFocus();
}

void ButtonRenderer::drawThin3D(Look look)
{
    const ButtonPalette &p = m_palette;
    DrawCaption(look == Look::Up ? hoverMode() : look == Look::Down ? 2 : 3);
    if (look == Look::Down)
        DrawBevel(p.ShadowColor, p.HighlightColor, 0, 0, 0, true);
    else
        DrawBevel(p.HighlightColor, p.ShadowColor, 0, 0, 0, true);
    if (look != Look::Disabled)
        DrawFocus();
}

void ButtonRenderer::drawFlatHover(Look look)
{
    const ButtonPalette &p = m_palette;
    switch (look) {
    case Look::Up:
        DrawCaption(hoverMode());
        if (m_model->Hovering)
            DrawBevel(p.HighlightColor, p.ShadowColor, 0, 0, 0, true);
        DrawFocus();
        break;
    case Look::Down:
        DrawCaption(2);
        DrawBevel(p.ShadowColor, p.HighlightColor, 0, 0, 0, true);
        DrawFocus();
        break;
    case Look::Disabled:
        DrawCaption(3);
        break;
    }
}

void ButtonRenderer::drawHoverSelect(Look look)
{
    const ButtonPalette &p = m_palette;
    const int w = ClientWidth;
    const int h = ClientHeight;
    const bool hovering = m_model->Hovering;
    switch (look) {
    case Look::Up:
        if (hovering)
            DrawRect(1, 1, w, h, p.SelectTintColor, false);
        DrawCaption(hoverMode());
        if (hovering)
            DrawRect(0, 0, w, h, p.SelectColor, true);
        DrawFocus();
        break;
    case Look::Down:
        if (hovering) {
            const OleColor pressed = m_model->ColorScheme == CustomColors
                                         ? shift(p.SelectTintColor, -32)
                                         : TintColor(p.SelectColor, 128);
            DrawRect(0, 0, w, h, pressed, false);
        }
        DrawCaption(2);
        DrawRect(0, 0, w, h, p.SelectColor, true);
        DrawFocus();
        break;
    case Look::Disabled:
        DrawCaption(4);
        break;
    }
}

void ButtonRenderer::drawSeeThrough(Look look)
{
    // What the container shows behind the button covers the face fill.
    const QImage &background = m_model->Background;
    QRgb *const first = reinterpret_cast<QRgb *>(m_target->bits());
    const int w = std::min(ClientWidth, background.width());
    const int h = std::min(ClientHeight, background.height());
    const QImage copy = background.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < h; ++row) {
        const QRgb *from = reinterpret_cast<const QRgb *>(copy.constScanLine(row));
        QRgb *to = first + qsizetype(row) * (m_target->bytesPerLine() / 4);
        std::copy(from, from + w, to);
    }
    DrawCaption(look == Look::Up ? hoverMode() : look == Look::Down ? 2 : 3);
    if (look != Look::Disabled)
        DrawFocus();
}

void ButtonRenderer::drawHover3D(Look look)
{
    const ButtonPalette &p = m_palette;
    switch (look) {
    case Look::Up:
        DrawCaption(hoverMode());
        if (m_model->Hovering)
            DrawBevel(p.HighlightColor, p.DarkShadowColor, p.LightColor, p.ShadowColor, 0, false);
        DrawFocus();
        break;
    case Look::Down:
        DrawCaption(2);
        DrawBevel(p.DarkShadowColor, p.HighlightColor, p.ShadowColor, p.LightColor, 0, false);
        DrawFocus();
        break;
    case Look::Disabled:
        DrawCaption(3);
        break;
    }
}

void ButtonRenderer::drawOval(Look look)
{
    const ButtonPalette &p = m_palette;
    switch (look) {
    case Look::Up:
        PixelCanvas(*m_target).DrawEllipse(0, 0, ClientWidth, ClientHeight,
                                           m_model->Hovering ? p.ShadowColor : p.FaceColor,
                                           p.FaceColor);
        DrawCaption(hoverMode());
        break;
    case Look::Down:
        PixelCanvas(*m_target).DrawEllipse(0, 0, ClientWidth, ClientHeight, p.DarkShadowColor,
                                           shift(p.FaceColor, -32));
        DrawCaption(2);
        break;
    case Look::Disabled:
        DrawCaption(3);
        break;
    }
}

void ButtonRenderer::drawBandedFrame()
{
    const ButtonPalette &p = m_palette;
    const int w = ClientWidth;
    const int h = ClientHeight;
    DrawRect(0, 0, w, h, shift(p.ShadowColor, -50), true);
    DrawRect(1, 1, w - 2, h - 2, shift(p.FaceColor, -9), true);
    DrawRect(2, 2, w - 4, 2, p.HighlightColor, false);
    DrawRect(2, 4, 2, h - 6, p.HighlightColor, false);
}

// The default button shows its caption in bold: the caption is laid out and drawn with a
// bold copy of the font, then the layout of the button's own font comes back. The button's
// font itself never changes.
void ButtonRenderer::drawCaptionInBold()
{
    // Puts the regular layout and font back on every way out.
    struct LayoutSnapshot
    {
        ButtonRenderer &r;
        QRect caption = r.CaptionRect;
        QRect captionDown = r.CaptionRectDown;
        int captionWidth = r.CaptionWidth;
        int captionHeight = r.CaptionHeight;
        int pictureX = r.PictureX;
        int pictureY = r.PictureY;
        QFont font = r.m_captionFont;
        ~LayoutSnapshot()
        {
            r.CaptionRect = caption;
            r.CaptionRectDown = captionDown;
            r.CaptionWidth = captionWidth;
            r.CaptionHeight = captionHeight;
            r.PictureX = pictureX;
            r.PictureY = pictureY;
            r.m_captionFont = font;
        }
    } snapshot{*this};

    ButtonModel bold = *m_model;
    bold.Font.setBold(true);
    LayoutContent(bold);
    m_captionFont = bold.Font;
    DrawCaption(hoverMode());
}

void ButtonRenderer::drawGradientBanded(Look look)
{
    const ButtonPalette &p = m_palette;
    const int w = ClientWidth;
    const int h = ClientHeight;
    switch (look) {
    case Look::Up:
        if (m_model->Hovering)
            DrawRect(0, 0, w, h, p.LightColor, false);
        else
            for (int i = 1; i <= h; ++i)
                DrawLine(0, i, w, i, shift(p.HighlightColor, gradientShift(58, h, i)));
        if (m_model->DisplayAsDefault)
            drawCaptionInBold();
        else
            DrawCaption(hoverMode());
        drawBandedFrame();
        DrawFocus();
        break;
    case Look::Down:
        DrawRect(1, 1, w, h, shift(p.FaceColor, -9), false);
        DrawRect(0, 0, w, h, shift(p.ShadowColor, -48), true);
        DrawLine(2, h - 2, w - 2, h - 2, p.HighlightColor);
        DrawLine(w - 2, 2, w - 2, h - 1, p.HighlightColor);
        DrawCaption(7);
        DrawFocus();
        break;
    case Look::Disabled:
        for (int i = 1; i <= h; ++i)
            DrawLine(0, i, w, i, shift(p.HighlightColor, gradientShift(58, h, i)));
        drawBandedFrame();
        DrawCaption(6);
        break;
    }
}

} // namespace Tavo::ButtonDrawing
