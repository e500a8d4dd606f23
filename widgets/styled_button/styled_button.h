#pragma once

#include "widgets/styled_button/drawing/button_model.h"
#include "widgets/styled_button/drawing/button_renderer.h"

#include <QPoint>
#include <QTimer>
#include <QWidget>

class QShortcut;

namespace Tavo {

class PropertyBag;

// The owner-drawn push button of the program's windows. It keeps its persisted properties in
// a ButtonModel, draws through a ButtonRenderer into a backing image and shows that image when
// painted; it draws only when Redraw runs. Its nine events are signals whose arguments are
// passed by reference: a handler connected directly may change them, and the button goes on
// with the changed values. Mouse positions are in pixels of the button, codes are Windows'.
class StyledButton : public QWidget
{
    Q_OBJECT

public:
    using OleColor = ButtonDrawing::OleColor;
    using PicturePtr = ButtonDrawing::PicturePtr;

    enum ButtonTypeKind
    {
        FramedBevel = 1,
        Standard3D,
        GradientRounded,
        RoundedShaded,
        ShadedFrame,
        Soft3D,
        Thin3D,
        FlatHover,
        HoverSelect,
        PictureOnly,
        SeeThrough,
        Hover3D,
        Oval,
        GradientBanded
    };
    Q_ENUM(ButtonTypeKind)
    enum ColorSchemeKind
    {
        SystemColors = 1,
        CustomColors,
        FixedGrey,
        ContainerColors
    };
    Q_ENUM(ColorSchemeKind)
    enum PicturePositionKind
    {
        PictureLeft,
        PictureRight,
        PictureTop,
        PictureBottom,
        PictureBehind
    };
    Q_ENUM(PicturePositionKind)
    enum SpecialEffectKind
    {
        EffectNone,
        EffectRaised,
        EffectSunken,
        EffectShadow
    };
    Q_ENUM(SpecialEffectKind)

    static constexpr quint8 StateUp = ButtonDrawing::ButtonRenderer::StateUp;
    static constexpr quint8 StateDown = ButtonDrawing::ButtonRenderer::StateDown;
    // Standard pointer codes of MousePointer.
    static constexpr qint16 PointerDefault = 0;
    static constexpr qint16 PointerArrow = 1;
    static constexpr qint16 PointerCustom = 99;

    // A new button with the defaults of a newly placed control; its caption is the name the
    // window gives it (also its objectName), "StyledButton" when none is given.
    explicit StyledButton(QWidget *parent = nullptr);
    StyledButton(const QString &name, QWidget *parent);
    ~StyledButton() override;

    OleColor BackColor() const { return m_model.BackColor; }
    void setBackColor(OleColor colour);
    OleColor BackOver() const { return m_model.BackOver; }
    void setBackOver(OleColor colour);
    OleColor ForeColor() const { return m_model.ForeColor; }
    void setForeColor(OleColor colour);
    OleColor ForeOver() const { return m_model.ForeOver; }
    void setForeOver(OleColor colour);
    OleColor MaskColor() const { return m_model.MaskColor; }
    void setMaskColor(OleColor colour);
    int ButtonType() const { return m_model.ButtonType; }
    void setButtonType(int type);
    QString Caption() const { return m_model.Caption; }
    void setCaption(const QString &caption);
    bool Enabled() const { return m_model.Enabled; }
    // Also enables or disables the button's window: a disabled one gets no input.
    void setEnabled(bool enabled);
    QFont Font() const { return m_model.Font; }
    void setFont(const QFont &font);
    bool FontBold() const { return m_model.Font.bold(); }
    void setFontBold(bool bold);
    bool FontItalic() const { return m_model.Font.italic(); }
    void setFontItalic(bool italic);
    bool FontUnderline() const { return m_model.Font.underline(); }
    void setFontUnderline(bool underline);
    // Whole points, halves to the even neighbour.
    qint16 FontSize() const;
    void setFontSize(qint16 points);
    QString FontName() const { return m_model.Font.family(); }
    void setFontName(const QString &name);
    int ColorScheme() const { return m_model.ColorScheme; }
    void setColorScheme(int scheme);
    bool ShowFocusRect() const { return m_model.ShowFocusRect; }
    void setShowFocusRect(bool show);
    qint16 MousePointer() const { return m_mousePointer; }
    // False, changing nothing, when the code does not fit 16 bits.
    bool setMousePointer(qint64 code);
    PicturePtr MouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const PicturePtr &icon);
    bool HandPointer() const { return m_handPointer; }
    // False when the hand cursor cannot be loaded: the flag is stored, the pointer unchanged.
    bool setHandPointer(bool hand);
    QWidget *hwnd() { return this; }
    bool SoftBevel() const { return m_model.SoftBevel; }
    void setSoftBevel(bool soft);
    PicturePtr PictureNormal() const { return m_model.PictureNormal; }
    void setPictureNormal(const PicturePtr &picture);
    PicturePtr PictureOver() const { return m_model.PictureOver; }
    void setPictureOver(const PicturePtr &picture);
    int PicturePosition() const { return m_model.PicturePosition; }
    void setPicturePosition(int position);
    bool UseMaskColor() const { return m_model.UseMaskColor; }
    void setUseMaskColor(bool use);
    bool UseGreyscale() const { return m_model.UseGreyscale; }
    void setUseGreyscale(bool use);
    int SpecialEffect() const { return m_model.SpecialEffect; }
    void setSpecialEffect(int effect);
    bool CheckBoxBehaviour() const { return m_model.CheckBoxBehaviour; }
    void setCheckBoxBehaviour(bool check);
    bool Value() const { return m_model.Value; }
    void setValue(bool value);
    static QString Version() { return QStringLiteral("2.0.6"); }

