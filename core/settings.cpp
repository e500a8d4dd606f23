#include "core/settings.h"

#include "core/numeric_value.h"

#include <QDir>

namespace Tavo {

namespace {
const QString kFileName = QStringLiteral("Tavo.cfg");
constexpr qsizetype kLines = 10;
} // namespace

Settings Settings::defaults()
{
    Settings s;
    s.CfgCodice = QStringLiteral("9999");
    s.CfgAutoscuola1 = QStringLiteral("AUTOSCUOLA ESEMPIO");
    s.CfgAutoscuola2 = QStringLiteral("DI MARIO BIANCHI & C. S.N.C.");
    s.CfgAutoscuola3 = QStringLiteral("VIA ROMA, 1");
    s.CfgAutoscuola4 = QStringLiteral("36100 VICENZA (VI)");
    s.CfgMargineSx = QStringLiteral("10");
    s.CfgMargineTop = QStringLiteral("15");
    s.CfgPagine = QStringLiteral("3");
    s.CfgFormato = QStringLiteral("A4");
    s.CfgFascicola = false;
    return s;
}

bool Settings::collationAllowed(const QString &formato, const QString &pagine)
{
    if (formato != QLatin1String("A4"))
        return false;
    const auto n = wholeNumericValue(pagine);
    return n && *n % 2 == 0;
}

SettingsStore::SettingsStore(QString folder) : m_folder(std::move(folder)) {}

QString SettingsStore::filePath() const
{
    return QDir(m_folder).filePath(kFileName);
}

void SettingsStore::LeggiConfigurazione()
{
    Settings s = Settings::defaults();
    if (const auto lines = TextLines::readFile(filePath(), kLines)) {
        QString *fields[] = {&s.CfgCodice,      &s.CfgAutoscuola1, &s.CfgAutoscuola2,
                             &s.CfgAutoscuola3, &s.CfgAutoscuola4, &s.CfgMargineSx,
                             &s.CfgMargineTop,  &s.CfgPagine,      &s.CfgFormato};
        for (qsizetype i = 0; i < lines->size() && i < 9; ++i)
            *fields[i] = lines->at(i);
        s.CfgFascicola = lines->size() >= kLines && lines->at(9) == QLatin1String("Si");
    }
    if (!Settings::collationAllowed(s.CfgFormato, s.CfgPagine))
        s.CfgFascicola = false;
    m_settings = s;
}

TextLines::WriteResult SettingsStore::SalvaConfigurazione(
    const QString &codice, const QString &autoscuola1, const QString &autoscuola2,
    const QString &autoscuola3, const QString &autoscuola4, const QString &margineSx,
    const QString &margineTop, const QString &pagine, const QString &formato, bool fascicola)
{
    const QStringList lines = {
        codice,      autoscuola1,
        autoscuola2, autoscuola3,
        autoscuola4, margineSx,
        margineTop,  pagine,
        formato,     fascicola ? QStringLiteral("Si") : QStringLiteral("No")};
    const auto result = TextLines::writeFile(filePath(), lines);
    if (!result.ok)
        return {false,
                QStringLiteral("La configurazione non è stata salvata.\n%1").arg(result.error)};
    m_settings = {codice,    autoscuola1, autoscuola2, autoscuola3, autoscuola4,
                  margineSx, margineTop,  pagine,      formato,     fascicola};
    return result;
}

TextLines::WriteResult SettingsStore::SalvaConfigurazione(const Settings &v)
{
    return SalvaConfigurazione(v.CfgCodice, v.CfgAutoscuola1, v.CfgAutoscuola2, v.CfgAutoscuola3,
                               v.CfgAutoscuola4, v.CfgMargineSx, v.CfgMargineTop, v.CfgPagine,
                               v.CfgFormato, v.CfgFascicola);
}

} // namespace Tavo
