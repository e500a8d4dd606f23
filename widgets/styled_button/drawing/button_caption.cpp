// Caption, focus and primitive drawing of ButtonRenderer, on the image of the running redraw.
#include "widgets/styled_button/drawing/button_renderer.h"

#include "widgets/styled_button/drawing/caption_text.h"
#include "widgets/styled_button/drawing/color_math.h"
#include "widgets/styled_button/drawing/pixel_canvas.h"

namespace Tavo::ButtonDrawing {

OleColor ButtonRenderer::shift(OleColor colour, int amount, bool proportional) const
{
    return ShiftColor(colour, amount, proportional, m_model->SoftBevel);
}

void ButtonRenderer::DrawRect(int x, int y, int width, int height, OleColor colour, bool outline)
{
    PixelCanvas(*m_target).DrawRect(x, y, width, height, colour, outline);
}

void ButtonRenderer::DrawLine(int x1, int y1, int x2, int y2, OleColor colour)
{
    PixelCanvas(*m_target).DrawLine(x1, y1, x2, y2, colour);
}

void ButtonRenderer::PutPixel(int x, int y, OleColor colour)
{
    PixelCanvas(*m_target).PutPixel(x, y, colour);
}

void ButtonRenderer::putInnerCorners(OleColor colour)
{
    PutPixel(1, 1, colour);
    PutPixel(1, ClientHeight - 2, colour);
    PutPixel(ClientWidth - 2, 1, colour);
    PutPixel(ClientWidth - 2, ClientHeight - 2, colour);
}

void ButtonRenderer::DrawBevel(OleColor c1, OleColor c2, OleColor c3, OleColor c4, int inset,
                               bool singleRing)
{
    PixelCanvas(*m_target).DrawBevel(ClientWidth, ClientHeight, c1, c2, c3, c4, inset, singleRing);
}

void ButtonRenderer::drawText(const QRect &rect, OleColor colour)
{
    CaptionText(m_model->Caption, m_captionFont).draw(*m_target, rect, colour);
}

quint8 ButtonRenderer::hoverMode() const
{
    return m_model->Hovering ? 1 : 0;
}

void ButtonRenderer::DrawCaption(quint8 mode)
{
    LastCaptionMode = mode;
    const ButtonPalette &p = m_palette;
    switch (mode) {
    case 0:
        DrawCaptionEffect(CaptionRect);
        drawText(CaptionRect, p.TextColor);
        break;
    case 1:
        DrawCaptionEffect(CaptionRect);
        drawText(CaptionRect, p.TextOverColor);
        break;
    case 2:
        DrawCaptionEffect(CaptionRectDown);
        drawText(CaptionRectDown,
                 m_model->ButtonType == RoundedShaded ? p.LightColor : p.TextOverColor);
        break;
    case 3:
        drawText(CaptionRectDown, p.HighlightColor);
        drawText(CaptionRect, p.ShadowColor);
        break;
    case 4:
        drawText(CaptionRect, p.ShadowColor);
        break;
    case 5:
        drawText(CaptionRect, shift(p.FaceTintColor, -104, true));
        break;
    case 6:
        drawText(CaptionRectDown, p.HighlightColor);
        drawText(CaptionRect, p.FaceColor);
        break;
    case 7:
        drawText(CaptionRectDown, shift(p.ShadowColor, -50));
        drawText(CaptionRect, p.HighlightColor);
        break;
    default:
        break;
    }
}

void ButtonRenderer::DrawCaptionEffect(const QRect &rect)
{
    const int effect = m_model->SpecialEffect;
    if (effect == EffectNone)
        return;
    const int type = m_model->ButtonType;
    OleColor base = m_palette.FaceColor;
    if (type == GradientRounded || type == RoundedShaded || type == GradientBanded)
        base = m_palette.FaceTintColor;
    else if (type == HoverSelect && m_model->ColorScheme != CustomColors && m_state == StateUp &&
             m_model->Hovering)
        base = m_palette.SelectTintColor;
    const int amount = effect == EffectSunken ? 40 : -40;
    drawText(rect.translated(1, 1), shift(base, amount));
    if (effect == EffectRaised || effect == EffectSunken)
        drawText(rect.translated(-1, -1), shift(base, -amount));
}

void ButtonRenderer::DrawFocus()
{
    if (m_model->ShowFocusRect && m_model->HasFocus)
        PixelCanvas(*m_target).DrawFocusRect(FocusRect, m_palette.TextColor);
}

} // namespace Tavo::ButtonDrawing
