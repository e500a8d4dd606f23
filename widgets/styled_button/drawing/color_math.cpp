#include "widgets/styled_button/drawing/color_math.h"

#include <algorithm>
#include <cmath>

namespace Tavo::ButtonDrawing {

QRgb toQRgb(OleColor c)
{
    return qRgb(redOf(c), greenOf(c), blueOf(c));
}

OleColor fromQRgb(QRgb c)
{
    return rgbColor(qRed(c), qGreen(c), qBlue(c));
}

OleColor ShiftColor(OleColor colour, int amount, bool proportional, bool softBevel)
{
    if (softBevel)
        amount /= 2; // C++ division truncates toward zero: -5 becomes -2
    int red = redOf(colour) + amount;
    int green = greenOf(colour) + amount;
    int blue = blueOf(colour);
    blue += proportional ? blue * amount / 192 : amount;
    const auto clamp = [amount](int channel) {
        if (amount > 0)
            return std::min(channel, 255);
        if (amount < 0)
            return std::max(channel, 0);
        return channel;
    };
    return rgbColor(clamp(red), clamp(green), clamp(blue));
}

OleColor TintColor(OleColor colour, int base)
{
    const auto tint = [base](int channel) {
        return std::min(base + (255 - base) * channel / 255, 255);
    };
    return rgbColor(tint(redOf(colour)), tint(greenOf(colour)), tint(blueOf(colour)));
}

int gradientShift(int span, int height, int row)
{
    const float step = float(span) / float(height);
    const float product = -step * float(row);
    return int(std::nearbyint(product));
}

} // namespace Tavo::ButtonDrawing
