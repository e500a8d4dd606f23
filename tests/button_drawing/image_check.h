#pragma once

// Helpers for pixel tests: expected images written as character grids, and a comparison
// that names the first differing pixel and keeps the actual image in /tmp for a look.

#include <QColor>
#include <QDir>
#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace ImageCheck {

// An image whose pixel (x, y) is colours[rows[y][x]].
inline QImage imageFromGrid(const QStringList &rows, const QHash<QChar, QRgb> &colours)
{
    QImage image(int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, colours.value(rows.at(y).at(x), qRgb(255, 0, 255)));
    return image;
}

inline QString describe(QRgb c)
{
    return QStringLiteral("(%1,%2,%3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

// Empty when both images are equal; otherwise what differs first, and the actual image is
// saved as /tmp/<name>-actual.png (and the expected one beside it).
inline QString firstDifference(const QImage &actual, const QImage &expected, const QString &name)
{
    QString message;
    if (actual.size() != expected.size()) {
        message = QStringLiteral("size %1x%2, expected %3x%4")
                      .arg(actual.width())
                      .arg(actual.height())
                      .arg(expected.width())
                      .arg(expected.height());
    } else {
        for (int y = 0; y < actual.height() && message.isEmpty(); ++y)
            for (int x = 0; x < actual.width() && message.isEmpty(); ++x)
                if ((actual.pixel(x, y) & 0xFFFFFF) != (expected.pixel(x, y) & 0xFFFFFF))
                    message =
                        QStringLiteral("pixel (%1,%2) is %3, expected %4")
                            .arg(x)
                            .arg(y)
                            .arg(describe(actual.pixel(x, y)), describe(expected.pixel(x, y)));
    }
    if (!message.isEmpty()) {
        QString file = name;
        file.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")), QStringLiteral("_"));
        actual.save(QDir::tempPath() + QLatin1Char('/') + file + QStringLiteral("-actual.png"));
        expected.save(QDir::tempPath() + QLatin1Char('/') + file + QStringLiteral("-expected.png"));
        message += QStringLiteral(" (saved to %1/%2-actual.png)").arg(QDir::tempPath(), file);
    }
    return message;
}

} // namespace ImageCheck

// Compares two images and fails with the first differing pixel.
#define COMPARE_IMAGE(actual, expected)                                                            \
    do {                                                                                           \
        const QString difference_ = ImageCheck::firstDifference(                                   \
            (actual), (expected),                                                                  \
            QString::fromLatin1(QTest::currentTestFunction()) + QLatin1Char('-') +                 \
                QString::fromLatin1(QTest::currentDataTag()));                                     \
        QVERIFY2(difference_.isEmpty(), qPrintable(difference_));                                  \
    } while (false)
