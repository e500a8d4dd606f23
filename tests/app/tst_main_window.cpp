#include "app/main_window.h"

#include "../golden_image.h"
#include "../modal_closer.h"
#include "../raw_files.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Tavo;

// The main window through its widgets; its boxes, checks and files have tests of their own.

// A click on a button, in a window started with argumentString, and what follows it.
struct Click
{
    QString argumentString = "12VI123456§MARIO*ROSSI";
    QString targa{}, istruttore{}; // set by the program, as pasted text could be
    QByteArray cfg{};              // Tavo.cfg; null: none
    QString button = "StampaP";
    QString answer{};                // the caption of the button it is answered with
    int icon = QMessageBox::Warning; // of the modal window shown; NoIcon: a dialog; -1: none
    QString focus{};                 // the control with the focus after it; null: window closed
    int exitStatus = 0;
    bool printToFile = false; // the printer dialog prints to a file; Tavo.txt is a folder
};
Q_DECLARE_METATYPE(Click)

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Started with Tavo.txt (also the Tags a print compares with), Tavo.cfg and a learner; at 96
    // dpi against its reviewed golden image: every control's caption, place, size, font and
    // colour, the values loaded, the focus. Coming back from another window keeps the focus.
    void startUp()
    {
        QTemporaryDir dir;
        QVERIFY(writeRaw(dir.filePath("Tavo.txt"), "AB123CDXYZ\r\nNICOL\xC8 NERI\r\nUfficio\r\n"));
        QVERIFY(writeRaw(dir.filePath("Tavo.cfg"), "0123\r\n"));
        Form1 window(dir.path(), "12VI123456§MARIO*ROSSI");
        QCOMPARE(window.windowTitle(), QStringLiteral("Stampa Libretti Guide versione 1.4"));
        QCOMPARE(window.settingsStore().settings().CfgCodice, QStringLiteral("0123"));
        const auto tag = [&window](const char *name) {
            return window.findChild<QWidget *>(QLatin1String(name))->property("Tag").toString();
        };
        QCOMPARE(QStringList({tag("Targa"), tag("Istruttore"), tag("StampaP")}),
                 QStringList({"AB123CDXYZ", "NICOLÈ NERI", "Ufficio"}));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_COMPARE(window.focusWidget()->objectName(), QStringLiteral("StampaP"));
        const QString difference =
            Golden::compare(window.grab().toImage(), TAVO_GOLDEN_DIR "/form1.png");
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        window.findChild<QWidget *>(QStringLiteral("Nome"))->setFocus();
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.focusWidget()->objectName(), QStringLiteral("Nome"));
    }

    // What a click on each button leads to: the modal window it shows, then the control that has
    // the focus or, when the program ends, its exit status.
    void buttons_data()
    {
        QTest::addColumn<Click>("click");
        QTest::newRow("Esci") << Click{.button = "EsciP", .icon = -1};
        QTest::newRow("configuration closed, number")
            << Click{.button = "CfgP", .icon = 0, .focus = "StampaP"};
        QTest::newRow("configuration closed, no number")
            << Click{.argumentString = "", .button = "CfgP", .icon = 0, .focus = "CfgP"};
        QTest::newRow("wrong number")
            << Click{.argumentString = "12XX123456§ROSSI", .focus = "Aut"};
        QTest::newRow("blank name") << Click{.argumentString = "12VI123456§ * ", .focus = "Nome"};
        QTest::newRow("plate Tavo.txt cannot hold") << Click{.targa = "AB中", .focus = "Targa"};
        QTest::newRow("instructor Tavo.txt cannot hold")
            << Click{.istruttore = "中", .focus = "Istruttore"};
        QTest::newRow("printer dialog cancelled") << Click{.icon = 0};
        // "Correggi" after a warning goes back to the field, or to the configuration; "Stampa
        // comunque" to the printer dialog.
        const QString tooLong = "12VI123456§" + QString(50, 'W');
        QTest::newRow("name too long") << Click{.argumentString = tooLong, .focus = "Nome"};
        QTest::newRow("name too long, printed anyway")
            << Click{.argumentString = tooLong, .answer = "Stampa comunque"};
        QTest::newRow("school's town too long")
            << Click{.cfg = "1\r\nA\r\nB\r\nC\r\n" + QByteArray(50, 'W') + "\r\n", .focus = "CfgP"};
        // A hand-edited left margin whose millimetres overflow the margin arithmetic.
        QTest::newRow("print failed") << Click{.cfg = "1\r\nA\r\nB\r\nC\r\nD\r\n99999999999\r\n",
                                               .icon = QMessageBox::Critical,
                                               .exitStatus = 1};
        QTest::newRow("printed, Tavo.txt not saved")
            << Click{.targa = "AB1", .icon = 0, .exitStatus = 3, .printToFile = true};
    }

    void buttons()
    {
        QFETCH(Click, click);
        QTemporaryDir dir;
        QVERIFY(click.cfg.isNull() || writeRaw(dir.filePath("Tavo.cfg"), click.cfg));
        QVERIFY(!click.printToFile || QDir(dir.path()).mkdir("Tavo.txt"));
        Form1 window(dir.path(), click.argumentString);
        const auto box = [&window](const char *name) {
            return window.findChild<QLineEdit *>(QLatin1String(name));
        };
        box("Targa")->setText(click.targa);
        box("Istruttore")->setText(click.istruttore);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QWidget *stampa = window.findChild<QWidget *>(QStringLiteral("StampaP"));
        const QString pdf = dir.filePath("l.pdf");
        const auto printToFile = [&pdf](QDialog *dialog) {
            auto *printers = dialog->findChild<QComboBox *>("printers");
            printers->setCurrentIndex(printers->count() - 1); // "Print to File (PDF)"
            dialog->findChild<QLineEdit *>("filename")->setText(pdf);
            dialog->accept();
        };
        ModalCloser closer([stampa] { return stampa->isEnabled(); },
                           click.printToFile ? ModalCloser::Answer(printToFile)
                                             : ModalCloser::clickButton(click.answer));
        QTest::mouseClick(window.findChild<QWidget *>(click.button), Qt::LeftButton);
        QCOMPARE(closer.seen ? int(closer.icon) : -1, click.icon);
        QVERIFY(click.icon <= 0 || closer.title == "Tavo");
        QCOMPARE(closer.probed, closer.seen && click.button != "StampaP"); // print button greyed
        const PrintInput input{box("Aut")->text(), box("Nome")->text(), click.targa,
                               click.istruttore};
        const InputCheck check = checkPrintInput(input);
        const auto warned = findPrintWarnings(input, window.settingsStore().settings());
        QVERIFY(click.icon != QMessageBox::Warning ||
                closer.text == (check.ok() ? warned.value(0).message : check.message));
        QCOMPARE(QFile::exists(pdf), click.printToFile);
        QTRY_COMPARE(window.isVisible() ? window.focusWidget()->objectName() : QString(),
                     click.focus);
        QCOMPARE(window.exitStatus(), click.exitStatus);
        QVERIFY(!window.isVisible() || stampa->isEnabled());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
