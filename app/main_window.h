#pragma once

#include "core/remembered_values.h"
#include "core/settings.h"
#include "print/print_command.h"
#include "print/print_warnings.h"

#include <QString>
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Tavo {
class StyledButton;
}

namespace Tavo {

class UpperCaseLineEdit;

// The main window: the learner's authorisation number and name, the vehicle's plate and the
// instructor, and the commands print, configure, leave and convert the province list.
// The program's life is this window's life: every command that ends the program closes it.
//
// Controls carry their own names as objectName. Targa, Istruttore and StampaP carry a
// dynamic property "Tag": the plate, instructor and printer of the last print (Tavo.txt).
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // folder: the program's folder, home of Tavo.cfg, Tavo.txt, Export.txt and Province.txt.
    // argumentString: the command line's "NUMBER§NAME*WITH*BLANKS", or empty.
    explicit Form1(const QString &folder, const QString &argumentString = {},
                   QWidget *parent = nullptr);

    // "Stampa Libretti Guide versione MAJOR.MINOR" from the program's version.
    static QString title();

    // The program's exit status once the window has closed: 1 after a failed print, 3 after a
    // print whose remembered values could not be saved, else 0.
    int exitStatus() const { return m_exitStatus; }

    const SettingsStore &settingsStore() const { return m_store; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The command buttons are styled buttons read from the window's stored layout.
    using CommandButton = StyledButton;

    void createControls();
    QGroupBox *addFrame(const QString &name, const QString &caption, const QRect &geometry);
    QLabel *addLabel(QGroupBox *frame, const QString &name, const QString &caption,
                     const QRect &geometry);
    UpperCaseLineEdit *addTextBox(QGroupBox *frame, const QString &name, int typingLimit,
                                  const QRect &geometry);
    CommandButton *addCommandButton(const QHash<QString, StyledButton *> &stored,
                                    const QString &name, const QRect &geometry,
                                    void (Form1::*onClick)());
    // The one conversion of window geometry: left, top, width, height in twips to pixels at
    // the screen's logical resolution.
    QRect twips(int left, int top, int width, int height) const;

    void Form_Load(const QString &argumentString);
    void Form_Activate();
    void StampaP_Click();
    void CfgP_Click();
    void EsciP_Click();
    void Command1_Click();

    RememberedValues rememberedFromTags() const;
    // The text box a failed check sends the user back to.
    QLineEdit *fieldOf(InputCheck::Field field) const;
    void showWarning(const QString &message);
    // Shows the warnings, if any, and lets the operator print anyway (true) or go back (false):
    // to the field of the first warning, or to CfgP for a setting.
    bool printDespite(const QList<PrintWarning> &warnings);

    QString m_folder;
    SettingsStore m_store;
    double m_dpi = 96.0;
    bool m_shown = false;
    int m_exitStatus = 0;

    QGroupBox *Frame4 = nullptr;
    QLabel *Label2 = nullptr;
    UpperCaseLineEdit *Aut = nullptr;
    QLabel *Label1 = nullptr;
    UpperCaseLineEdit *Nome = nullptr;
    QGroupBox *Frame2 = nullptr;
    QLabel *Label3 = nullptr;
    UpperCaseLineEdit *Targa = nullptr;
    QLabel *Label4 = nullptr;
    UpperCaseLineEdit *Istruttore = nullptr;
    CommandButton *StampaP = nullptr;
    CommandButton *CfgP = nullptr;
    CommandButton *EsciP = nullptr;
    QPushButton *Command1 = nullptr;
};

} // namespace Tavo
