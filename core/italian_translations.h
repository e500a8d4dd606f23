#pragma once

namespace Tavo {

// Makes the running application Italian whatever the system's language: Qt's own texts
// (standard buttons, the print dialog, the text boxes' context menu, file errors) come from
// Qt's Italian translations compiled into the program, and Italian is the default locale.
// Call once, after the application object exists. Returns false when the translations cannot
// be loaded; Qt's texts then stay in English.
bool loadItalianTranslations();

} // namespace Tavo