    // Stops all drawing until Refresh (or the next show).
    void DisableRefresh();
    // Recomputes colours and layout, enables drawing and redraws as last drawn.
    void Refresh();

    // The window's ambient user mode: false while the window is being designed. The program
    // has no designer, so it stays true unless a caller says otherwise.
    bool UserMode() const { return m_userMode; }
    void setUserMode(bool userMode) { m_userMode = userMode; }
    // Whether the window shows this button as its default button; a change is an ambient one.
    bool DisplayAsDefault() const { return m_model.DisplayAsDefault; }
    void setDisplayAsDefault(bool isDefault);

    // The persisted properties, read from and written to a window's stored layout.
    void readProperties(const PropertyBag &bag);
    void writeProperties(PropertyBag &bag) const;

    // Input state.
    quint8 LastButton() const { return m_LastButton; }
    quint8 LastKeyCode() const { return m_LastKeyCode; }
    bool Hovering() const { return m_model.Hovering; }
    bool HasFocus() const { return m_model.HasFocus; }
    bool isOverTimerActive() const { return OverTimer.isActive(); }
    // The lower-cased access key of the caption, or a null QChar.
    QChar accessKey() const { return m_accessKey; }
    // Whether the window under the mouse pointer is this button (its shape counts).
    bool IsPointerOver() const;

    const ButtonDrawing::ButtonModel &model() const { return m_model; }
    const ButtonDrawing::ButtonRenderer &renderer() const { return m_renderer; }

Q_SIGNALS:
    void Click();
    void MouseDown(short &Button, short &Shift, float &X, float &Y);
    void MouseMove(short &Button, short &Shift, float &X, float &Y);
    void MouseUp(short &Button, short &Shift, float &X, float &Y);
    void KeyPress(short &KeyAscii);
    void KeyDown(short &KeyCode, short &Shift);
    void KeyUp(short &KeyCode, short &Shift);
    void MouseOver();
    void MouseOut();
    // The persisted state changed: the window should save its layout again.
    void propertiesChanged();

protected:
    // Draws the given state (StateUp or StateDown) when forced or when state or caption
    // changed, and schedules the new image for the screen. Returns whether it drew.
    virtual bool Redraw(quint8 state, bool force);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void initNewButton(const QString &displayName);
    void applyFont(const QFont &font);
    void changeFontPart(const QFont &font);
    void ComputeColors();
    void CaptureBackground();
    void runResizeSequence();
    void ambientChanged();
    void watchContainer();
    void applyPointer();
    void UpdateAccessKey();
    // Measures PictureNormal at the resolution of the button's screen.
    void MeasurePicture();
    void redrawAsLastDrawn() { Redraw(m_renderer.LastState, true); }
    void markChanged() { Q_EMIT propertiesChanged(); }

    // Input steps.
    void pressButton(short button, short shift, float x, float y);
    void clickButton();
    void overTimerTick();
    void accessKeyPressed();
    void moveFocus(bool next);
    bool isInsideShape(QPoint pos) const;

    ButtonDrawing::ButtonModel m_model;
    ButtonDrawing::ButtonRenderer m_renderer;

    QTimer OverTimer;
    quint8 m_LastButton = 0;
    quint8 m_LastKeyCode = 0;
    bool ResizeSuppressed = false;

    qint16 m_mousePointer = PointerDefault;
    PicturePtr m_mouseIcon;
    bool m_handPointer = false;
    bool m_userMode = true;

    QChar m_accessKey;
    QShortcut *m_accessShortcut = nullptr;
    QWidget *m_container = nullptr;

    // Mouse state between a press and its release.
    Qt::MouseButton m_pressedButton = Qt::NoButton;
    bool m_afterDoubleClick = false;
    bool m_grabbedAfterDoubleClick = false;
    // Where the pointer was last seen inside the button, for platforms without a global
    // pointer position.
    bool m_pointerInside = false;
    QPoint m_lastPointerPos;
    bool m_capturingBackground = false;
};

} // namespace Tavo
