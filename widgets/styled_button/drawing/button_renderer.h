#pragma once

#include "widgets/styled_button/drawing/button_model.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QRegion>

#include <optional>

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

// The values of ButtonType.
enum ButtonTypes : int
{
    FramedBevel = 1,
    Standard3D = 2,
    GradientRounded = 3,
    RoundedShaded = 4,
    ShadedFrame = 5,
    Soft3D = 6,
    Thin3D = 7,
    FlatHover = 8,
    HoverSelect = 9,
    PictureOnly = 10,
    SeeThrough = 11,
    Hover3D = 12,
    Oval = 13,
    GradientBanded = 14,
};

// The values of ColorScheme (0 and unknown values act as SystemColors), PicturePosition and
// SpecialEffect (values above 3 act as EffectShadow).
enum ColorSchemes : int
{
    SystemColors = 1,
    CustomColors = 2,
    FixedGrey = 3,
    ContainerColors = 4
};
enum PicturePositions : int
{
    PictureLeft = 0,
    PictureRight = 1,
    PictureTop = 2,
    PictureBottom = 3,
    PictureBehind = 4,
};
enum SpecialEffects : int
{
    EffectNone = 0,
    EffectRaised = 1,
    EffectSunken = 2,
    EffectShadow = 3
};

// Draws a styled button into a backing image of its client size. Holds the drawing fields:
// client size, focus and caption rectangles, picture place, palette and the last drawn state.
// The widget calls it; it knows nothing of widgets or input. All coordinates are pixels of
// the client area; rectangles hold left, top and the size (a Windows rectangle's right is
// left + width).
class ButtonRenderer
{
public:
    static constexpr quint8 StateUp = 0;
    static constexpr quint8 StateDown = 2;

    // Resize sequence, steps 2 and 3: client size and FocusRect for the button type.
    void setClientSize(int width, int height, int buttonType);

    // The palette from the colour scheme; system colours come from the application palette.
    void ComputeColors(const ButtonModel &model);
    // Picture size in pixels from PictureNormal's physical size at the model's resolution,
    // rounded to the nearest; 0 x 0 without one.
    void MeasurePicture(const ButtonModel &model);
    // CaptionRect, CaptionRectDown, caption size, then PlacePicture.
    void LayoutContent(const ButtonModel &model);
    // PictureX and PictureY beside the caption by PicturePosition, or centred when the
    // caption is blank or the picture lies behind it.
    void PlacePicture(const ButtonModel &model);
    // The window region for the button type at the current client size.
    QRegion BuildRegion(int buttonType) const;

    // Draws when forced, or when the state or caption changed, with a non-zero height and
    // drawing enabled. Returns whether it drew. The model is taken by value: a redraw that
    // hovers under custom colours works on its own copy and never changes the button's
    // stored BackColor. A drawing that fails (an image too large to make) keeps the old
    // pixels, palette and layout and returns false.
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
    enum class Look
    {
        Up,
        Down,
        Disabled
    };

    void drawButton(const ButtonModel &model, quint8 state);
    void drawLook(int buttonType, Look look);

    // The fourteen recipes, each for up (hovering or not), down and disabled.
    void drawFramedBevel(Look look);
    void drawStandard3D(Look look);
    void drawGradientRounded(Look look);
    void drawRoundedShaded(Look look);
    void drawShadedFrame(Look look);
    void drawSoft3D(Look look);
    void drawThin3D(Look look);
    void drawFlatHover(Look look);
    void drawHoverSelect(Look look);
    void drawSeeThrough(Look look);
    void drawHover3D(Look look);
    void drawOval(Look look);
    void drawGradientBanded(Look look);
    void drawGradientRoundedLines(const OleColor colours[5]);
    void drawGradient(OleColor from, int span, bool upwards);
    void drawBandedFrame();
    void drawCaptionInBold();

    void DrawCaption(quint8 mode);
    void DrawCaptionEffect(const QRect &rect);
    void DrawFocus();
    void drawText(const QRect &rect, OleColor colour);
    quint8 hoverMode() const;

    void DrawPictureState(quint8 pictureState);
    void DrawPictureEffect(int offset, const ButtonPicture &picture);
    void blit(const ButtonPicture &picture, int x, int y, std::optional<OleColor> solid = {},
              bool darkOnly = false, bool greyscale = false, bool blend = false);

    // Primitives on the image being drawn.
    void DrawRect(int x, int y, int width, int height, OleColor colour, bool outline);
    void DrawLine(int x1, int y1, int x2, int y2, OleColor colour);
    void PutPixel(int x, int y, OleColor colour);
    void putInnerCorners(OleColor colour);
    void DrawBevel(OleColor c1, OleColor c2, OleColor c3, OleColor c4, int inset, bool singleRing);
    OleColor shift(OleColor colour, int amount, bool proportional = false) const;

    ButtonPalette m_palette;
    QImage m_image;

    // Valid only while drawButton runs.
    const ButtonModel *m_model = nullptr;
    QImage *m_target = nullptr;
    quint8 m_state = StateUp;
    QFont m_captionFont;
};

} // namespace Tavo::ButtonDrawing
