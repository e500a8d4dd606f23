#pragma once

#include <QString>
#include <QUrl>

namespace Tavo {

// The address the program's users write to for help, shown on the configuration window.
inline const QString kSupportAddress = QStringLiteral("info@tavo.example");

// "mailto:" + kSupportAddress + "?subject=Info Tavo", ready for the desktop's mail handler.
QUrl supportMailUrl();

} // namespace Tavo
