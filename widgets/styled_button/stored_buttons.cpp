#include "widgets/styled_button/stored_buttons.h"

#include "widgets/styled_button/styled_button.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>

#include <cmath>

namespace Tavo {

namespace {

void setError(QString *error, const QString &message)
{
    if (error)
        *error = message;
}

} // namespace

std::optional<QList<StoredButton>> readStoredButtons(const QString &jsonPath, QString *error)
{
    QFile file(jsonPath);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error,
                 QStringLiteral("Impossibile aprire %1: %2").arg(jsonPath, file.errorString()));
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (document.isNull()) {
        setError(error, QStringLiteral("%1 non è un documento valido: %2")
                            .arg(jsonPath, parseError.errorString()));
        return std::nullopt;
    }
    const QString folder = QFileInfo(jsonPath).path();
    QList<StoredButton> buttons;
    for (const QJsonValue &item : document.object().value("buttons").toArray()) {
        const QJsonObject object = item.toObject();
        StoredButton button;
        button.name = object.value("name").toString();
        QString message;
        const auto bag =
            PropertyBag::fromJson(object.value("properties").toArray(), folder, &message);
        if (button.name.isEmpty() || !bag) {
            setError(error, QStringLiteral("%1, pulsante \"%2\": %3")
                                .arg(jsonPath, button.name,
                                     bag ? QStringLiteral("nome mancante.") : message));
            return std::nullopt;
        }
        button.properties = *bag;
        buttons.append(button);
    }
    return buttons;
}

int extentToPixels(int hundredthsOfMillimetre, double dotsPerInch)
{
    return int(std::lround(hundredthsOfMillimetre * dotsPerInch / 2540.0));
}

QHash<QString, StyledButton *> loadStoredButtons(const QString &jsonPath, QWidget *parent,
                                                 QString *error)
{
    QHash<QString, StyledButton *> created;
    const auto stored = readStoredButtons(jsonPath, error);
    if (!stored)
        return created;
    double dpiX = 96.0;
    double dpiY = 96.0;
    if (parent) {
        dpiX = parent->logicalDpiX();
        dpiY = parent->logicalDpiY();
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        dpiX = screen->logicalDotsPerInchX();
        dpiY = screen->logicalDotsPerInchY();
    }
    for (const StoredButton &entry : *stored) {
        auto *button = new StyledButton(entry.name, parent);
        button->readProperties(entry.properties);
        button->resize(
            extentToPixels(entry.properties.readInt32(QStringLiteral("_extentx"), 0), dpiX),
            extentToPixels(entry.properties.readInt32(QStringLiteral("_extenty"), 0), dpiY));
        created.insert(entry.name, button);
    }
    return created;
}

} // namespace Tavo
