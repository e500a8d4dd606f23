#include "app/main_window.h"
#include "widgets/styled_button/styled_button.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Tavo;

namespace {

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QLineEdit *box(const Form1 &window, const char *name)
{
    return window.findChild<QLineEdit *>(QLatin1String(name));
}

QWidget *control(const Form1 &window, const char *name)
{
    return window.findChild<QWidget *>(QLatin1String(name));
}

// One key press per character, carrying it as text (QTest::keyClicks takes ASCII only).
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The control that has the focus in the window, or takes it when the window is active again
// (the offscreen platform activates no window when a modal one closes).
QString windowFocusName(const QWidget &window)
{
    QWidget *focus = window.focusWidget();
    return focus ? focus->objectName() : QString();
}

QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

// Closes the next modal window that opens while it lives and records what it showed: a message
// box through its OK button, any other dialog by rejecting it.
class ModalCloser : public QObject
{
public:
    ModalCloser()
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalCloser::closeModal);
        m_timer.start(10);
    }

    std::function<void()> whileOpen; // runs once the modal window is up, before it closes
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool isMessageBox = false;

private:
    void closeModal()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || seen)
            return;
        seen = true;
        m_timer.stop();
        if (whileOpen)
            whileOpen();
        title = modal->windowTitle();
        if (auto *message = qobject_cast<QMessageBox *>(modal)) {
            isMessageBox = true;
            text = message->text();
            icon = message->icon();
            message->button(QMessageBox::Ok)->click();
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            dialog->reject();
        }
    }

    QTimer m_timer;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void titleCarriesTheVersion()
    {
        QTemporaryDir dir;
        Form1 window(dir.path());
        QCOMPARE(window.windowTitle(), QStringLiteral("Stampa Libretti Guide versione 1.4"));
        QVERIFY(!window.windowIcon().isNull());
        QVERIFY(window.windowIcon().availableSizes().contains(QSize(32, 32)));
    }

    void opensCentredOnTheScreen()
    {
        QTemporaryDir dir;
        Form1 window(dir.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint offset =
            window.geometry().center() - window.screen()->availableGeometry().center();
        QVERIFY2(
            offset.manhattanLength() <= 2,
            qPrintable(QStringLiteral("off centre by %1, %2").arg(offset.x()).arg(offset.y())));
    }

    void controlsCarryTheirCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Label2") << QStringLiteral("Label2") << QStringLiteral("Numero aut.:");
        QTest::newRow("Label1") << QStringLiteral("Label1") << QStringLiteral("Nome:");
        QTest::newRow("Label3") << QStringLiteral("Label3") << QStringLiteral("Targa:");
        QTest::newRow("Label4") << QStringLiteral("Label4") << QStringLiteral("Istruttore:");
        QTest::newRow("Frame4") << QStringLiteral("Frame4") << QStringLiteral("Allievo");
        QTest::newRow("Frame2") << QStringLiteral("Frame2") << QStringLiteral("Veicolo");
        QTest::newRow("StampaP") << QStringLiteral("StampaP") << QStringLiteral("Stampa");
        QTest::newRow("CfgP") << QStringLiteral("CfgP") << QStringLiteral("Configurazione");
        QTest::newRow("EsciP") << QStringLiteral("EsciP") << QStringLiteral("Esci");
        QTest::newRow("Command1") << QStringLiteral("Command1") << QStringLiteral("leggi prov");
    }

    void controlsCarryTheirCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QTemporaryDir dir;
        Form1 window(dir.path());
        QWidget *widget = window.findChild<QWidget *>(name);
        QVERIFY(widget);
        QString shown;
        if (const auto *button = qobject_cast<StyledButton *>(widget))
            shown = button->Caption();
        else if (widget->property("text").isValid())
            shown = widget->property("text").toString();
        else
            shown = widget->property("title").toString();
        QCOMPARE(shown, caption);
    }

    // At 96 dots per inch a pixel is 15 twips.
    void geometryFollowsTheTwipsTable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("Frame4") << QStringLiteral("Frame4") << QRect(8, 8, 689, 65);
        QTest::newRow("Aut in Frame4") << QStringLiteral("Aut") << QRect(120, 24, 113, 26);
        QTest::newRow("Nome in Frame4") << QStringLiteral("Nome") << QRect(320, 24, 353, 26);
        QTest::newRow("Label3 in Frame2") << QStringLiteral("Label3") << QRect(40, 32, 73, 25);
        QTest::newRow("Frame2") << QStringLiteral("Frame2") << QRect(8, 80, 689, 65);
        QTest::newRow("StampaP") << QStringLiteral("StampaP") << QRect(8, 160, 177, 49);
        QTest::newRow("CfgP") << QStringLiteral("CfgP") << QRect(264, 160, 177, 49);
        QTest::newRow("EsciP") << QStringLiteral("EsciP") << QRect(520, 160, 177, 49);
        QTest::newRow("Command1") << QStringLiteral("Command1") << QRect(584, 0, 129, 33);
    }

    void geometryFollowsTheTwipsTable()
    {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QTemporaryDir dir;
        Form1 window(dir.path());
        if (!qFuzzyCompare(window.screen()->logicalDotsPerInch(), 96.0))
            QSKIP("the expected pixels are worked out for 96 dots per inch");
        QCOMPARE(window.size(), QSize(706, 218));
        QWidget *widget = window.findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), pixels);
    }

    void textBoxesAreGreyWithTheWindowFont()
    {
        QTemporaryDir dir;
        Form1 window(dir.path());
        for (const char *name : {"Aut", "Nome", "Targa", "Istruttore"}) {
            QLineEdit *edit = box(window, name);
            QVERIFY(edit);
            QCOMPARE(edit->palette().color(QPalette::Base), QColor(240, 240, 240));
            QCOMPARE(edit->font().family(), QStringLiteral("Arial"));
            QCOMPARE(edit->font().pointSize(), 12);
            QVERIFY(!edit->font().bold());
        }
        QVERIFY(control(window, "Label2")->font().bold());
        QVERIFY(control(window, "Frame4")->font().bold());
        QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::white));
    }

    void tabOrderRunsThroughTheFieldsAndButtons()
    {
        QTemporaryDir dir;
        Form1 window(dir.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_COMPARE(focusName(), QStringLiteral("Aut"));
        QStringList visited{focusName()};
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << focusName();
        }
        QCOMPARE(visited, QStringList({"Aut", "Nome", "Targa", "Istruttore", "StampaP", "CfgP",
                                       "EsciP", "Aut"}));
    }

    void typingLimitsOfTheFields_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("limit");
        QTest::newRow("Aut") << QStringLiteral("Aut") << 10;
        QTest::newRow("Nome") << QStringLiteral("Nome") << 50;
        QTest::newRow("Targa") << QStringLiteral("Targa") << 8;
        QTest::newRow("Istruttore") << QStringLiteral("Istruttore") << 50;
    }

    void typingLimitsOfTheFields()
    {
        QFETCH(QString, name);
        QFETCH(int, limit);
        QTemporaryDir dir;
        Form1 window(dir.path());
        auto *edit = window.findChild<QLineEdit *>(name);
        QVERIFY(edit);
        typeText(edit, QString(60, u'è'));
        QCOMPARE(edit->text(), QString(limit, u'È'));
    }

    void rememberedValuesFromTavoTxt_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("targa");
        QTest::addColumn<QString>("istruttore");
        QTest::addColumn<QString>("stampante");
        QTest::newRow("missing file") << QByteArray() << QString() << QString() << QString();
        QTest::newRow("two lines")
            << QByteArray("AB123CD\r\nMARIO ROSSI\r\n") << QStringLiteral("AB123CD")
            << QStringLiteral("MARIO ROSSI") << QString();
        QTest::newRow("three lines")
            << QByteArray("AB123CD\r\nBIANCHI\r\nHP LaserJet\r\n") << QStringLiteral("AB123CD")
            << QStringLiteral("BIANCHI") << QStringLiteral("HP LaserJet");
        QTest::newRow("plate longer than the typing limit")
            << QByteArray("AB123CDXYZ\r\n") << QStringLiteral("AB123CDXYZ") << QString()
            << QString();
        QTest::newRow("Windows-1252 bytes") << QByteArray("\r\nNICOL\xC8 \x8A\r\n") << QString()
                                            << QStringLiteral("NICOLÈ Š") << QString();
    }

    void rememberedValuesFromTavoTxt()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, targa);
        QFETCH(QString, istruttore);
        QFETCH(QString, stampante);
        QTemporaryDir dir;
        if (!file.isNull())
            writeRaw(dir.filePath(QStringLiteral("Tavo.txt")), file);
        Form1 window(dir.path());
        QCOMPARE(box(window, "Targa")->text(), targa);
        QCOMPARE(control(window, "Targa")->property("Tag").toString(), targa);
        QCOMPARE(box(window, "Istruttore")->text(), istruttore);
        QCOMPARE(control(window, "Istruttore")->property("Tag").toString(), istruttore);
        QCOMPARE(control(window, "StampaP")->property("Tag").toString(), stampante);
        QCOMPARE(box(window, "Aut")->text(), QString());
        QCOMPARE(box(window, "Nome")->text(), QString());
    }

    void settingsAreReadAtStart()
    {
        QTemporaryDir dir;
        writeRaw(dir.filePath(QStringLiteral("Tavo.cfg")), "0123\r\nAUTOSCUOLA ROSSI\r\n");
        Form1 window(dir.path());
        QCOMPARE(window.settingsStore().settings().CfgCodice, QStringLiteral("0123"));
        QCOMPARE(window.settingsStore().settings().CfgAutoscuola1,
                 QStringLiteral("AUTOSCUOLA ROSSI"));
    }

    void learnerFromTheCommandLine_data()
    {
        QTest::addColumn<QString>("argumentString");
        QTest::addColumn<QString>("aut");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no argument")
            << QString() << QString() << QString() << QStringLiteral("Aut");
        QTest::newRow("asterisks are blanks")
            << QStringLiteral("12VI123456§A*B*C") << QStringLiteral("12VI123456")
            << QStringLiteral("A B C") << QStringLiteral("StampaP");
        QTest::newRow("leading section sign")
            << QStringLiteral("§MARIO*ROSSI") << QString() << QStringLiteral("MARIO ROSSI")
            << QStringLiteral("Aut");
        QTest::newRow("no section sign, with blanks")
            << QStringLiteral("12VI123456 MARIO ROSSI") << QString() << QString()
            << QStringLiteral("Aut");
        QTest::newRow("second section sign belongs to the name")
            << QStringLiteral("12VI123456§A§B") << QStringLiteral("12VI123456")
            << QStringLiteral("A§B") << QStringLiteral("StampaP");
        QTest::newRow("set as given, not converted")
            << QStringLiteral("12vi123456§mario*rossi") << QStringLiteral("12vi123456")
            << QStringLiteral("mario rossi") << QStringLiteral("StampaP");
        QTest::newRow("longer than the typing limit")
            << QStringLiteral("12VI1234567§X") << QStringLiteral("12VI1234567")
            << QStringLiteral("X") << QStringLiteral("StampaP");
    }

    void learnerFromTheCommandLine()
    {
        QFETCH(QString, argumentString);
        QFETCH(QString, aut);
        QFETCH(QString, nome);
        QFETCH(QString, focus);
        QTemporaryDir dir;
        Form1 window(dir.path(), argumentString);
        QCOMPARE(box(window, "Aut")->text(), aut);
        QCOMPARE(box(window, "Nome")->text(), nome);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_COMPARE(focusName(), focus);
    }

    void closingTheConfigurationAppliesTheFocusRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("focus");
        QTest::newRow("number typed") << QStringLiteral("12vi123456") << QStringLiteral("StampaP");
        QTest::newRow("no number") << QString() << QStringLiteral("CfgP");
    }

    void closingTheConfigurationAppliesTheFocusRule()
    {
        QFETCH(QString, typed);
        QFETCH(QString, focus);
        QTemporaryDir dir;
        Form1 window(dir.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_COMPARE(focusName(), QStringLiteral("Aut"));
        QTest::keyClicks(box(window, "Aut"), typed);

        ModalCloser closer;
        QTest::mouseClick(control(window, "CfgP"), Qt::LeftButton);
        QVERIFY(closer.seen);
        QVERIFY(!closer.isMessageBox);
        QTRY_COMPARE(windowFocusName(window), focus);
    }

    void comingBackFromAnotherWindowKeepsTheFocus()
    {
        QTemporaryDir dir;
        Form1 window(dir.path(), QStringLiteral("12VI123456§ROSSI"));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_COMPARE(focusName(), QStringLiteral("StampaP"));
        box(window, "Nome")->setFocus();
        QTRY_COMPARE(focusName(), QStringLiteral("Nome"));

        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_COMPARE(focusName(), QStringLiteral("Nome"));
    }

    void esciClosesTheWindow()
    {
        QTemporaryDir dir;
        Form1 window(dir.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(control(window, "EsciP"), Qt::LeftButton);
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(window.exitStatus(), 0);
    }

    void failedCheckWarnsAndKeepsTheWindow_data()
    {
        QTest::addColumn<QString>("argumentString");
        QTest::addColumn<QString>("targa"); // set by the program, as pasted text could be
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("nine-character number")
            << QStringLiteral("12VI12345§ROSSI") << QString()
            << QStringLiteral("Numero autorizzazione errato") << QStringLiteral("Aut");
        QTest::newRow("unknown province code")
            << QStringLiteral("12XX123456§ROSSI") << QString()
            << QStringLiteral("Numero autorizzazione errato") << QStringLiteral("Aut");
        QTest::newRow("name of blanks only")
            << QStringLiteral("12VI123456§ * ") << QString()
            << QStringLiteral("Nome allievo non presente") << QStringLiteral("Nome");
        // Tavo.txt could not keep it: refused before the printer dialog.
        QTest::newRow("plate with a character Tavo.txt cannot hold")
            << QStringLiteral("12VI123456§ROSSI") << QStringLiteral("AB中")
            << QStringLiteral("Targa non valida: il carattere \"中\" non si può salvare")
            << QStringLiteral("Targa");
    }

    void failedCheckWarnsAndKeepsTheWindow()
    {
        QFETCH(QString, argumentString);
        QFETCH(QString, targa);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QTemporaryDir dir;
        Form1 window(dir.path(), argumentString);
        box(window, "Targa")->setText(targa);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget *stampa = control(window, "StampaP");
        QTRY_COMPARE(QApplication::focusWidget(), stampa);

        ModalCloser closer;
        QTest::keyClick(stampa, Qt::Key_Space);
        QVERIFY(closer.seen);
        QCOMPARE(closer.title, QStringLiteral("Tavo"));
        QCOMPARE(closer.icon, QMessageBox::Warning);
        QCOMPARE(closer.text, message);
        QVERIFY(window.isVisible());
        QVERIFY(stampa->isEnabled());
        QTRY_COMPARE(windowFocusName(window), focus);
        QCOMPARE(window.exitStatus(), 0);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Tavo.txt"))));
    }

    void cancelledPrintDialogEndsTheProgram()
    {
        QTemporaryDir dir;
        Form1 window(dir.path(), QStringLiteral("12VI123456§MARIO*ROSSI"));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        typeText(box(window, "Targa"), QStringLiteral("ab123cd"));
        typeText(box(window, "Istruttore"), QStringLiteral("bianchi"));
        QWidget *stampa = control(window, "StampaP");

        ModalCloser closer;
        bool enabledWhileOpen = true;
        closer.whileOpen = [&] {
            enabledWhileOpen = stampa->isEnabled();
        };
        QTest::mouseClick(stampa, Qt::LeftButton);
        QVERIFY(closer.seen);
        QVERIFY(!closer.isMessageBox);
        QVERIFY(!enabledWhileOpen);
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(window.exitStatus(), 0);
        QFile remembered(dir.filePath(QStringLiteral("Tavo.txt")));
        QVERIFY(remembered.open(QIODevice::ReadOnly));
        QVERIFY(remembered.readAll().startsWith("AB123CD\r\nBIANCHI\r\n"));
    }

    void failedPrintIsReportedAndEndsTheProgram()
    {
        QTemporaryDir dir;
        // A hand-edited left margin whose millimetres overflow the margin arithmetic.
        writeRaw(dir.filePath(QStringLiteral("Tavo.cfg")),
                 "0123\r\nA\r\nB\r\nC\r\nD\r\n99999999999\r\n15\r\n3\r\nA4\r\nNo\r\n");
        Form1 window(dir.path(), QStringLiteral("12VI123456§MARIO*ROSSI"));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        ModalCloser closer;
        QTest::mouseClick(control(window, "StampaP"), Qt::LeftButton);
        QVERIFY(closer.seen);
        QCOMPARE(closer.title, QStringLiteral("Tavo"));
        QCOMPARE(closer.icon, QMessageBox::Critical);
        QVERIFY(!closer.text.isEmpty());
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(window.exitStatus(), 1);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Tavo.txt"))));
    }

    void converterWithoutExportWarnsAndGoesOn()
    {
        QTemporaryDir dir;
        writeRaw(dir.filePath(QStringLiteral("Province.txt")), "Prov(1)=\"AG;AGRIGENTO\"\r\n");
        Form1 window(dir.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        ModalCloser closer;
        QTest::mouseClick(control(window, "Command1"), Qt::LeftButton);
        QVERIFY(closer.seen);
        QCOMPARE(closer.title, QStringLiteral("Tavo"));
        QCOMPARE(closer.icon, QMessageBox::Warning);
        QVERIFY2(closer.text.contains(QStringLiteral("Export.txt")), qPrintable(closer.text));
        QVERIFY(window.isVisible());
        QFile previous(dir.filePath(QStringLiteral("Province.txt")));
        QVERIFY(previous.open(QIODevice::ReadOnly));
        QCOMPARE(previous.readAll(), QByteArray("Prov(1)=\"AG;AGRIGENTO\"\r\n"));
    }

    void converterClosesTheWindowWhenDone()
    {
        QTemporaryDir dir;
        writeRaw(dir.filePath(QStringLiteral("Export.txt")),
                 "Sigla;Nome\r\nAG;AGRIGENTO\r\nEE;ESTERO\r\nAL;ALESSANDRIA");
        Form1 window(dir.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(control(window, "Command1"), Qt::LeftButton);
        QTRY_VERIFY(!window.isVisible());
        QFile output(dir.filePath(QStringLiteral("Province.txt")));
        QVERIFY(output.open(QIODevice::ReadOnly));
        QCOMPARE(output.readAll(),
                 QByteArray("Prov(1)=\"AG;AGRIGENTO\"\r\nProv(2)=\"AL;ALESSANDRIA\"\r\n"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
