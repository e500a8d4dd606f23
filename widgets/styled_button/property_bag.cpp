#include "widgets/styled_button/property_bag.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QJsonObject>

#include <cmath>
#include <limits>

namespace Tavo {

namespace {

// The value as a number, when it is one (booleans count as 0 and -1, as stored layouts do).
std::optional<double> numberOf(const PropertyBag::Value &value)
{
    if (const auto *v = std::get_if<qint32>(&value))
        return *v;
    if (const auto *v = std::get_if<qint16>(&value))
        return *v;
    if (const auto *v = std::get_if<PropertyBag::Colour>(&value))
        return *v;
    if (const auto *v = std::get_if<bool>(&value))
        return *v ? -1 : 0;
    if (const auto *v = std::get_if<QString>(&value)) {
        bool ok = false;
        const double d = v->trimmed().toDouble(&ok);
        if (ok)
            return d;
    }
    return std::nullopt;
}

template <typename Int> std::optional<Int> integerOf(const PropertyBag::Value &value)
{
    const auto number = numberOf(value);
    if (!number || !std::isfinite(*number))
        return std::nullopt;
    const double rounded = std::nearbyint(*number);
    if (rounded < double(std::numeric_limits<Int>::min()) ||
        rounded > double(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return Int(rounded);
}

QString typeName(const PropertyBag::Value &value)
{
    static const char *const names[] = {"int32",  "int16", "bool",   "string",
                                        "colour", "font",  "picture"};
    return QString::fromLatin1(names[value.index()]);
}

QJsonObject fontToJson(const QFont &font)
{
    return QJsonObject{{"name", font.family()},
                       {"size", font.pointSizeF()},
                       {"weight", int(font.weight())},
                       {"italic", font.italic()},
                       {"underline", font.underline()},
                       {"strikeout", font.strikeOut()},
                       {"charset", 0}};
}

QFont fontFromJson(const QJsonObject &object)
{
    QFont font(object.value("name").toString());
    font.setPointSizeF(object.value("size").toDouble(8.25));
    font.setWeight(QFont::Weight(std::clamp(object.value("weight").toInt(400), 1, 1000)));
    font.setItalic(object.value("italic").toBool());
    font.setUnderline(object.value("underline").toBool());
    font.setStrikeOut(object.value("strikeout").toBool());
    return font;
}

QJsonValue pictureToJson(const PropertyBag::Picture &picture)
{
    if (!picture || picture->image.isNull())
        return QJsonValue::Null;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture->image.save(&buffer, "PNG");
    const bool icon = picture->kind == ButtonDrawing::ButtonPicture::Kind::Icon;
    return QJsonObject{{"kind", icon ? "icon" : "bitmap"},
                       {"png", QString::fromLatin1(png.toBase64())}};
}

std::optional<PropertyBag::Picture> pictureFromJson(const QJsonValue &json, const QString &folder,
                                                    QString *error)
{
    if (json.isNull())
        return PropertyBag::Picture();
    const QJsonObject object = json.toObject();
    const QString kind = object.value("kind").toString();
    if (kind != "icon" && kind != "bitmap") {
        *error = QStringLiteral("Tipo di immagine sconosciuto: \"%1\".").arg(kind);
        return std::nullopt;
    }
    QImage image;
    if (object.contains("file")) {
        const QString path = QDir(folder).filePath(object.value("file").toString());
        if (!image.load(path)) {
            *error = QStringLiteral("Impossibile leggere l'immagine %1.").arg(path);
            return std::nullopt;
        }
    } else if (!image.loadFromData(
                   QByteArray::fromBase64(object.value("png").toString().toLatin1()), "PNG")) {
        *error = QStringLiteral("Immagine non leggibile nei dati del pulsante.");
        return std::nullopt;
    }
    auto picture = std::make_shared<ButtonDrawing::ButtonPicture>();
    picture->kind = kind == "icon" ? ButtonDrawing::ButtonPicture::Kind::Icon
                                   : ButtonDrawing::ButtonPicture::Kind::Bitmap;
    picture->image = image;
    return PropertyBag::Picture(picture);
}

QJsonValue valueToJson(const PropertyBag::Value &value)
{
    return std::visit(
        [](const auto &v) -> QJsonValue {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, QFont>)
                return fontToJson(v);
            else if constexpr (std::is_same_v<T, PropertyBag::Picture>)
                return pictureToJson(v);
            else if constexpr (std::is_same_v<T, PropertyBag::Colour>)
                return qint64(v);
            else
                return QJsonValue(v);
        },
        value);
}

// A JSON number that is a whole number within the range of Int.
template <typename Int> std::optional<Int> wholeJsonNumber(const QJsonValue &json)
{
    if (!json.isDouble())
        return std::nullopt;
    const double d = json.toDouble();
    if (d != std::floor(d) || d < double(std::numeric_limits<Int>::min()) ||
        d > double(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return Int(d);
}

std::optional<PropertyBag::Value> valueFromJson(const QString &type, const QJsonValue &json,
                                                const QString &folder, QString *error)
{
    std::optional<PropertyBag::Value> value;
    if (type == "int32") {
        if (const auto v = wholeJsonNumber<qint32>(json))
            value = *v;
    } else if (type == "int16") {
        if (const auto v = wholeJsonNumber<qint16>(json))
            value = *v;
    } else if (type == "colour") {
        if (const auto v = wholeJsonNumber<quint32>(json))
            value = PropertyBag::Colour(*v);
    } else if (type == "bool" && json.isBool()) {
        value = json.toBool();
    } else if (type == "string" && json.isString()) {
        value = json.toString();
    } else if (type == "font" && json.isObject()) {
        value = fontFromJson(json.toObject());
    } else if (type == "picture") {
        const auto picture = pictureFromJson(json, folder, error);
        if (!picture)
            return std::nullopt;
        value = *picture;
    }
    if (!value)
        *error = QStringLiteral("Valore non valido per il tipo \"%1\".").arg(type);
    return value;
}

} // namespace

void PropertyBag::write(const QString &key, Value value)
{
    for (Entry &entry : m_entries) {
        if (entry.key.compare(key, Qt::CaseInsensitive) == 0) {
            entry.value = std::move(value);
            return;
        }
    }
    m_entries.append({key, std::move(value)});
}

const PropertyBag::Value *PropertyBag::find(const QString &key) const
{
    for (const Entry &entry : m_entries) {
        if (entry.key.compare(key, Qt::CaseInsensitive) == 0)
            return &entry.value;
    }
    return nullptr;
}

qint32 PropertyBag::readInt32(const QString &key, qint32 fallback) const
{
    const Value *v = find(key);
    return v ? integerOf<qint32>(*v).value_or(fallback) : fallback;
}

qint16 PropertyBag::readInt16(const QString &key, qint16 fallback) const
{
    const Value *v = find(key);
    return v ? integerOf<qint16>(*v).value_or(fallback) : fallback;
}

bool PropertyBag::readBool(const QString &key, bool fallback) const
{
    const Value *v = find(key);
    if (!v)
        return fallback;
    if (const auto *b = std::get_if<bool>(v))
        return *b;
    const auto number = numberOf(*v);
    return number ? *number != 0 : fallback;
}

QString PropertyBag::readString(const QString &key, const QString &fallback) const
{
    const Value *v = find(key);
    if (!v)
        return fallback;
    if (const auto *s = std::get_if<QString>(v))
        return *s;
    if (const auto *i = std::get_if<qint32>(v))
        return QString::number(*i);
    if (const auto *i = std::get_if<qint16>(v))
        return QString::number(*i);
    return fallback;
}

PropertyBag::Colour PropertyBag::readColour(const QString &key, Colour fallback) const
{
    const Value *v = find(key);
    if (!v)
        return fallback;
    if (const auto *c = std::get_if<Colour>(v))
        return *c;
    // Colours written as signed 32-bit integers: system colours are negative there.
    if (const auto *i = std::get_if<qint32>(v))
        return Colour(*i);
    return integerOf<quint32>(*v).value_or(fallback);
}

QFont PropertyBag::readFont(const QString &key, const QFont &fallback) const
{
    const Value *v = find(key);
    const auto *font = v ? std::get_if<QFont>(v) : nullptr;
    return font ? *font : fallback;
}

PropertyBag::Picture PropertyBag::readPicture(const QString &key) const
{
    const Value *v = find(key);
    const auto *picture = v ? std::get_if<Picture>(v) : nullptr;
    return picture && *picture && !(*picture)->image.isNull() ? *picture : Picture();
}

QStringList PropertyBag::keys() const
{
    QStringList keys;
    for (const Entry &entry : m_entries)
        keys.append(entry.key);
    return keys;
}

std::optional<PropertyBag::Value> PropertyBag::value(const QString &key) const
{
    const Value *v = find(key);
    return v ? std::optional<Value>(*v) : std::nullopt;
}

QJsonArray PropertyBag::toJson() const
{
    QJsonArray array;
    for (const Entry &entry : m_entries) {
        array.append(QJsonObject{{"key", entry.key},
                                 {"type", typeName(entry.value)},
                                 {"value", valueToJson(entry.value)}});
    }
    return array;
}

std::optional<PropertyBag> PropertyBag::fromJson(const QJsonArray &entries,
                                                 const QString &pictureFolder, QString *error)
{
    QString message;
    PropertyBag bag;
    for (const QJsonValue &item : entries) {
        const QJsonObject object = item.toObject();
        const QString key = object.value("key").toString();
        if (key.isEmpty()) {
            message = QStringLiteral("Voce senza nome nelle proprietà del pulsante.");
            break;
        }
        const auto value = valueFromJson(object.value("type").toString(), object.value("value"),
                                         pictureFolder, &message);
        if (!value) {
            message = QStringLiteral("Proprietà \"%1\": %2").arg(key, message);
            break;
        }
        bag.write(key, *value);
    }
    if (!message.isEmpty()) {
        if (error)
            *error = message;
        return std::nullopt;
    }
    return bag;
}

} // namespace Tavo
