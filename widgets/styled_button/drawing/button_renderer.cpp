#include "widgets/styled_button/drawing/button_renderer.h"

#include "widgets/styled_button/drawing/caption_text.h"
#include "widgets/styled_button/drawing/color_math.h"
#include "widgets/styled_button/drawing/ellipse_spans.h"
#include "widgets/styled_button/drawing/picture_resolution.h"
#include "widgets/styled_button/drawing/system_colors.h"

#include <stdexcept>

namespace Tavo::ButtonDrawing {

void ButtonRenderer::setClientSize(int width, int height, int buttonType)
{
    ClientWidth = width;
    ClientHeight = height;
    int inset = 4;
    if (buttonType >= Thin3D && buttonType <= Oval)
        inset = 3;
    else if (buttonType == GradientBanded)
        inset = 5;
    FocusRect = QRect(QPoint(inset, inset), QPoint(width - inset - 1, height - inset - 1));
    if (buttonType == GradientBanded)
        FocusRect.translate(1, 1);
}

void ButtonRenderer::ComputeColors(const ButtonModel &model)
{
    const QPalette system = applicationPalette();
    const auto shiftFace = [&](int amount) {
        return ShiftColor(m_palette.FaceColor, amount, false, model.SoftBevel);
    };
    const auto deriveEdges = [&] {
        m_palette.ShadowColor = shiftFace(-64);
        m_palette.LightColor = shiftFace(31);
        m_palette.HighlightColor = shiftFace(47);
        m_palette.DarkShadowColor = shiftFace(-192);
    };
    switch (model.ColorScheme) {
    case CustomColors:
        m_palette.FaceColor = TranslateColor(model.BackColor, system);
        m_palette.TextColor = TranslateColor(model.ForeColor, system);
        m_palette.TextOverColor = TranslateColor(model.ForeOver, system);
        deriveEdges();
        m_palette.SelectColor = shiftFace(-128);
        m_palette.SelectTintColor = m_palette.FaceColor;
        break;
    case FixedGrey:
        m_palette.FaceColor = rgbColor(192, 192, 192);
        m_palette.ShadowColor = rgbColor(128, 128, 128);
        m_palette.LightColor = rgbColor(223, 223, 223);
        m_palette.HighlightColor = rgbColor(255, 255, 255);
        m_palette.DarkShadowColor = 0;
        m_palette.TextColor = 0;
        m_palette.TextOverColor = 0;
        m_palette.SelectColor = rgbColor(0, 0, 128);
        m_palette.SelectTintColor = rgbColor(173, 173, 209);
        break;
    case ContainerColors:
        m_palette.FaceColor = fromQRgb(model.ContainerBackground.rgb());
        m_palette.TextColor = fromQRgb(model.ContainerText.rgb());
        m_palette.TextOverColor = m_palette.TextColor;
        deriveEdges();
        m_palette.SelectColor = systemColor(ColorHighlight, system);
        m_palette.SelectTintColor = TintColor(m_palette.SelectColor, 176);
        break;
    default:
        m_palette.FaceColor = systemColor(ColorButtonFace, system);
        m_palette.ShadowColor = systemColor(ColorButtonShadow, system);
        m_palette.LightColor = systemColor(ColorLight, system);
        m_palette.DarkShadowColor = systemColor(ColorDarkShadow, system);
        m_palette.HighlightColor = systemColor(ColorButtonHighlight, system);
        m_palette.TextColor = systemColor(ColorButtonText, system);
        m_palette.TextOverColor = m_palette.TextColor;
        m_palette.SelectColor = systemColor(ColorHighlight, system);
        m_palette.SelectTintColor = TintColor(m_palette.SelectColor, 176);
        break;
    }
    m_palette.MaskRGB = TranslateColor(model.MaskColor, system);
    m_palette.FaceTintColor =
        ShiftColor(m_palette.FaceColor, 48, model.ButtonType == GradientRounded, model.SoftBevel);
}

void ButtonRenderer::MeasurePicture(const ButtonModel &model)
{
    // By the picture's physical size: the button's pixels at its screen's resolution.
    const QSize size =
        model.PictureNormal
            ? himetricToPixels(himetricSize(model.PictureNormal->image), model.DpiX, model.DpiY)
            : QSize(0, 0);
    PictureWidth = size.width();
    PictureHeight = size.height();
}

void ButtonRenderer::LayoutContent(const ButtonModel &model)
{
    const int w = ClientWidth;
    const int h = ClientHeight;
    // Start rectangles as (left, top, right, bottom).
    QRect start;
    const auto fromEdges = [](int left, int top, int right, int bottom) {
        return QRect(left, top, right - left, bottom - top);
    };
    switch (model.PicturePosition) {
    case PictureLeft:
        start = fromEdges(PictureWidth + 1, 1, w - 2, h - 2);
        break;
    case PictureRight:
        start = fromEdges(1, 1, w - PictureWidth - 2, h - 2);
        break;
    case PictureTop:
        start = fromEdges(1, PictureHeight + 1, w - 2, h - 2);
        break;
    case PictureBottom:
        start = fromEdges(1, 1, w - 2, h - PictureHeight - 2);
        break;
    case PictureBehind:
        start = fromEdges(1, 1, w - 2, h - 2);
        break;
    default:
        start = CaptionRect; // out of range: go on from the last layout
        break;
    }
    const QRect measured = CaptionText(model.Caption, model.Font).measure(start);
    CaptionWidth = measured.width();
    CaptionHeight = measured.height();
    const int right = measured.left() + measured.width();
    const int bottom = measured.top() + measured.height();
    int dx = (w - right) / 2;
    int dy = (h - bottom) / 2;
    if (model.PicturePosition == PictureRight)
        dx = (w - right - PictureWidth - 4) / 2;
    else if (model.PicturePosition == PictureBottom)
        dy = (h - bottom - PictureHeight - 4) / 2;
    CaptionRect = measured.translated(dx, dy);
    CaptionRectDown = CaptionRect.translated(1, 1);
    PlacePicture(model);
}

void ButtonRenderer::PlacePicture(const ButtonModel &model)
{
    if (!model.PictureNormal && !model.PictureOver)
        return;
    const int w = ClientWidth;
    const int h = ClientHeight;
    QString trimmed = model.Caption;
    while (trimmed.startsWith(u' '))
        trimmed.remove(0, 1);
    while (trimmed.endsWith(u' '))
        trimmed.chop(1);
    const bool beside = !trimmed.isEmpty() && model.PicturePosition != PictureBehind;
    if (beside && (model.PicturePosition < PictureLeft || model.PicturePosition > PictureBehind))
        return; // out of range: the picture keeps its place
    if (!beside) {
        PictureX = (w - PictureWidth) / 2;
        PictureY = (h - PictureHeight) / 2;
        return;
    }
    switch (model.PicturePosition) {
    case PictureLeft:
        PictureX = CaptionRect.left() - PictureWidth - 4;
        PictureY = (h - PictureHeight) / 2;
        break;
    case PictureRight:
        PictureX = CaptionRect.left() + CaptionRect.width() + 4;
        PictureY = (h - PictureHeight) / 2;
        break;
    case PictureTop:
        PictureX = (w - PictureWidth) / 2;
        PictureY = CaptionRect.top() - PictureHeight - 2;
        break;
    default: // PictureBottom
        PictureX = (w - PictureWidth) / 2;
        PictureY = CaptionRect.top() + CaptionRect.height() + 2;
        break;
    }
}

QRegion ButtonRenderer::BuildRegion(int buttonType) const
{
    const int w = ClientWidth;
    const int h = ClientHeight;
    if (buttonType == Oval) {
        // One rectangle per row, top to bottom: already the banded form a region keeps.
        QList<QRect> rows;
        for (const RowSpan &row : ellipseSpans(0, 0, w, h))
            rows.append(QRect(row.left, row.y, row.right - row.left, 1));
        QRegion ellipse;
        ellipse.setRects(rows.constData(), int(rows.size()));
        return ellipse;
    }
    QRegion region(0, 0, w, h);
    const auto cut = [&region](int x, int y, int width = 1) {
        region -= QRegion(x, y, width, 1);
    };
    switch (buttonType) {
    case FramedBevel:
    case GradientBanded:
        cut(0, h - 1);
        cut(w - 1, 0);
        cut(0, 0);
        cut(w - 1, h - 1);
        break;
    case ShadedFrame:
        cut(0, h - 1);
        cut(w - 1, 0);
        break;
    case GradientRounded:
    case RoundedShaded:
        cut(0, 0, 2);
        cut(0, h - 1, 2);
        cut(w - 2, 0, 2);
        cut(w - 2, h - 1, 2);
        cut(0, 1);
        cut(0, h - 2);
        cut(w - 1, 1);
        cut(w - 1, h - 2);
        break;
    default:
        break;
    }
    return region;
}

bool ButtonRenderer::Redraw(ButtonModel model, quint8 state, bool force)
{
    if (model.CheckBoxBehaviour && model.Value)
        state = StateDown;
    const bool changed = force || model.Caption != LastCaption || state != LastState;
    if (!changed || ClientHeight == 0 || !DrawingEnabled)
        return false;

    // A drawing that fails leaves the old pixels, palette and last caption mode, and does
    // not count as drawn, so the next redraw tries again.
    const ButtonPalette savedPalette = m_palette;
    const quint8 savedCaptionMode = LastCaptionMode;
    try {
        // A button far larger than any screen is a size error, not something to allocate.
        constexpr qint64 kMaxPixels = qint64(1) << 26;
        if (ClientWidth <= 0 || ClientHeight < 0 || qint64(ClientWidth) * ClientHeight > kMaxPixels)
            throw std::length_error("button size out of range");
        QImage next(ClientWidth, ClientHeight, QImage::Format_RGB32);
        if (next.isNull())
            throw std::length_error("button image too large");
        m_target = &next;
        const bool swapped = model.Hovering && model.ColorScheme == CustomColors;
        const OleColor storedBackColor = model.BackColor;
        if (swapped) {
            // The copy hovers in BackOver; the button's own BackColor is untouched.
            model.BackColor = model.BackOver;
            ComputeColors(model);
        }
        drawButton(model, state);
        m_target = nullptr;
        m_model = nullptr;
        if (swapped) {
            model.BackColor = storedBackColor;
            ComputeColors(model);
        }
        m_image = std::move(next);
    } catch (const std::exception &) {
        m_target = nullptr;
        m_model = nullptr;
        m_palette = savedPalette;
        LastCaptionMode = savedCaptionMode;
        return false;
    }
    LastState = state;
    LastCaption = model.Caption;
    return true;
}

void ButtonRenderer::drawButton(const ButtonModel &model, quint8 state)
{
    m_model = &model;
    m_state = state;
    m_captionFont = model.Font;
    DrawRect(0, 0, ClientWidth, ClientHeight, m_palette.FaceColor, false);
    quint8 pictureState = 0;
    if (!model.Enabled) {
        drawLook(model.ButtonType, Look::Disabled);
        pictureState = 2;
    } else if (state == StateUp) {
        drawLook(model.ButtonType, Look::Up);
        pictureState = 0;
    } else if (state == StateDown) {
        drawLook(model.ButtonType, Look::Down);
        pictureState = 1;
    } else {
        return;
    }
    DrawPictureState(pictureState);
}

} // namespace Tavo::ButtonDrawing
