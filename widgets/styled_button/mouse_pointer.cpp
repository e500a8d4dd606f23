#include "widgets/styled_button/mouse_pointer.h"

#include <QPixmap>

namespace Tavo {

std::optional<QCursor> cursorForPointer(qint16 code, const ButtonDrawing::PicturePtr &icon)
{
    switch (code) {
    case 1:
    case 4:
        return QCursor(Qt::ArrowCursor);
    case 2:
        return QCursor(Qt::CrossCursor);
    case 3:
        return QCursor(Qt::IBeamCursor);
    case 5:
    case 15:
        return QCursor(Qt::SizeAllCursor);
    case 6:
        return QCursor(Qt::SizeBDiagCursor);
    case 7:
        return QCursor(Qt::SizeVerCursor);
    case 8:
        return QCursor(Qt::SizeFDiagCursor);
    case 9:
        return QCursor(Qt::SizeHorCursor);
    case 10:
        return QCursor(Qt::UpArrowCursor);
    case 11:
        return QCursor(Qt::WaitCursor);
    case 12:
        return QCursor(Qt::ForbiddenCursor);
    case 13:
        return QCursor(Qt::BusyCursor);
    case 14:
        return QCursor(Qt::WhatsThisCursor);
    case 99: {
        if (!icon || icon->image.isNull())
            return std::nullopt;
        bool okX = false;
        bool okY = false;
        const int x = icon->image.text(QStringLiteral("HotSpotX")).toInt(&okX);
        const int y = icon->image.text(QStringLiteral("HotSpotY")).toInt(&okY);
        return QCursor(QPixmap::fromImage(icon->image), okX && okY ? x : -1, okX && okY ? y : -1);
    }
    default:
        return std::nullopt;
    }
}

} // namespace Tavo
