// button_gallery OUTPUT.png: writes the review sheet of every button look.
#include "widgets/styled_button/drawing/gallery/gallery_sheet.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QGuiApplication::setPalette(Tavo::ButtonDrawing::GallerySheet::classicPalette());
    const QString output =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("button_gallery.png");
    if (!Tavo::ButtonDrawing::GallerySheet().render().save(output)) {
        std::fprintf(stderr, "button_gallery: cannot write %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}
