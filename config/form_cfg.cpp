#include "config/form_cfg.h"

#include "app/core/settings.h"

namespace Tavo {

FormCfg::FormCfg(SettingsStore &store, QWidget *parent) : QDialog(parent), m_store(store)
{
    setWindowTitle(QStringLiteral("Configurazione programma"));
}

} // namespace Tavo
