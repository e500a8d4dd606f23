#include "widgets/styled_button/styled_button.h"

#include <QEvent>
#include <QImage>
#include <QPainter>

// The styled button on the screen: its colours from the container, the background behind it,
// its size and shape, and its image, drawn when shown and painted as drawn.

namespace Tavo {

void StyledButton::ComputeColors()
{
    const QPalette container = parentWidget() ? parentWidget()->palette() : palette();
    m_model.ContainerBackground = container.color(QPalette::Window);
    m_model.ContainerText = container.color(QPalette::WindowText);
    m_renderer.ComputeColors(m_model);
}

void StyledButton::CaptureBackground()
{
    QWidget *container = parentWidget();
    if (!container || width() <= 0 || height() <= 0) {
        m_model.Background = QImage();
        return;
    }
    // The container paints the area behind the button into an image while the button itself
    // paints nothing, so the image holds what the button covers. No events are processed.
    ResizeSuppressed = true;
    m_capturingBackground = true;
    QImage background(size(), QImage::Format_ARGB32_Premultiplied);
    background.fill(Qt::transparent);
    // An opaque child would be cut out of the container's painting: not opaque meanwhile.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    container->render(&background, QPoint(), QRegion(geometry()),
                      QWidget::DrawWindowBackground | QWidget::DrawChildren);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    m_capturingBackground = false;
    ResizeSuppressed = false;
    m_model.Background = background;
}

void StyledButton::runResizeSequence()
{
    if (ResizeSuppressed)
        return;
    m_renderer.setClientSize(width(), height(), m_model.ButtonType);
    m_renderer.LayoutContent(m_model);
    setMask(m_renderer.BuildRegion(m_model.ButtonType));
    if (m_renderer.ClientHeight != 0)
        Redraw(StateUp, true);
}

void StyledButton::ambientChanged()
{
    if (m_model.ColorScheme == CustomColors)
        return;
    ComputeColors();
    redrawAsLastDrawn();
}

void StyledButton::watchContainer()
{
    if (m_container)
        m_container->removeEventFilter(this);
    m_container = parentWidget();
    if (m_container)
        m_container->installEventFilter(this);
}

bool StyledButton::Redraw(quint8 state, bool force)
{
    if (!m_renderer.Redraw(m_model, state, force))
        return false;
    update();
    return true;
}

void StyledButton::paintEvent(QPaintEvent *)
{
    if (m_capturingBackground)
        return;
    QPainter painter(this);
    painter.drawImage(rect(), m_renderer.image());
}

void StyledButton::resizeEvent(QResizeEvent *)
{
    runResizeSequence();
}

void StyledButton::showEvent(QShowEvent *)
{
    if (m_model.ButtonType == SeeThrough)
        CaptureBackground();
    m_renderer.DrawingEnabled = true;
    // Shown on a screen of another resolution than the one the picture was measured for.
    if (m_model.DpiX != logicalDpiX() || m_model.DpiY != logicalDpiY()) {
        MeasurePicture();
        m_renderer.LayoutContent(m_model);
    }
    ComputeColors();
    Redraw(StateUp, true);
}

void StyledButton::hideEvent(QHideEvent *)
{
    m_renderer.DrawingEnabled = false;
}

void StyledButton::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::PaletteChange:
        ambientChanged(); // the container's colours reach the button as its palette
        break;
    case QEvent::ParentChange:
        watchContainer();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

bool StyledButton::eventFilter(QObject *watched, QEvent *event)
{
    // The button keeps a font of its own, so the container's font changes reach it only here.
    if (watched == m_container && event->type() == QEvent::FontChange)
        ambientChanged();
    return QWidget::eventFilter(watched, event);
}

void StyledButton::MeasurePicture()
{
    m_model.DpiX = logicalDpiX();
    m_model.DpiY = logicalDpiY();
    m_renderer.MeasurePicture(m_model);
}

} // namespace Tavo
