#include "config/form_cfg.h"

#include "config/digit_key_filter.h"
#include "config/line_break_validator.h"
#include "config/link_label.h"
#include "config/support_mail.h"
#include "core/settings.h"
#include "core/twips.h"
#include "widgets/group_box_look.h"
#include "widgets/limited_line_edit.h"
#include "widgets/styled_button/stored_buttons.h"
#include "widgets/styled_button/styled_button.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>

// The pictures are compiled into this static library; nothing else would pull them in.
static void initPictures()
{
    Q_INIT_RESOURCE(form_cfg);
    Q_INIT_RESOURCE(formcfg_buttons);
}

namespace Tavo {

namespace {

const QString kTitle = QStringLiteral("Tavo");
const QString kFontFamily = QStringLiteral("Arial");
constexpr int kFontPoints = 12;
const QColor kEditBackground(240, 240, 240);
const QColor kLinkColour(0, 0, 255);

// Text boxes and lists: regular type on light grey.
void styleEntry(QWidget *entry)
{
    entry->setFont(QFont(kFontFamily, kFontPoints, QFont::Normal));
    QPalette palette = entry->palette();
    palette.setColor(QPalette::Base, kEditBackground);
    palette.setColor(QPalette::Button, kEditBackground);
    entry->setPalette(palette);
}

} // namespace

FormCfg::FormCfg(SettingsStore &store, QWidget *parent)
    : QDialog(parent), m_store(store), m_digitFilter(new DigitKeyFilter(this))
{
    initPictures();
    setObjectName(QStringLiteral("FormCfg"));
    setWindowTitle(QStringLiteral("Configurazione programma"));
    setModal(true);
    setFixedSize(twips(0, 0, 9630, 6405).size());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setFont(QFont(kFontFamily, kFontPoints, QFont::Bold));

    createControls();
    setKeyboardOrder();
    Form_Load();
    Ag1->setFocus();
}

QRect FormCfg::twips(int left, int top, int width, int height) const
{
    return Twips::toPixels(left, top, width, height, logicalDpiX());
}

void FormCfg::createControls()
{
    const auto right = Qt::AlignRight | Qt::AlignTop;
    addLabel(this, QStringLiteral("Label5"), QStringLiteral("Nome Autoscuola:"),
             twips(-480, 240, 2775, 255), right);
    Ag1 = addTextBox(this, QStringLiteral("Ag1"), twips(2400, 120, 7095, 390), 50);
    Ag2 = addTextBox(this, QStringLiteral("Ag2"), twips(2400, 600, 7095, 390), 50);
    addLabel(this, QStringLiteral("Label7"), QStringLiteral("Indirizzo:"),
             twips(-480, 1200, 2775, 255), right);
    Ag3 = addTextBox(this, QStringLiteral("Ag3"), twips(2400, 1080, 7095, 390), 50);
    addLabel(this, QStringLiteral("Label8"), QStringLiteral("Città:"), twips(-480, 1680, 2775, 255),
             right);
    Ag4 = addTextBox(this, QStringLiteral("Ag4"), twips(2400, 1560, 7095, 390), 50);
    addLabel(this, QStringLiteral("Label9"), QStringLiteral("Codice:"),
             twips(-480, 2160, 2775, 255), right);
    Cod = addTextBox(this, QStringLiteral("Cod"), twips(2400, 2040, 735, 390), 4);
    Cod->setText(QStringLiteral("9999"));
    Cod->installEventFilter(m_digitFilter);

    createPrintParameters();

    QString error;
    const auto stored =
        loadStoredButtons(QStringLiteral(":/forms/formcfg/formcfg_buttons.json"), this, &error);
    Q_ASSERT_X(!stored.isEmpty(), "FormCfg", qPrintable(error));
    SalvaP = addCommandButton(stored, QStringLiteral("SalvaP"), twips(2640, 5160, 1935, 615));
    connect(SalvaP, &StyledButton::Click, this, &FormCfg::SalvaP_Click);
    AnnullaP = addCommandButton(stored, QStringLiteral("AnnullaP"), twips(5280, 5160, 1815, 615));
    connect(AnnullaP, &StyledButton::Click, this, &FormCfg::reject);

    QLabel *invitation =
        addLabel(this, QStringLiteral("Label12"),
                 QStringLiteral("Per qualsiasi chiarimento o informazione mandate una email su"),
                 twips(480, 6000, 6735, 375), Qt::AlignLeft | Qt::AlignTop);
    invitation->setFont(QFont(kFontFamily, kFontPoints, QFont::Normal));

    Email = new LinkLabel(kSupportAddress, this);
    Email->setObjectName(QStringLiteral("Email"));
    Email->setGeometry(twips(7200, 6000, 2175, 375));
    Email->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont linkFont(kFontFamily, kFontPoints, QFont::Bold);
    linkFont.setUnderline(true);
    Email->setFont(linkFont);
    QPalette linkPalette = Email->palette();
    linkPalette.setColor(QPalette::WindowText, kLinkColour);
    Email->setPalette(linkPalette);
    // The address must never be cut: it may be wider than the room the window leaves for it.
    Email->resize(qMax(Email->width(), Email->sizeHint().width()), Email->height());
    // A blank apart from the invitation, however wide the invitation's font makes it.
    const int afterInvitation = invitation->x() + invitation->fontMetrics().horizontalAdvance(
                                                      invitation->text() + QLatin1Char(' '));
    Email->move(qMax(Email->x(), afterInvitation), Email->y());
    // As with any mail link, a missing mail program is the desktop's business: no message.
    connect(Email, &LinkLabel::clicked, this, [] { QDesktopServices::openUrl(supportMailUrl()); });
}

void FormCfg::createPrintParameters()
{
    Frame2 = new QGroupBox(QStringLiteral("Parametri di stampa"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(twips(1200, 2640, 7215, 2295));
    Frame2->setFont(font());
    setCaptionOnFrameLine(Frame2);

    const auto right = Qt::AlignRight | Qt::AlignTop;
    const auto left = Qt::AlignLeft | Qt::AlignTop;
    addLabel(Frame2, QStringLiteral("Label2"), QStringLiteral("Formato foglio:"),
             twips(480, 480, 1935, 375), right);
    Formato = addList(QStringLiteral("Formato"), twips(2520, 360, 735, 390));
    addLabel(Frame2, QStringLiteral("Label3"), QStringLiteral("Margine Sinistro:"),
             twips(3720, 480, 2175, 375), right);
    SxT = addTextBox(Frame2, QStringLiteral("SxT"), twips(6000, 360, 495, 390), 2);
    SxT->setText(QStringLiteral("40"));
    SxT->installEventFilter(m_digitFilter);
    addLabel(Frame2, QStringLiteral("Label4"), QStringLiteral("mm"), twips(6600, 480, 855, 375),
             left);
    addLabel(Frame2, QStringLiteral("Label10"), QStringLiteral("Numero di Pagine:"),
             twips(120, 1080, 2295, 375), right);
    Pagine = addList(QStringLiteral("Pagine"), twips(2520, 960, 735, 390));
    addLabel(Frame2, QStringLiteral("Label1"), QStringLiteral("Margine Superiore:"),
             twips(3240, 1080, 2655, 375), right);
    TopT = addTextBox(Frame2, QStringLiteral("TopT"), twips(6000, 960, 495, 390), 2);
    TopT->setText(QStringLiteral("0"));
    TopT->installEventFilter(m_digitFilter);
    addLabel(Frame2, QStringLiteral("Label11"), QStringLiteral("mm"), twips(6600, 1080, 855, 375),
             left);

    FascN = addPicture(QStringLiteral("FascN"), twips(1560, 1560, 720, 585),
                       QStringLiteral(":/config/fasc_n.png"));
    FascS = addPicture(QStringLiteral("FascS"), twips(2520, 1560, 720, 585),
                       QStringLiteral(":/config/fasc_s.png"));
    Fascicola = new QCheckBox(QStringLiteral("Fascicola"), Frame2);
    Fascicola->setObjectName(QStringLiteral("Fascicola"));
    Fascicola->setFont(font());
    Fascicola->setGeometry(twips(3720, 1680, 3015, 375));

    // currentIndexChanged and toggled also report the program's own changes, as they must.
    connect(Formato, &QComboBox::currentIndexChanged, this, &FormCfg::AggiornaFascicola);
    connect(Pagine, &QComboBox::currentIndexChanged, this, &FormCfg::AggiornaFascicola);
    connect(Fascicola, &QCheckBox::toggled, FascS, &QLabel::setVisible);
}

QLabel *FormCfg::addLabel(QWidget *parent, const QString &name, const QString &text,
                          const QRect &geometry, Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    // A negative left edge is kept: the label runs past the window's border, which clips it.
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    // Stated rather than inherited: a style sheet on the group box stops the inheritance.
    label->setFont(font());
    return label;
}

// The typing limit binds the user only: a longer value from Tavo.cfg (a hand-edited file) is
// shown whole and saved back whole unless the user edits it.
LimitedLineEdit *FormCfg::addTextBox(QWidget *parent, const QString &name, const QRect &geometry,
                                     int typingLimit)
{
    auto *box = new LimitedLineEdit(typingLimit, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setValidator(new LineBreakValidator(box));
    styleEntry(box);
    return box;
}

QComboBox *FormCfg::addList(const QString &name, const QRect &geometry)
{
    auto *list = new QComboBox(Frame2);
    list->setObjectName(name);
    list->setGeometry(geometry);
    styleEntry(list);
    return list;
}

// The pictures are drawn for 96 dpi, the size of their boxes there; on a screen of another
// resolution they fill their boxes, as the window's other controls grow with it.
QLabel *FormCfg::addPicture(const QString &name, const QRect &geometry, const QString &resource)
{
    auto *picture = new QLabel(Frame2);
    picture->setObjectName(name);
    picture->setGeometry(geometry);
    const QPixmap drawn(resource);
    picture->setPixmap(
        drawn.size() == geometry.size()
            ? drawn
            : drawn.scaled(geometry.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return picture;
}

// The command buttons come from the window's stored layout with their size; the window places
// them. A button missing from the layout (a damaged build) is made plain, so the window works.
StyledButton *FormCfg::addCommandButton(const QHash<QString, StyledButton *> &stored,
                                        const QString &name, const QRect &geometry)
{
    StyledButton *button = stored.value(name);
    if (!button) {
        button = new StyledButton(this);
        button->setObjectName(name);
        button->setCaption(name);
        button->resize(geometry.size());
    }
    button->move(geometry.topLeft());
    return button;
}

void FormCfg::setKeyboardOrder()
{
    const QList<QWidget *> order = {Ag1,    Ag2, Ag3,  Ag4,       Cod,    Formato,
                                    Pagine, SxT, TopT, Fascicola, SalvaP, AnnullaP};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}

void FormCfg::Form_Load()
{
    Email->setCursor(Qt::PointingHandCursor);

    Pagine->addItems({QStringLiteral("3"), QStringLiteral("6"), QStringLiteral("12")});
    Pagine->setCurrentText(QStringLiteral("6"));
    Formato->addItems({QStringLiteral("A5"), QStringLiteral("A4")});
    Formato->setCurrentText(QStringLiteral("A5"));

    // Always from the settings, an empty code included: starting from the blank form instead
    // would make the next "Salva" overwrite the heading lines, margins and format unseen.
    const Settings &s = m_store.settings();
    Cod->setText(s.CfgCodice);
    Ag1->setText(s.CfgAutoscuola1);
    Ag2->setText(s.CfgAutoscuola2);
    Ag3->setText(s.CfgAutoscuola3);
    Ag4->setText(s.CfgAutoscuola4);
    SxT->setText(s.CfgMargineSx);
    TopT->setText(s.CfgMargineTop);
    selectPageCount(s.CfgPagine);
    if (s.CfgFormato == QLatin1String("A4"))
        Formato->setCurrentText(QStringLiteral("A4"));

    FascN->move(FascS->x(), FascN->y());
    FascS->raise();

    Fascicola->setChecked(s.CfgFascicola);
    FascS->setVisible(s.CfgFascicola);

    AggiornaFascicola();
}

// A page count that is not on the list (a hand-edited file) is added to it, so that it is
// shown as stored and "Salva" without changes writes it back.
void FormCfg::selectPageCount(const QString &pagine)
{
    int index = Pagine->findText(pagine, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        Pagine->addItem(pagine);
        index = Pagine->count() - 1;
    }
    Pagine->setCurrentIndex(index);
}

void FormCfg::AggiornaFascicola()
{
    const bool allowed = Settings::collationAllowed(Formato->currentText(), Pagine->currentText());
    if (!allowed)
        Fascicola->setChecked(false);
    Fascicola->setEnabled(allowed);
}

void FormCfg::SalvaP_Click()
{
    const auto result = m_store.SalvaConfigurazione(
        Cod->text(), Ag1->text(), Ag2->text(), Ag3->text(), Ag4->text(), SxT->text(), TopT->text(),
        Pagine->currentText(), Formato->currentText(), Fascicola->isChecked());
    if (!result.ok) {
        QMessageBox::warning(this, kTitle, result.error);
        return;
    }
    QWidget *owner = parentWidget();
    accept();
    QMessageBox::information(owner, kTitle, QStringLiteral("Configurazione salvata"));
}

} // namespace Tavo
