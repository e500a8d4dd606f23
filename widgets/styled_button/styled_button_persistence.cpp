#include "widgets/styled_button/styled_button.h"

#include "widgets/styled_button/ole_color.h"
#include "widgets/styled_button/property_bag.h"

#include <QApplication>
#include <QPalette>

// How the styled button stores itself in its window's layout and reads itself back.

namespace Tavo {

void StyledButton::readProperties(const PropertyBag &bag)
{
    // Values go straight into the fields: loading neither computes colours nor draws.
    m_model.ButtonType = bag.readInt32(QStringLiteral("BTYPE"), Standard3D);
    m_model.Caption = bag.readString(QStringLiteral("TX"), QString());
    m_model.Enabled = bag.readBool(QStringLiteral("ENAB"), true);
    applyFont(bag.readFont(QStringLiteral("FONT"), m_model.Font));
    m_model.ColorScheme = bag.readInt32(QStringLiteral("COLTYPE"), SystemColors);
    m_model.ShowFocusRect = bag.readBool(QStringLiteral("FOCUSR"), true);
    const QPalette system = QApplication::palette();
    m_model.BackColor =
        bag.readColour(QStringLiteral("BCOL"), toOleColor(system.color(QPalette::Button)));
    m_model.BackOver = bag.readColour(QStringLiteral("BCOLO"), m_model.BackColor);
    m_model.ForeColor =
        bag.readColour(QStringLiteral("FCOL"), toOleColor(system.color(QPalette::ButtonText)));
    m_model.ForeOver = bag.readColour(QStringLiteral("FCOLO"), m_model.ForeColor);
    m_model.MaskColor = bag.readColour(QStringLiteral("MCOL"), 0xC0C0C0);
    m_mousePointer = bag.readInt16(QStringLiteral("MPTR"), PointerDefault);
    m_mouseIcon = bag.readPicture(QStringLiteral("MICON"));
    applyPointer();
    m_model.PictureNormal = bag.readPicture(QStringLiteral("PICN"));
    m_model.PictureOver = bag.readPicture(QStringLiteral("PICH"));
    m_model.UseMaskColor = bag.readBool(QStringLiteral("UMCOL"), true);
    m_model.SoftBevel = bag.readBool(QStringLiteral("SOFT"), false);
    m_model.PicturePosition = bag.readInt32(QStringLiteral("PICPOS"), PictureLeft);
    m_model.UseGreyscale = bag.readBool(QStringLiteral("NGREY"), false);
    m_model.SpecialEffect = bag.readInt32(QStringLiteral("FX"), EffectNone);
    setHandPointer(bag.readBool(QStringLiteral("HAND"), false));
    m_model.CheckBoxBehaviour = bag.readBool(QStringLiteral("CHECK"), false);
    m_model.Value = bag.readBool(QStringLiteral("VALUE"), false);

    QWidget::setEnabled(m_model.Enabled);
    MeasurePicture();
    m_renderer.LayoutContent(m_model);
    UpdateAccessKey();
}

void StyledButton::writeProperties(PropertyBag &bag) const
{
    bag.writeInt32(QStringLiteral("BTYPE"), m_model.ButtonType);
    bag.writeString(QStringLiteral("TX"), m_model.Caption);
    bag.writeBool(QStringLiteral("ENAB"), m_model.Enabled);
    bag.writeFont(QStringLiteral("FONT"), m_model.Font);
    bag.writeInt32(QStringLiteral("COLTYPE"), m_model.ColorScheme);
    bag.writeBool(QStringLiteral("FOCUSR"), m_model.ShowFocusRect);
    bag.writeColour(QStringLiteral("BCOL"), m_model.BackColor);
    bag.writeColour(QStringLiteral("BCOLO"), m_model.BackOver);
    bag.writeColour(QStringLiteral("FCOL"), m_model.ForeColor);
    bag.writeColour(QStringLiteral("FCOLO"), m_model.ForeOver);
    bag.writeColour(QStringLiteral("MCOL"), m_model.MaskColor);
    bag.writeInt16(QStringLiteral("MPTR"), m_mousePointer);
    // An absent picture is left out of the bag.
    if (m_mouseIcon)
        bag.writePicture(QStringLiteral("MICON"), m_mouseIcon);
    if (m_model.PictureNormal)
        bag.writePicture(QStringLiteral("PICN"), m_model.PictureNormal);
    if (m_model.PictureOver)
        bag.writePicture(QStringLiteral("PICH"), m_model.PictureOver);
    bag.writeBool(QStringLiteral("UMCOL"), m_model.UseMaskColor);
    bag.writeBool(QStringLiteral("SOFT"), m_model.SoftBevel);
    bag.writeInt32(QStringLiteral("PICPOS"), m_model.PicturePosition);
    bag.writeBool(QStringLiteral("NGREY"), m_model.UseGreyscale);
    bag.writeInt32(QStringLiteral("FX"), m_model.SpecialEffect);
    bag.writeBool(QStringLiteral("HAND"), m_handPointer);
    bag.writeBool(QStringLiteral("CHECK"), m_model.CheckBoxBehaviour);
    bag.writeBool(QStringLiteral("VALUE"), m_model.Value);
}

} // namespace Tavo
