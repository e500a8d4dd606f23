#include "app/main_window.h"

#include "config/form_cfg.h"
#include "core/command_line.h"
#include "core/province_converter.h"
#include "core/twips.h"
#include "print/print_command.h"
#include "print/print_warnings.h"
#include "widgets/group_box_look.h"
#include "widgets/styled_button/stored_buttons.h"
#include "widgets/styled_button/styled_button.h"
#include "widgets/upper_case_line_edit.h"

#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

// The window's icon lives in the resources of this static library, which the linker would
// otherwise drop.
static void initTavoResources()
{
    Q_INIT_RESOURCE(tavo);
    Q_INIT_RESOURCE(form1_buttons);
}

namespace Tavo {

namespace {

const char *const kTag = "Tag";

QFont windowFont()
{
    QFont font(QStringLiteral("Arial"), 12);
    font.setBold(false); // stated, so that a box inside a bold group box stays regular
    return font;
}

QFont boldFont()
{
    QFont font = windowFont();
    font.setBold(true);
    return font;
}

} // namespace

Form1::Form1(const QString &folder, const QString &argumentString, QWidget *parent)
    : QWidget(parent), m_folder(folder), m_store(folder)
{
    initTavoResources();
    setObjectName(QStringLiteral("Form1"));
    m_dpi = screen()->logicalDotsPerInch();

    setFont(windowFont());
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    setWindowIcon(QIcon(QStringLiteral(":/tavo/booklet.png")));
    setFixedSize(twips(0, 0, 10590, 3270).size());
    // The frame's size is known only once the window system has shown it: the client area is
    // what gets centred.
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    screen()->availableGeometry()));

    createControls();
    Form_Load(argumentString);
}

QString Form1::title()
{
    return QStringLiteral("Stampa Libretti Guide versione %1.%2")
        .arg(TAVO_VERSION_MAJOR)
        .arg(TAVO_VERSION_MINOR);
}

QRect Form1::twips(int left, int top, int width, int height) const
{
    return Twips::toPixels(left, top, width, height, m_dpi);
}

void Form1::createControls()
{
    Frame4 =
        addFrame(QStringLiteral("Frame4"), QStringLiteral("Allievo"), twips(120, 120, 10335, 975));
    Label2 = addLabel(Frame4, QStringLiteral("Label2"), QStringLiteral("Numero aut.:"),
                      twips(120, 480, 1575, 255));
    Aut = addTextBox(Frame4, QStringLiteral("Aut"), 10, twips(1800, 360, 1695, 390));
    Label1 = addLabel(Frame4, QStringLiteral("Label1"), QStringLiteral("Nome:"),
                      twips(3840, 480, 855, 255));
    Nome = addTextBox(Frame4, QStringLiteral("Nome"), 50, twips(4800, 360, 5295, 390));

    Frame2 =
        addFrame(QStringLiteral("Frame2"), QStringLiteral("Veicolo"), twips(120, 1200, 10335, 975));
    Label3 = addLabel(Frame2, QStringLiteral("Label3"), QStringLiteral("Targa:"),
                      twips(600, 480, 1095, 375));
    Targa = addTextBox(Frame2, QStringLiteral("Targa"), 8, twips(1800, 360, 1695, 390));
    Label4 = addLabel(Frame2, QStringLiteral("Label4"), QStringLiteral("Istruttore:"),
                      twips(3360, 480, 1335, 255));
    Istruttore = addTextBox(Frame2, QStringLiteral("Istruttore"), 50, twips(4800, 360, 5295, 390));

    QString error;
    const auto stored =
        loadStoredButtons(QStringLiteral(":/forms/form1/form1_buttons.json"), this, &error);
    Q_ASSERT_X(!stored.isEmpty(), "Form1", qPrintable(error));
    StampaP = addCommandButton(stored, QStringLiteral("StampaP"), twips(120, 2400, 2655, 735),
                               &Form1::StampaP_Click);
    CfgP = addCommandButton(stored, QStringLiteral("CfgP"), twips(3960, 2400, 2655, 735),
                            &Form1::CfgP_Click);
    EsciP = addCommandButton(stored, QStringLiteral("EsciP"), twips(7800, 2400, 2655, 735),
                             &Form1::EsciP_Click);

    // The maintenance command sits over the corner of the learner's group, reachable with the
    // mouse only: it stays out of the keyboard's way.
    Command1 = new QPushButton(QStringLiteral("leggi prov"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twips(8760, 0, 1935, 495));
    Command1->setFocusPolicy(Qt::NoFocus);
    Command1->raise();
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);

    setTabOrder(Aut, Nome);
    setTabOrder(Nome, Targa);
    setTabOrder(Targa, Istruttore);
    setTabOrder(Istruttore, StampaP);
    setTabOrder(StampaP, CfgP);
    setTabOrder(CfgP, EsciP);
}

QGroupBox *Form1::addFrame(const QString &name, const QString &caption, const QRect &geometry)
{
    auto *frame = new QGroupBox(caption, this);
    frame->setObjectName(name);
    frame->setFont(boldFont());
    setCaptionOnFrameLine(frame);
    frame->setGeometry(geometry);
    return frame;
}

QLabel *Form1::addLabel(QGroupBox *frame, const QString &name, const QString &caption,
                        const QRect &geometry)
{
    auto *label = new QLabel(caption, frame);
    label->setObjectName(name);
    label->setFont(boldFont());
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}

