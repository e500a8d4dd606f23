#include "widgets/group_box_look.h"

#include <QFontMetrics>
#include <QGroupBox>

namespace Tavo {

void setCaptionOnFrameLine(QGroupBox *frame)
{
    const int captionMiddle = QFontMetrics(frame->font()).height() / 2;
    frame->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid #a0a0a0; margin-top: %1px; }"
                                        "QGroupBox::title { subcontrol-origin: margin; left: 6px;"
                                        " padding: 0 2px; background-color: white; }")
                             .arg(captionMiddle));
}

} // namespace Tavo
