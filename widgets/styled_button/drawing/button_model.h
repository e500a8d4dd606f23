#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <memory>

namespace Tavo::ButtonDrawing {

// A colour as the button stores it: red in the low byte, then green, then blue. A value with
// the top bit set names a system colour by the index in its low byte.
using OleColor = quint32;
constexpr OleColor kSystemColorFlag = 0x80000000u;

// A picture of the button: a bitmap, or an icon whose transparent surroundings count as the
// mask colour.
struct ButtonPicture
{
    enum class Kind
    {
        Bitmap,
        Icon
    };
    Kind kind = Kind::Bitmap;
    QImage image;
};
using PicturePtr = std::shared_ptr<const ButtonPicture>;

// Everything the drawing reads from the button: its persisted properties and its input flags.
struct ButtonModel
{
    int ButtonType = 2;
    int ColorScheme = 1;
    int PicturePosition = 0;
    int SpecialEffect = 0;
    OleColor BackColor = 0;
    OleColor BackOver = 0;
    OleColor ForeColor = 0;
    OleColor ForeOver = 0;
    OleColor MaskColor = 0xC0C0C0;
    bool UseMaskColor = true;
    bool UseGreyscale = false;
    bool SoftBevel = false;
    bool ShowFocusRect = true;
    bool CheckBoxBehaviour = false;
    bool Value = false;
    bool Enabled = true;
    PicturePtr PictureNormal;
    PicturePtr PictureOver;
    QString Caption;
    QFont Font;

    bool Hovering = false;
    bool HasFocus = false;
    bool DisplayAsDefault = false; // the window shows this button as its default button

    // The containing window's background and text colours (ContainerColors scheme).
    QColor ContainerBackground = Qt::white;
    QColor ContainerText = Qt::black;
    // What the containing window shows behind the button (SeeThrough), client size.
    QImage Background;
    // The resolution of the button's screen in dots per inch: pictures are measured by it.
    double DpiX = 96.0;
    double DpiY = 96.0;
};

} // namespace Tavo::ButtonDrawing
