#include "widgets/styled_button/drawing/gallery/gallery_sheet.h"

#include "widgets/styled_button/drawing/button_renderer.h"

#include <QPainter>

#include <array>
#include <memory>

namespace Tavo::ButtonDrawing {

namespace {

constexpr int kButtonWidth = 150;
constexpr int kButtonHeight = 48;
constexpr int kLabelWidth = 130;
constexpr int kGap = 12;
constexpr int kHeaderHeight = 28;

constexpr std::array<const char *, 14> kLookNames{
    "1 FramedBevel", "2 Standard3D", "3 GradientRounded", "4 RoundedShaded",  "5 ShadedFrame",
    "6 Soft3D",      "7 Thin3D",     "8 FlatHover",       "9 HoverSelect",    "10 PictureOnly",
    "11 SeeThrough", "12 Hover3D",   "13 Oval",           "14 GradientBanded"};

enum class Column
{
    Up,
    Hover,
    Down,
    Focused,
    Disabled
};
constexpr std::array<Column, 5> kColumns{Column::Up, Column::Hover, Column::Down, Column::Focused,
                                         Column::Disabled};
constexpr std::array<const char *, 5> kColumnNames{"up", "hover", "down", "focused, default",
                                                   "disabled"};

// A 16 x 16 printer-like picture on white, the program's mask colour: the white around it
// is transparent, so the paper is drawn in an off-white with a grey outline.
PicturePtr samplePicture()
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const auto box = [&painter](int x, int y, int w, int h, QColor fill, QColor edge) {
        painter.fillRect(x, y, w, h, edge);
        painter.fillRect(x + 1, y + 1, w - 2, h - 2, fill);
    };
    box(4, 1, 8, 6, QColor(244, 244, 238), QColor(120, 120, 120));
    box(1, 6, 14, 6, QColor(60, 90, 160), QColor(30, 45, 90));
    box(4, 10, 8, 5, QColor(244, 244, 238), QColor(120, 120, 120));
    painter.fillRect(11, 7, 2, 2, QColor(80, 200, 80));
    painter.end();
    auto picture = std::make_shared<ButtonPicture>();
    picture->image = image;
    return picture;
}

// A striped background for the see-through look to show through.
QImage stripedBackground()
{
    QImage image(kButtonWidth, kButtonHeight, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, ((x + y) / 6) % 2 ? qRgb(214, 228, 246) : qRgb(250, 244, 220));
    return image;
}

// The program's command buttons: caption and picture (one of the gallery's resources, the
// same files as the windows' stored layouts).
struct ProgramButton
{
    const char *caption;
    const char *picture;
};
constexpr std::array<ProgramButton, 5> kProgramButtons{{{"Stampa", "stampa.png"},
                                                        {"Configurazione", "configurazione.png"},
                                                        {"Esci", "esci.png"},
                                                        {"Salva", "salva.png"},
                                                        {"Annulla", "annulla.png"}}};

// A picture with transparency is an icon, as in the stored layouts; the others are bitmaps.
PicturePtr programPicture(const QString &name)
{
    auto picture = std::make_shared<ButtonPicture>();
    picture->image = QImage(QStringLiteral(":/gallery/") + name);
    picture->kind =
        picture->image.hasAlphaChannel() ? ButtonPicture::Kind::Icon : ButtonPicture::Kind::Bitmap;
    return picture;
}

// The model drawn in the column's state at the point, cut to the button's window region. The
// sheet's buttons have system colours, no effect and the program's white mask colour.
void drawButton(QPainter &painter, QPoint at, ButtonModel model, Column column)
{
    model.ColorScheme = SystemColors;
    model.MaskColor = 0xFFFFFF;
    model.SpecialEffect = EffectNone;
    model.Hovering = column == Column::Hover || column == Column::Down;
    model.HasFocus = column == Column::Focused;
    model.DisplayAsDefault = column == Column::Focused;
    model.Enabled = column != Column::Disabled;

    ButtonRenderer renderer;
    renderer.setClientSize(kButtonWidth, kButtonHeight, model.ButtonType);
    renderer.ComputeColors(model);
    renderer.MeasurePicture(model);
    renderer.LayoutContent(model);
    const quint8 state =
        column == Column::Down ? ButtonRenderer::StateDown : ButtonRenderer::StateUp;
    renderer.Redraw(model, state, true);

    painter.save();
    painter.setClipRegion(renderer.BuildRegion(model.ButtonType).translated(at));
    painter.drawImage(at, renderer.image());
    painter.restore();
}

} // namespace

QPalette GallerySheet::classicPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(236, 233, 216));
    palette.setColor(QPalette::Light, QColor(255, 255, 255));
    palette.setColor(QPalette::Midlight, QColor(241, 239, 226));
    palette.setColor(QPalette::Dark, QColor(172, 168, 153));
    palette.setColor(QPalette::Shadow, QColor(113, 111, 100));
    palette.setColor(QPalette::ButtonText, QColor(0, 0, 0));
    palette.setColor(QPalette::Highlight, QColor(49, 106, 197));
    return palette;
}

QImage GallerySheet::render() const
{
    const int width = kLabelWidth + int(kColumns.size()) * (kButtonWidth + kGap) + kGap;
    const int rows = int(kLookNames.size() + kProgramButtons.size());
    const int height = 2 * kHeaderHeight + rows * (kButtonHeight + kGap) + kGap;
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(255, 255, 255));
    QPainter painter(&sheet);
    QFont labelFont(QStringLiteral("Liberation Sans"));
    labelFont.setPixelSize(13);
    painter.setFont(labelFont);
    const auto header = [&painter](int top) {
        for (size_t c = 0; c < kColumns.size(); ++c)
            painter.drawText(QRect(kLabelWidth + int(c) * (kButtonWidth + kGap), top, kButtonWidth,
                                   kHeaderHeight),
                             Qt::AlignCenter, QString::fromLatin1(kColumnNames[c]));
    };
    const auto drawRow = [&painter](int top, const QString &label, ButtonModel model) {
        painter.drawText(QRect(8, top, kLabelWidth - 8, kButtonHeight),
                         Qt::AlignVCenter | Qt::AlignLeft, label);
        for (size_t c = 0; c < kColumns.size(); ++c)
            drawButton(painter, QPoint(kLabelWidth + int(c) * (kButtonWidth + kGap), top), model,
                       kColumns[c]);
    };

    header(0);
    QFont captionFont(QStringLiteral("Liberation Sans"));
    captionFont.setPixelSize(13);
    const PicturePtr picture = samplePicture();
    const QImage background = stripedBackground();
    int top = kHeaderHeight;
    for (size_t row = 0; row < kLookNames.size(); ++row, top += kButtonHeight + kGap) {
        ButtonModel model;
        model.ButtonType = int(row) + 1;
        model.Caption = QStringLiteral("&Stampa");
        model.Font = captionFont;
        model.PictureNormal = picture;
        model.Background = background;
        drawRow(top, QString::fromLatin1(kLookNames[row]), model);
    }

    // The program's own buttons: their pictures on the look both windows use.
    header(top);
    top += kHeaderHeight;
    for (const ProgramButton &button : kProgramButtons) {
        ButtonModel model;
        model.ButtonType = GradientRounded;
        model.Caption = QString::fromLatin1(button.caption);
        model.Font = captionFont;
        model.PictureNormal = programPicture(QString::fromLatin1(button.picture));
        drawRow(top, QString::fromLatin1(button.picture), model);
        top += kButtonHeight + kGap;
    }
    return sheet;
}

} // namespace Tavo::ButtonDrawing