UpperCaseLineEdit *Form1::addTextBox(QGroupBox *frame, const QString &name, int typingLimit,
                                     const QRect &geometry)
{
    auto *box = new UpperCaseLineEdit(typingLimit, frame);
    box->setObjectName(name);
    box->setFont(windowFont());
    QPalette grey = box->palette();
    grey.setColor(QPalette::Base, QColor(240, 240, 240));
    box->setPalette(grey);
    box->setGeometry(geometry);
    return box;
}

// The buttons come from the stored layout with their size; the window places them and handles
// their Click only. A button missing from the layout (a damaged build) is made plain, so the
// window still works.
Form1::CommandButton *Form1::addCommandButton(const QHash<QString, StyledButton *> &stored,
                                              const QString &name, const QRect &geometry,
                                              void (Form1::*onClick)())
{
    CommandButton *button = stored.value(name);
    if (!button) {
        button = new CommandButton(this);
        button->setObjectName(name);
        button->setCaption(name);
        button->resize(geometry.size());
    }
    button->move(geometry.topLeft());
    connect(button, &CommandButton::Click, this, onClick);
    return button;
}

void Form1::Form_Load(const QString &argumentString)
{
    setWindowTitle(title());

    // Set whole, past the typing limits: these values were not typed here.
    const RememberedValues remembered = RememberedValues::read(m_folder);
    Targa->setText(remembered.targa);
    Targa->setProperty(kTag, remembered.targa);
    Istruttore->setText(remembered.istruttore);
    Istruttore->setProperty(kTag, remembered.istruttore);
    StampaP->setProperty(kTag, remembered.stampante);

    m_store.LeggiConfigurazione();

    CommandLine commandLine;
    commandLine.argumentString = argumentString;
    if (const auto learner = commandLine.learner()) {
        Aut->setText(learner->aut);
        Nome->setText(learner->nome);
    }
}

void Form1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_shown || event->spontaneous())
        return;
    m_shown = true;
    Aut->setFocus(Qt::OtherFocusReason);
    Form_Activate();
}

// Runs when the window is first shown and when the configuration window has closed; switching
// back from another program leaves the focus where the user had it.
void Form1::Form_Activate()
{
    if (!Aut->text().isEmpty())
        StampaP->setFocus(Qt::OtherFocusReason); // a button that cannot take it is no error
}

RememberedValues Form1::rememberedFromTags() const
{
    return {Targa->property(kTag).toString(), Istruttore->property(kTag).toString(),
            StampaP->property(kTag).toString()};
}

QLineEdit *Form1::fieldOf(InputCheck::Field field) const
{
    switch (field) {
    case InputCheck::Field::Nome:
        return Nome;
    case InputCheck::Field::Targa:
        return Targa;
    case InputCheck::Field::Istruttore:
        return Istruttore;
    case InputCheck::Field::None:
    case InputCheck::Field::Aut:
        break;
    }
    return Aut;
}

void Form1::showWarning(const QString &message)
{
    QMessageBox::warning(this, QStringLiteral("Tavo"), message);
}

bool Form1::printDespite(const QList<PrintWarning> &warnings)
{
    if (warnings.isEmpty())
        return true;
    QStringList messages;
    for (const PrintWarning &warning : warnings)
        messages.append(warning.message);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tavo"), messages.join(u'\n'),
                    QMessageBox::NoButton, this);
    const QAbstractButton *print =
        box.addButton(QStringLiteral("Stampa comunque"), QMessageBox::AcceptRole);
    QPushButton *back = box.addButton(QStringLiteral("Correggi"), QMessageBox::RejectRole);
    box.setDefaultButton(back);
    box.setEscapeButton(back);
    box.exec();
    if (box.clickedButton() == print)
        return true;
    // The school's data and the print parameters are corrected in the configuration window.
    const PrintWarning &first = warnings.first();
    if (first.field == InputCheck::Field::None)
        CfgP->setFocus(Qt::OtherFocusReason);
    else
        fieldOf(first.field)->setFocus(Qt::OtherFocusReason);
    return false;
}

void Form1::StampaP_Click()
{
    // The greyed button shows while the command runs and keeps a second click out.
    StampaP->setEnabled(false);
    StampaP->Refresh();
    StampaP->repaint();
    repaint();

    const PrintInput input{Aut->text(), Nome->text(), Targa->text(), Istruttore->text()};
    const InputCheck check = checkPrintInput(input);
    if (!check.ok()) {
        showWarning(check.message);
        fieldOf(check.field)->setFocus(Qt::OtherFocusReason);
        StampaP->setEnabled(true);
        return;
    }
    if (!printDespite(findPrintWarnings(input, m_store.settings()))) {
        StampaP->setEnabled(true);
        return;
    }

    const PrintOutcome outcome = printBooklet(input, m_store.settings(), rememberedFromTags(),
                                              m_folder, PrintTarget{}, this);
    if (outcome.status == PrintOutcome::Status::Failed) {
        m_exitStatus = 1;
        QMessageBox::critical(this, QStringLiteral("Tavo"), outcome.error);
    } else if (outcome.status == PrintOutcome::Status::PrintedNotRemembered) {
        m_exitStatus = 3;
        showWarning(outcome.error);
    }
    // One run prints at most one booklet, printed or cancelled in the printer dialog.
    close();
}

void Form1::CfgP_Click()
{
    FormCfg dlg(m_store, this);
    dlg.exec();
    Form_Activate();
}

void Form1::EsciP_Click()
{
    close();
}

void Form1::Command1_Click()
{
    const ProvinceConverter::Result result = ProvinceConverter::convert(m_folder);
    if (!result.ok) {
        showWarning(result.error);
        return;
    }
    close();
}

} // namespace Tavo
