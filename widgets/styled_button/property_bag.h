#pragma once

#include "widgets/styled_button/drawing/button_model.h"

#include <QFont>
#include <QJsonArray>
#include <QList>
#include <QString>

#include <optional>
#include <variant>

namespace Tavo {

// The named values a control keeps with its window's stored layout. Keys are matched without
// regard to case and keep the order in which they were first written; writing a key again
// replaces its value in place. Reading a missing key gives the caller's default; a value of
// another numeric type is converted, a value that cannot be converted counts as missing.
class PropertyBag
{
public:
    using Colour = ButtonDrawing::OleColor;
    using Picture = ButtonDrawing::PicturePtr; // null: the empty picture
    using Value = std::variant<qint32, qint16, bool, QString, Colour, QFont, Picture>;

    void writeInt32(const QString &key, qint32 value) { write(key, value); }
    void writeInt16(const QString &key, qint16 value) { write(key, value); }
    void writeBool(const QString &key, bool value) { write(key, value); }
    void writeString(const QString &key, const QString &value) { write(key, value); }
    void writeColour(const QString &key, Colour value) { write(key, value); }
    void writeFont(const QString &key, const QFont &value) { write(key, value); }
    void writePicture(const QString &key, const Picture &value) { write(key, value); }

    qint32 readInt32(const QString &key, qint32 fallback) const;
    qint16 readInt16(const QString &key, qint16 fallback) const;
    bool readBool(const QString &key, bool fallback) const;
    QString readString(const QString &key, const QString &fallback) const;
    Colour readColour(const QString &key, Colour fallback) const;
    QFont readFont(const QString &key, const QFont &fallback) const;
    Picture readPicture(const QString &key) const; // null when missing or empty

    bool contains(const QString &key) const { return find(key) != nullptr; }
    // The keys as first written, in their order.
    QStringList keys() const;
    // The stored value of a key, if there is one.
    std::optional<Value> value(const QString &key) const;

    // The stored form: an array of {"key", "type", "value"} objects, in order. Types are
    // "int32", "int16", "bool", "string", "colour", "font" and "picture". A picture is null
    // (empty), {"kind": "icon"|"bitmap", "file": name} with the file name relative to
    // pictureFolder, or {"kind", "png": base64 PNG data}; toJson always embeds the PNG.
    QJsonArray toJson() const;
    // Nothing, with a message in Italian in *error, when an entry is malformed or a picture
    // file cannot be read.
    static std::optional<PropertyBag>
    fromJson(const QJsonArray &entries, const QString &pictureFolder, QString *error = nullptr);

private:
    struct Entry
    {
        QString key;
        Value value;
    };

    void write(const QString &key, Value value);
    const Value *find(const QString &key) const;

    QList<Entry> m_entries;
};

} // namespace Tavo
