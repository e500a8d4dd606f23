#pragma once

#include <QDir>
#include <QImage>

// Snapshot tests compare a rendered image with a reviewed golden PNG kept in the source tree.
// With TAVO_UPDATE_GOLDEN=1 in the environment the image becomes the new golden instead
// (scripts/update_golden.sh; look at the difference before committing it).
namespace Golden {

// Empty when `actual` equals the golden file `path` pixel for pixel; otherwise says where they
// first differ, and keeps the actual image in the working folder as NAME.actual.png.
inline QString compare(const QImage &actual, const QString &path)
{
    if (qEnvironmentVariableIntValue("TAVO_UPDATE_GOLDEN") == 1)
        return actual.save(path) ? QString() : u"cannot write "_qs + path;
    const QImage golden = QImage(path).convertToFormat(actual.format());
    QString difference;
    if (golden.size() != actual.size())
        difference = u"no golden image %1 of size %2x%3"_qs.arg(path)
                         .arg(actual.width())
                         .arg(actual.height());
    for (int y = 0; difference.isEmpty() && y < actual.height(); ++y)
        for (int x = 0; difference.isEmpty() && x < actual.width(); ++x)
            if (actual.pixel(x, y) != golden.pixel(x, y))
                difference = u"first difference at (%1, %2): #%3, golden #%4"_qs.arg(x)
                                 .arg(y)
                                 .arg(actual.pixel(x, y), 8, 16)
                                 .arg(golden.pixel(x, y), 8, 16);
    if (!difference.isEmpty()) {
        const QString kept = QFileInfo(path).completeBaseName() + u".actual.png"_qs;
        actual.save(kept);
        difference += u"; actual image in "_qs + QDir::current().filePath(kept);
    }
    return difference;
}

} // namespace Golden
