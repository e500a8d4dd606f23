#pragma once

#include <QDir>
#include <QImage>
#include <QString>

// Snapshot tests compare a rendered image with a reviewed golden PNG kept in the source tree.
// With TAVO_UPDATE_GOLDEN=1 in the environment the image becomes the new golden instead
// (scripts/update_golden.sh; look at the difference before committing it).
namespace Golden {

// Empty when `actual` equals the golden file `path` pixel for pixel; otherwise says where they
// first differ, and keeps the actual image beside the test as NAME.actual.png to look at.
inline QString compare(const QImage &actual, const QString &path)
{
    if (qEnvironmentVariableIntValue("TAVO_UPDATE_GOLDEN") == 1) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        return actual.save(path) ? QString() : QStringLiteral("cannot write ") + path;
    }
    const QImage golden = QImage(path).convertToFormat(actual.format());
    QString difference;
    if (golden.isNull())
        difference = QStringLiteral("no golden image %1").arg(path);
    else if (golden.size() != actual.size())
        difference = QStringLiteral("size %1x%2, golden %3x%4")
                         .arg(actual.width())
                         .arg(actual.height())
                         .arg(golden.width())
                         .arg(golden.height());
    for (int y = 0; difference.isEmpty() && y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if (actual.pixel(x, y) != golden.pixel(x, y)) {
                difference = QStringLiteral("first difference at (%1, %2): #%3, golden #%4")
                                 .arg(x)
                                 .arg(y)
                                 .arg(actual.pixel(x, y), 8, 16, QLatin1Char('0'))
                                 .arg(golden.pixel(x, y), 8, 16, QLatin1Char('0'));
                break;
            }
        }
    }
    if (!difference.isEmpty()) {
        const QString kept = QFileInfo(path).completeBaseName() + QStringLiteral(".actual.png");
        actual.save(kept);
        difference += QStringLiteral("; actual image in ") + QDir::current().filePath(kept);
    }
    return difference;
}

} // namespace Golden
