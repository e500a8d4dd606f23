#include "core/missing_qt_translations.h"

#include <array>
#include <cstring>

namespace Tavo {

namespace {

struct Translation
{
    const char *context;
    const char *source;
    const char *italian;
};

constexpr std::array kTranslations{
    Translation{"QPrintSettingsOutput", "Pages", "Pagine"},
    Translation{"QPrintSettingsOutput",
                "Specify pages or ranges separated by commas. Ranges are specified by two numbers "
                "separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
                "Pagine o intervalli separati da virgole; un intervallo è fatto di due numeri "
                "separati da un trattino. Per esempio 3,5-7,9 stampa le pagine 3, 5, 6, 7 e 9."},
    Translation{"QPrintSettingsOutput", "Double Sided Printing", "Fronte e retro"},
    Translation{"QPrintSettingsOutput", "Off", "Solo fronte"},
    Translation{"QPrintSettingsOutput", "Long side binding", "Rilegatura sul lato lungo"},
    Translation{"QPrintSettingsOutput", "Short side binding", "Rilegatura sul lato corto"},
    Translation{"QPrintPropertiesWidget", "Advanced", "Avanzate"},
    Translation{"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
                "Alcune opzioni sono in conflitto tra loro: correggerle."},
    Translation{"QPrintPropertiesDialog", "Advanced Option Conflicts",
                "Conflitto tra opzioni avanzate"},
    Translation{"QPrintPropertiesDialog",
                "There are conflicts in some advanced options. Do you want to fix them?",
                "Alcune opzioni avanzate sono in conflitto tra loro. Correggerle?"},
    Translation{"QPrintPropertiesDialog", "Page Setup Conflicts",
                "Conflitto nelle impostazioni della pagina"},
    Translation{"QPrintPropertiesDialog",
                "There are conflicts in page setup options. Do you want to fix them?",
                "Le impostazioni della pagina sono in conflitto tra loro. Correggerle?"},
    Translation{"QPrintDialog", "Invalid Pages Definition", "Pagine non valide"},
    Translation{"QPrintDialog",
                "%1 does not follow the correct syntax. Please use ',' to separate ranges and "
                "pages, '-' to define ranges and make sure ranges do not intersect with each "
                "other.",
                "%1 non è scritto correttamente: separare pagine e intervalli con la virgola, "
                "scrivere un intervallo con il trattino (3-5) e non sovrapporre gli intervalli."},
    Translation{"QPrintDialog", "Duplex Settings Conflicts",
                "Conflitto nelle impostazioni fronte e retro"},
    Translation{"QPrintDialog", "There are conflicts in duplex settings. Do you want to fix them?",
                "Le impostazioni fronte e retro sono in conflitto tra loro. Correggerle?"},
};

} // namespace

QString MissingQtTranslations::translate(const char *context, const char *sourceText, const char *,
                                         int) const
{
    for (const Translation &t : kTranslations) {
        if (std::strcmp(t.context, context) == 0 && std::strcmp(t.source, sourceText) == 0)
            return QString::fromUtf8(t.italian);
    }
    return {};
}

} // namespace Tavo
