#pragma once

#include <QLabel>

namespace Tavo {

// A label that works as a link: clicked() when the left button is pressed and released on it.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace Tavo
