#include "widgets/styled_button/styled_button.h"

#include "widgets/styled_button/access_key.h"
#include "widgets/styled_button/button_accessibility.h"
#include "widgets/styled_button/mouse_pointer.h"

#include <QImage>
#include <QShortcut>

#include <cmath>
#include <limits>

// The styled button's construction and its properties; input, display and persistence live in
// the other styled_button_*.cpp files.

namespace Tavo {

namespace {

const QString kHandCursorResource = QStringLiteral(":/styled_button/cursor/101");

} // namespace

StyledButton::StyledButton(QWidget *parent) : StyledButton(QString(), parent) {}

StyledButton::StyledButton(const QString &name, QWidget *parent) : QWidget(parent)
{
    installButtonAccessibility();
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    OverTimer.setObjectName(QStringLiteral("OverTimer"));
    OverTimer.setInterval(3);
    connect(&OverTimer, &QTimer::timeout, this, &StyledButton::overTimerTick);
    m_renderer.DrawingEnabled = true;
    watchContainer();
    initNewButton(name.isEmpty() ? QStringLiteral("StyledButton") : name);
}

StyledButton::~StyledButton()
{
    m_renderer.DrawingEnabled = false;
}

void StyledButton::initNewButton(const QString &displayName)
{
    m_model.Enabled = true;
    m_model.ShowFocusRect = true;
    m_model.UseMaskColor = true;
    m_model.Caption = displayName;
    applyFont(parentWidget() ? parentWidget()->font() : QWidget::font());
    m_model.ButtonType = Standard3D;
    m_model.ColorScheme = SystemColors;
    ComputeColors();
    const ButtonDrawing::ButtonPalette &palette = m_renderer.palette();
    m_model.BackColor = m_model.BackOver = palette.FaceColor;
    m_model.ForeColor = m_model.ForeOver = palette.TextColor;
    m_model.MaskColor = 0xC0C0C0;
    m_renderer.LayoutContent(m_model);
    UpdateAccessKey();
}

void StyledButton::setBackColor(OleColor colour)
{
    m_model.BackColor = colour;
    if (!m_userMode)
        m_model.BackOver = colour;
    ComputeColors();
    redrawAsLastDrawn();
    markChanged();
}

void StyledButton::setBackOver(OleColor colour)
{
    m_model.BackOver = colour;
    ComputeColors();
    redrawAsLastDrawn();
    markChanged();
}

void StyledButton::setForeColor(OleColor colour)
{
    m_model.ForeColor = colour;
    if (!m_userMode)
        m_model.ForeOver = colour;
    ComputeColors();
    redrawAsLastDrawn();
    markChanged();
}

void StyledButton::setForeOver(OleColor colour)
{
    m_model.ForeOver = colour;
    ComputeColors();
    redrawAsLastDrawn();
    markChanged();
}

void StyledButton::setMaskColor(OleColor colour)
{
    m_model.MaskColor = colour;
    ComputeColors();
    redrawAsLastDrawn();
    markChanged();
}

void StyledButton::setButtonType(int type)
{
    m_model.ButtonType = type;
    if (type == ShadedFrame && !m_userMode)
        applyFont([this] {
            QFont bold = m_model.Font;
            bold.setBold(true);
            return bold;
        }());
    else if (type == SeeThrough && m_renderer.DrawingEnabled)
        CaptureBackground();
    runResizeSequence();
    markChanged();
}

void StyledButton::setCaption(const QString &caption)
{
    m_model.Caption = caption;
    UpdateAccessKey();
    m_renderer.LayoutContent(m_model);
    Redraw(StateUp, true);
    markChanged();
}

void StyledButton::setEnabled(bool enabled)
{
    m_model.Enabled = enabled;
    Redraw(StateUp, true);
    QWidget::setEnabled(enabled);
    markChanged();
}

void StyledButton::setFont(const QFont &font)
{
    applyFont(font);
    m_renderer.LayoutContent(m_model);
    Redraw(StateUp, true);
    markChanged();
}

void StyledButton::changeFontPart(const QFont &font)
{
    applyFont(font);
    m_renderer.LayoutContent(m_model);
    Redraw(StateUp, true);
}

void StyledButton::setFontBold(bool bold)
{
    QFont font = m_model.Font;
    font.setBold(bold);
    changeFontPart(font);
}

void StyledButton::setFontItalic(bool italic)
{
    QFont font = m_model.Font;
    font.setItalic(italic);
    changeFontPart(font);
}

void StyledButton::setFontUnderline(bool underline)
{
    QFont font = m_model.Font;
    font.setUnderline(underline);
    changeFontPart(font);
}

qint16 StyledButton::FontSize() const
{
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    return qint16(std::nearbyint(m_model.Font.pointSizeF()));
}

void StyledButton::setFontSize(qint16 points)
{
    QFont font = m_model.Font;
    if (points > 0)
        font.setPointSize(points); // Qt rejects sizes of 0 and below
    changeFontPart(font);
}

void StyledButton::setFontName(const QString &name)
{
    QFont font = m_model.Font;
    font.setFamily(name);
    changeFontPart(font);
}

void StyledButton::applyFont(const QFont &font)
{
    m_model.Font = font;
    QWidget::setFont(font);
}

void StyledButton::setColorScheme(int scheme)
{
    m_model.ColorScheme = scheme;
    ComputeColors();
    Redraw(StateUp, true);
    markChanged();
}

void StyledButton::setShowFocusRect(bool show)
{
    m_model.ShowFocusRect = show;
    redrawAsLastDrawn();
    markChanged();
}

bool StyledButton::setMousePointer(qint64 code)
{
    if (code < std::numeric_limits<qint16>::min() || code > std::numeric_limits<qint16>::max())
        return false; // overflow: nothing changes
    m_mousePointer = qint16(code);
    applyPointer();
    markChanged();
    return true;
}

void StyledButton::setMouseIcon(const PicturePtr &icon)
{
    m_mouseIcon = icon;
    applyPointer();
    markChanged();
}

bool StyledButton::setHandPointer(bool hand)
{
    m_handPointer = hand;
    bool loaded = true;
    if (hand) {
        QImage cursor(kHandCursorResource);
        loaded = !cursor.isNull();
        if (loaded) {
            auto picture = std::make_shared<ButtonDrawing::ButtonPicture>();
            picture->kind = ButtonDrawing::ButtonPicture::Kind::Icon;
            picture->image = cursor;
            m_mouseIcon = picture;
            m_mousePointer = PointerCustom;
        }
    } else {
        m_mouseIcon.reset();
        m_mousePointer = PointerArrow;
    }
    if (loaded)
        applyPointer();
    markChanged();
    return loaded;
}

void StyledButton::applyPointer()
{
    if (const auto cursor = cursorForPointer(m_mousePointer, m_mouseIcon))
        setCursor(*cursor);
    else
        unsetCursor();
}

void StyledButton::setSoftBevel(bool soft)
{
    m_model.SoftBevel = soft;
    ComputeColors();
    redrawAsLastDrawn();
    markChanged();
}

void StyledButton::setPictureNormal(const PicturePtr &picture)
{
    m_model.PictureNormal = picture;
    MeasurePicture();
    m_renderer.LayoutContent(m_model);
    redrawAsLastDrawn();
    markChanged();
}

void StyledButton::setPictureOver(const PicturePtr &picture)
{
    m_model.PictureOver = picture;
    if (m_model.Hovering)
        redrawAsLastDrawn();
    markChanged();
}

void StyledButton::setPicturePosition(int position)
{
    m_model.PicturePosition = position;
    markChanged();
    m_renderer.LayoutContent(m_model);
    redrawAsLastDrawn();
}

void StyledButton::setUseMaskColor(bool use)
{
    m_model.UseMaskColor = use;
    if (m_model.PictureNormal)
        redrawAsLastDrawn();
    markChanged();
}

void StyledButton::setUseGreyscale(bool use)
{
    m_model.UseGreyscale = use;
    if (m_model.PictureNormal)
        redrawAsLastDrawn();
    markChanged();
}

void StyledButton::setSpecialEffect(int effect)
{
    m_model.SpecialEffect = effect;
    redrawAsLastDrawn();
    markChanged();
}

void StyledButton::setCheckBoxBehaviour(bool check)
{
    m_model.CheckBoxBehaviour = check;
    redrawAsLastDrawn();
    markChanged();
}

void StyledButton::setValue(bool value)
{
    m_model.Value = value;
    if (m_model.CheckBoxBehaviour)
        Redraw(StateUp, true); // a checked button draws itself down
    markChanged();
}

void StyledButton::DisableRefresh()
{
    m_renderer.DrawingEnabled = false;
}

void StyledButton::Refresh()
{
    if (m_model.ButtonType == SeeThrough)
        CaptureBackground();
    ComputeColors();
    m_renderer.LayoutContent(m_model);
    m_renderer.DrawingEnabled = true;
    redrawAsLastDrawn();
}

void StyledButton::setDisplayAsDefault(bool isDefault)
{
    if (m_model.DisplayAsDefault == isDefault)
        return;
    m_model.DisplayAsDefault = isDefault;
    ambientChanged();
}

void StyledButton::UpdateAccessKey()
{
    m_accessKey = AccessKey::of(m_model.Caption);
    setAccessibleName(AccessKey::plainText(m_model.Caption));
    if (m_accessKey.isNull()) {
        delete m_accessShortcut;
        m_accessShortcut = nullptr;
        return;
    }
    if (!m_accessShortcut) {
        m_accessShortcut = new QShortcut(this);
        m_accessShortcut->setContext(Qt::WindowShortcut);
        m_accessShortcut->setAutoRepeat(false);
        connect(m_accessShortcut, &QShortcut::activated, this, &StyledButton::accessKeyPressed);
    }
    // Qt's key code of a character is its upper-case Unicode value.
    m_accessShortcut->setKey(QKeySequence(Qt::ALT | Qt::Key(m_accessKey.toUpper().unicode())));
}

} // namespace Tavo
