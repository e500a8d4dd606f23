#pragma once

#include "widgets/styled_button/drawing/button_model.h"

#include <QImage>
#include <QRect>
#include <QRegion>

namespace Tavo::ButtonDrawing {

// The eleven palette colours, as QRgb-free 0x00BBGGRR values resolved from the scheme.
struct ButtonPalette
{
    OleColor FaceColor = 0;
    OleColor LightColor = 0;
    OleColor HighlightColor = 0;
    OleColor ShadowColor = 0;
    OleColor DarkShadowColor = 0;
    OleColor TextColor = 0;
    OleColor TextOverColor = 0;
    OleColor MaskRGB = 0;
    OleColor FaceTintColor = 0;
    OleColor SelectColor = 0;
    OleColor SelectTintColor = 0;
};

// Draws a styled button into a backing image of its client size. Holds the drawing fields:
// client size, focus and caption rectangles, picture place, palette and the last drawn state.
// The widget calls it; it knows nothing of widgets or input.
class ButtonRenderer
{
public:
    static constexpr quint8 StateUp = 0;
    static constexpr quint8 StateDown = 2;

    // Resize sequence, steps 2 and 3: client size and FocusRect for the button type.
    void setClientSize(int width, int height, int buttonType);

    void ComputeColors(const ButtonModel &model);
    // Picture size in pixels from PictureNormal; 0 x 0 without one.
    void MeasurePicture(const ButtonModel &model);
    // CaptionRect, CaptionRectDown, caption size, then PlacePicture.
    void LayoutContent(const ButtonModel &model);
    // The window region for the button type at the current client size.
    QRegion BuildRegion(int buttonType) const;

    // Draws when forced, or when the state or caption changed, with a non-zero height and
    // drawing enabled. Returns whether it drew. The model is taken by value: a redraw that
    // hovers under custom colours works on its own copy and never changes the button's
    // stored BackColor.
    bool Redraw(ButtonModel model, quint8 state, bool force);

    const QImage &image() const { return m_image; }
    const ButtonPalette &palette() const { return m_palette; }

    int ClientWidth = 0;
    int ClientHeight = 0;
    QRect FocusRect;
    QRect CaptionRect;
    QRect CaptionRectDown;
    int CaptionWidth = 0;
    int CaptionHeight = 0;
    int PictureX = 0;
    int PictureY = 0;
    int PictureWidth = 0;
    int PictureHeight = 0;
    quint8 LastState = StateUp;
    QString LastCaption;
    quint8 LastCaptionMode = 0;
    bool DrawingEnabled = true;

private:
    ButtonPalette m_palette;
    QImage m_image;
};

} // namespace Tavo::ButtonDrawing
