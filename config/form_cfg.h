#pragma once

#include <QDialog>

namespace Tavo {

class SettingsStore;

// The configuration window "Configurazione programma": edits and saves the settings.
class FormCfg : public QDialog
{
    Q_OBJECT

public:
    explicit FormCfg(SettingsStore &store, QWidget *parent = nullptr);

private:
    SettingsStore &m_store;
};

} // namespace Tavo
