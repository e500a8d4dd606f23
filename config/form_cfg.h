#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

namespace Tavo {

class StyledButton;

class DigitKeyFilter;
class LimitedLineEdit;
class LinkLabel;
class SettingsStore;

// The configuration window "Configurazione programma": shows the settings of the store, lets
// the operator edit them and saves them to Tavo.cfg and into the store on "Salva". Every
// opening starts again from the store's in-memory settings; "Annulla", Escape and the close
// button discard the changes. Modal, centred over its owner.
class FormCfg : public QDialog
{
    Q_OBJECT

public:
    explicit FormCfg(SettingsStore &store, QWidget *parent = nullptr);

private:
    // Left, top, width and height in twips as pixels of this window's screen.
    QRect twips(int left, int top, int width, int height) const;

    void createControls();
    void createPrintParameters();
    QLabel *addLabel(QWidget *parent, const QString &name, const QString &text,
                     const QRect &geometry, Qt::Alignment alignment);
    LimitedLineEdit *addTextBox(QWidget *parent, const QString &name, const QRect &geometry,
                                int typingLimit);
    QComboBox *addList(const QString &name, const QRect &geometry);
    QLabel *addPicture(const QString &name, const QRect &geometry, const QString &resource);
    StyledButton *addCommandButton(const QHash<QString, StyledButton *> &stored,
                                   const QString &name, const QRect &geometry);
    void setKeyboardOrder();

    void Form_Load();
    void selectPageCount(const QString &pagine);
    void AggiornaFascicola();
    void SalvaP_Click();

    SettingsStore &m_store;
    DigitKeyFilter *m_digitFilter = nullptr;

    LimitedLineEdit *Ag1 = nullptr;
    LimitedLineEdit *Ag2 = nullptr;
    LimitedLineEdit *Ag3 = nullptr;
    LimitedLineEdit *Ag4 = nullptr;
    LimitedLineEdit *Cod = nullptr;
    QGroupBox *Frame2 = nullptr;
    QComboBox *Formato = nullptr;
    QComboBox *Pagine = nullptr;
    LimitedLineEdit *SxT = nullptr;
    LimitedLineEdit *TopT = nullptr;
    QLabel *FascS = nullptr;
    QLabel *FascN = nullptr;
    QCheckBox *Fascicola = nullptr;
    StyledButton *SalvaP = nullptr;
    StyledButton *AnnullaP = nullptr;
    LinkLabel *Email = nullptr;
};

} // namespace Tavo
