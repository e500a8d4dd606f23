// Picture drawing of ButtonRenderer: which picture goes where in each state and look, with
// its effect copies, over the look just drawn.
#include "widgets/styled_button/drawing/button_renderer.h"

#include "widgets/styled_button/drawing/color_math.h"
#include "widgets/styled_button/drawing/picture_blitter.h"
#include "widgets/styled_button/drawing/picture_resolution.h"

namespace Tavo::ButtonDrawing {

void ButtonRenderer::blit(const ButtonPicture &picture, int x, int y, std::optional<OleColor> solid,
                          bool darkOnly, bool greyscale, bool blend)
{
    BlitOptions options;
    options.transparent = m_palette.MaskRGB;
    options.useTransparent = m_model->UseMaskColor;
    options.solid = solid;
    options.darkOnly = darkOnly;
    options.greyscale = greyscale;
    options.blend = blend;
    // Each picture at its own physical size, as PictureNormal was measured.
    BlitPicture(*m_target, x, y, PictureWidth, PictureHeight,
                atResolution(picture, m_model->DpiX, m_model->DpiY), options);
}

void ButtonRenderer::DrawPictureState(quint8 pictureState)
{
    if (!m_model->PictureNormal)
        return;
    const ButtonPicture &normal = *m_model->PictureNormal;
    const ButtonPicture *over = m_model->PictureOver.get();
    const int type = m_model->ButtonType;
    const int x = PictureX;
    const int y = PictureY;
    const ButtonPalette &p = m_palette;

    switch (pictureState) {
    case 0:
        if (m_model->Hovering && type == HoverSelect) {
            // Lifted up and left, casting a shadow.
            DrawPictureEffect(-1, normal);
            blit(normal, x + 1, y + 1, p.ShadowColor);
            blit(normal, x - 1, y - 1);
        } else if (m_model->Hovering) {
            const ButtonPicture &shown = over ? *over : normal;
            DrawPictureEffect(0, shown);
            blit(shown, x, y);
        } else {
            DrawPictureEffect(0, normal);
            blit(normal, x, y, std::nullopt, false, m_model->UseGreyscale, type == HoverSelect);
        }
        break;
    case 1:
        if (over && type != HoverSelect) {
            const int k = type == ShadedFrame ? 0 : 1;
            blit(*over, x + k, y + k);
        } else if (type != ShadedFrame && type != HoverSelect) {
            DrawPictureEffect(1, normal);
            blit(normal, x + 1, y + 1);
        } else {
            DrawPictureEffect(0, normal);
            blit(normal, x, y);
        }
        break;
    default:
        if (type == GradientRounded) {
            blit(normal, x + 1, y + 1, std::nullopt, false, true);
        } else if (type == ShadedFrame || type == Soft3D || type == HoverSelect) {
            const OleColor silhouette =
                type == HoverSelect ? shift(p.ShadowColor, 13) : p.ShadowColor;
            blit(normal, x, y, silhouette, true);
        } else {
            blit(normal, x + 1, y + 1, p.HighlightColor, true);
            blit(normal, x, y, p.ShadowColor, true);
        }
        break;
    }
    if (m_model->PicturePosition == PictureBehind)
        DrawCaption(LastCaptionMode);
}

void ButtonRenderer::DrawPictureEffect(int offset, const ButtonPicture &picture)
{
    const int effect = m_model->SpecialEffect;
    if (effect == EffectNone)
        return;
    OleColor base = m_palette.SelectTintColor;
    if (m_model->ButtonType == GradientRounded)
        base = m_palette.FaceTintColor;
    else if (offset != -1 || m_model->ColorScheme == CustomColors)
        base = m_palette.FaceColor;
    const int amount = effect == EffectSunken ? 40 : -40;
    blit(picture, PictureX + offset + 1, PictureY + offset + 1, shift(base, amount));
    if (effect == EffectRaised || effect == EffectSunken)
        blit(picture, PictureX + offset - 1, PictureY + offset - 1, shift(base, -amount));
}

} // namespace Tavo::ButtonDrawing
