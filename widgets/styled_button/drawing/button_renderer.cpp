#include "widgets/styled_button/drawing/button_renderer.h"

#include <QPainter>

namespace Tavo::ButtonDrawing {

// A plain face with the caption: the full looks are drawn by the style recipes.

void ButtonRenderer::setClientSize(int width, int height, int buttonType)
{
    ClientWidth = width;
    ClientHeight = height;
    int inset = 4;
    if (buttonType >= 7 && buttonType <= 13)
        inset = 3;
    else if (buttonType == 14)
        inset = 5;
    FocusRect = QRect(QPoint(inset, inset), QPoint(width - inset - 1, height - inset - 1));
    if (buttonType == 14)
        FocusRect.translate(1, 1);
}

void ButtonRenderer::ComputeColors(const ButtonModel &model)
{
    m_palette.FaceColor = model.BackColor & 0xFFFFFF;
    m_palette.TextColor = model.ForeColor & 0xFFFFFF;
    m_palette.TextOverColor = model.ForeOver & 0xFFFFFF;
    m_palette.MaskRGB = model.MaskColor & 0xFFFFFF;
}

void ButtonRenderer::MeasurePicture(const ButtonModel &model)
{
    PictureWidth = model.PictureNormal ? model.PictureNormal->image.width() : 0;
    PictureHeight = model.PictureNormal ? model.PictureNormal->image.height() : 0;
}

void ButtonRenderer::LayoutContent(const ButtonModel &)
{
    CaptionRect = QRect(1, 1, ClientWidth - 2, ClientHeight - 2);
    CaptionRectDown = CaptionRect.translated(1, 1);
}

QRegion ButtonRenderer::BuildRegion(int) const
{
    return QRegion(0, 0, ClientWidth, ClientHeight);
}

bool ButtonRenderer::Redraw(ButtonModel model, quint8 state, bool force)
{
    if (model.CheckBoxBehaviour && model.Value)
        state = StateDown;
    if (!(force || model.Caption != LastCaption || state != LastState) || ClientHeight == 0
        || !DrawingEnabled)
        return false;
    LastState = state;
    LastCaption = model.Caption;
    m_image = QImage(ClientWidth, ClientHeight, QImage::Format_RGB32);
    const auto rgb = [](OleColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); };
    m_image.fill(rgb(m_palette.FaceColor));
    QPainter p(&m_image);
    p.setFont(model.Font);
    p.setPen(rgb(m_palette.TextColor));
    p.drawText(state == StateDown ? CaptionRectDown : CaptionRect,
               Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap, model.Caption);
    return true;
}

} // namespace Tavo::ButtonDrawing
