#include "widgets/styled_button/drawing/picture_resolution.h"

#include <cmath>

namespace Tavo::ButtonDrawing {

namespace {

constexpr double kHimetricPerInch = 2540.0;
constexpr double kHimetricPerMetre = 100000.0;
constexpr int kDotsPerMetreAt96Dpi = 3780;

int himetric(int pixels, int dotsPerMetre)
{
    if (dotsPerMetre <= 0)
        dotsPerMetre = kDotsPerMetreAt96Dpi;
    return int(std::lround(pixels * kHimetricPerMetre / dotsPerMetre));
}

} // namespace

QSize himetricSize(const QImage &image)
{
    return QSize(himetric(image.width(), image.dotsPerMeterX()),
                 himetric(image.height(), image.dotsPerMeterY()));
}

QSize himetricToPixels(QSize himetric, double dpiX, double dpiY)
{
    return QSize(int(std::lround(himetric.width() * dpiX / kHimetricPerInch)),
                 int(std::lround(himetric.height() * dpiY / kHimetricPerInch)));
}

ButtonPicture atResolution(const ButtonPicture &picture, double dpiX, double dpiY)
{
    const QSize size = himetricToPixels(himetricSize(picture.image), dpiX, dpiY);
    if (size == picture.image.size() || size.isEmpty())
        return picture;
    ButtonPicture shown = picture;
    shown.image = picture.image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return shown;
}

} // namespace Tavo::ButtonDrawing
