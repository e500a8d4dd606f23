#pragma once

#include "widgets/styled_button/property_bag.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

class QWidget;

namespace Tavo {

class StyledButton;

// One button of a window's stored layout: its name and its property bag (with the window's
// "_extentx"/"_extenty", its size in hundredths of a millimetre).
struct StoredButton
{
    QString name;
    PropertyBag properties;
};

// Reads a stored layout: a JSON document {"buttons": [{"name", "properties": [...]}]} whose
// properties are in PropertyBag's stored form; picture files are named relative to the
// document's folder. Nothing, with an Italian message in *error, when it cannot be read.
std::optional<QList<StoredButton>> readStoredButtons(const QString &jsonPath,
                                                     QString *error = nullptr);

// Pixels for a length in hundredths of a millimetre at the given dots per inch, rounded.
int extentToPixels(int hundredthsOfMillimetre, double dotsPerInch);

// Creates the buttons of a stored layout as children of parent, each read from its bag, named
// (objectName) as stored and sized from its extents at the parent's logical resolution. The
// window places them. Empty, with *error set, when the layout cannot be read.
QHash<QString, StyledButton *> loadStoredButtons(const QString &jsonPath, QWidget *parent,
                                                 QString *error = nullptr);

} // namespace Tavo
