#pragma once

#include "core/text_lines.h"

#include <QString>

namespace Tavo {

// The driving school's data and the print parameters, in the order of the lines of Tavo.cfg.
// Texts are kept exactly as read or typed; numbers stay text and are converted where used.
struct Settings
{
    QString CfgCodice;         // the school's code
    QString CfgAutoscuola1;    // heading line 1: the school's name
    QString CfgAutoscuola2;    // heading line 2: second name line
    QString CfgAutoscuola3;    // heading line 3: street address
    QString CfgAutoscuola4;    // heading line 4: town
    QString CfgMargineSx;      // left margin, millimetres
    QString CfgMargineTop;     // top margin, millimetres
    QString CfgPagine;         // lesson pages of a booklet: "3", "6" or "12"
    QString CfgFormato;        // "A4" or "A5"
    bool CfgFascicola = false; // collated printing

    // The values used when Tavo.cfg is missing.
    static Settings defaults();

    // Collation is possible only on "A4" (exactly) with an even page count. A page count that
    // does not fit 32 bits has no trustworthy parity and forbids it too.
    static bool collationAllowed(const QString &formato, const QString &pagine);

    bool operator==(const Settings &) const = default;
};

// The settings of one program folder: read once at start, rewritten by the configuration
// window. The in-memory values change only after the file has been written.
class SettingsStore
{
public:
    explicit SettingsStore(QString folder);

    // Fills the settings from Tavo.cfg, or from the defaults for what the file does not give.
    // Reading is silent: a missing, short or unreadable file leaves the defaults.
    void LeggiConfigurazione();

    // Writes Tavo.cfg atomically and then takes the values. When the file cannot be written
    // the old file and the in-memory settings stay as they were, and the result says why.
    TextLines::WriteResult SalvaConfigurazione(const QString &codice, const QString &autoscuola1,
                                               const QString &autoscuola2,
                                               const QString &autoscuola3,
                                               const QString &autoscuola4, const QString &margineSx,
                                               const QString &margineTop, const QString &pagine,
                                               const QString &formato, bool fascicola);
    TextLines::WriteResult SalvaConfigurazione(const Settings &values);

    const Settings &settings() const { return m_settings; }
    QString filePath() const;

private:
    QString m_folder;
    Settings m_settings = Settings::defaults();
};

} // namespace Tavo
