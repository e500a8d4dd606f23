#include "widgets/styled_button/drawing/system_colors.h"

#include "widgets/styled_button/drawing/color_math.h"

#include <QGuiApplication>

#include <array>

namespace Tavo::ButtonDrawing {

namespace {

struct SystemColorRole
{
    int index;
    QPalette::ColorRole role;
};

// Windows system-colour index -> the palette role that plays the same part.
constexpr std::array<SystemColorRole, 11> kSystemColorRoles{{
    {5, QPalette::Base},       // window background
    {8, QPalette::WindowText}, // window text
    {ColorHighlight, QPalette::Highlight},
    {14, QPalette::HighlightedText}, // selected text
    {ColorButtonFace, QPalette::Button},
    {ColorButtonShadow, QPalette::Dark},
    {17, QPalette::PlaceholderText}, // grey text
    {ColorButtonText, QPalette::ButtonText},
    {ColorButtonHighlight, QPalette::Light},
    {ColorDarkShadow, QPalette::Shadow},
    {ColorLight, QPalette::Midlight},
}};

} // namespace

OleColor systemColor(int index, const QPalette &palette)
{
    for (const SystemColorRole &entry : kSystemColorRoles) {
        if (entry.index == index)
            return fromQRgb(palette.color(QPalette::Active, entry.role).rgb());
    }
    return 0;
}

OleColor TranslateColor(OleColor colour, const QPalette &palette)
{
    if (colour & kSystemColorFlag)
        return systemColor(int(colour & 0xFF), palette);
    return colour & 0xFFFFFF;
}

QPalette applicationPalette()
{
    return qGuiApp ? QGuiApplication::palette() : QPalette();
}

} // namespace Tavo::ButtonDrawing
