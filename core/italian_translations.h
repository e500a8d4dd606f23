#pragma once

#include <QString>

#include <system_error>

namespace Tavo {

// Makes the running application Italian whatever the system's language: Qt's own texts
// (standard buttons, the print dialog, the text boxes' context menu, file errors) come from
// Qt's Italian translations compiled into the program, and Italian is the default locale.
// Call once, after the application object exists. Returns false when the translations cannot
// be loaded; Qt's texts then stay in English.
bool loadItalianTranslations();

// The Italian for a system error that arrives in English: Qt translates only a few of the
// file errors it reports, and the C library's texts follow the system's language. A text that
// is no known error comes back as it is.
QString italianSystemError(const QString &text);
QString italianSystemError(std::error_code error);

} // namespace Tavo
