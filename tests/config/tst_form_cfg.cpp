#include "app/core/settings.h"
#include "config/form_cfg.h"
#include "config/support_mail.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Tavo;

// Receives the URLs the desktop would open, in place of the mail program.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl &url) { urls.append(url); }
};

namespace {

const QByteArray kCollatedFile = "0123\r\nAUTOSCUOLA ROSSI\r\nDI ROSSI MARIO\r\nVIA PO, 7\r\n"
                                 "TORINO (TO)\r\n12\r\n20\r\n12\r\nA4\r\nSi\r\n";

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readRaw(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

template <class T> T *control(const FormCfg &form, const char *name)
{
    return form.findChild<T *>(QLatin1String(name));
}

QLineEdit *box(const FormCfg &form, const char *name)
{
    return control<QLineEdit>(form, name);
}

// Chooses an entry the way a user does, with the arrow keys.
void choose(QComboBox *list, const QString &text)
{
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < list->count() && list->currentText() != text; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentText(), text);
}

// Types text that has no key on QTest's ASCII keyboard, one key event per character.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

// What a message box showed, and whether the configuration window was on screen meanwhile.
struct SeenBox
{
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget *parent = nullptr;
    bool formVisible = false;
};

// Answers the next message box with OK as soon as it is the modal window.
void answerNextMessageBox(SeenBox &seen, FormCfg &form)
{
    auto *timer = new QTimer(&form);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, &seen, &form] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer->stop();
        seen = {true,        box->windowTitle(),  box->text(),
                box->icon(), box->parentWidget(), form.isVisible()};
        box->button(QMessageBox::Ok)->click();
    });
    timer->start(10);
}

} // namespace

class TestFormCfg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultsWithoutSettingsFile()
    {
        // GIVEN no Tavo.cfg
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        store.LeggiConfigurazione();
        // WHEN the window opens
        FormCfg form(store);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        // THEN it shows the defaults; three pages forbid collation
        QCOMPARE(box(form, "Cod")->text(), QStringLiteral("9999"));
        QCOMPARE(box(form, "Ag1")->text(), Settings::defaults().CfgAutoscuola1);
        QCOMPARE(box(form, "Ag4")->text(), Settings::defaults().CfgAutoscuola4);
        QCOMPARE(box(form, "SxT")->text(), QStringLiteral("10"));
        QCOMPARE(box(form, "TopT")->text(), QStringLiteral("15"));
        auto *pagine = control<QComboBox>(form, "Pagine");
        QCOMPARE(pagine->currentText(), QStringLiteral("3"));
        QCOMPARE(pagine->count(), 3);
        QCOMPARE(pagine->itemText(2), QStringLiteral("12"));
        auto *formato = control<QComboBox>(form, "Formato");
        QCOMPARE(formato->currentText(), QStringLiteral("A4"));
        QCOMPARE(formato->itemText(0), QStringLiteral("A5"));
        auto *fascicola = control<QCheckBox>(form, "Fascicola");
        QVERIFY(!fascicola->isChecked());
        QVERIFY(!fascicola->isEnabled());
        QVERIFY(control<QLabel>(form, "FascN")->isVisible());
        QVERIFY(!control<QLabel>(form, "FascS")->isVisible());
        QCOMPARE(QApplication::focusWidget(), box(form, "Ag1"));
    }

    void emptyCodeStillShowsTheSettings()
    {
        // GIVEN a saved empty code with every other value differing from the blank form
        QTemporaryDir dir;
        const QByteArray file =
            "\r\nRIGA 1\r\nRIGA 2\r\nRIGA 3\r\nRIGA 4\r\n5\r\n7\r\n12\r\nA4\r\nSi\r\n";
        writeRaw(dir.filePath("Tavo.cfg"), file);
        SettingsStore store(dir.path());
        store.LeggiConfigurazione();
        FormCfg form(store);
        form.show();
        // THEN nothing falls back to the blank form
        QCOMPARE(box(form, "Cod")->text(), QString());
        QCOMPARE(box(form, "Ag3")->text(), QStringLiteral("RIGA 3"));
        QCOMPARE(box(form, "SxT")->text(), QStringLiteral("5"));
        QCOMPARE(box(form, "TopT")->text(), QStringLiteral("7"));
        QCOMPARE(control<QComboBox>(form, "Pagine")->currentText(), QStringLiteral("12"));
        QCOMPARE(control<QComboBox>(form, "Formato")->currentText(), QStringLiteral("A4"));
        QVERIFY(control<QCheckBox>(form, "Fascicola")->isChecked());
        // WHEN saved without changes THEN the file is unchanged
        SeenBox seen;
        answerNextMessageBox(seen, form);
        QTest::mouseClick(control<QPushButton>(form, "SalvaP"), Qt::LeftButton);
        QTRY_VERIFY(seen.seen);
        QCOMPARE(readRaw(store.filePath()), file);
    }

    void storedCollationShowsCollatedPicture()
    {
        QTemporaryDir dir;
        writeRaw(dir.filePath("Tavo.cfg"), kCollatedFile);
        SettingsStore store(dir.path());
        store.LeggiConfigurazione();
        FormCfg form(store);
        form.show();
        auto *fascicola = control<QCheckBox>(form, "Fascicola");
        QVERIFY(fascicola->isEnabled());
        QVERIFY(fascicola->isChecked());
        auto *fascS = control<QLabel>(form, "FascS");
        QVERIFY(fascS->isVisible());
        // The two pictures lie on one another, the collated one on top.
        QCOMPARE(control<QLabel>(form, "FascN")->geometry(), fascS->geometry());
        QCOMPARE(fascS->parentWidget()->childAt(fascS->geometry().center()), fascS);
    }

    void collationFollowsFormatAndPages_data()
    {
        QTest::addColumn<QString>("formato");
        QTest::addColumn<QString>("pagine");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("A4 3 odd") << "A4"
                                  << "3" << false;
        QTest::newRow("A4 6") << "A4"
                              << "6" << true;
        QTest::newRow("A4 12") << "A4"
                               << "12" << true;
        QTest::newRow("A5 6") << "A5"
                              << "6" << false;
        QTest::newRow("A5 12") << "A5"
                               << "12" << false;
    }

    void collationFollowsFormatAndPages()
    {
        QFETCH(QString, formato);
        QFETCH(QString, pagine);
        QFETCH(bool, allowed);
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        store.LeggiConfigurazione();
        FormCfg form(store);
        form.show();
        // WHEN the user chooses format and pages and then asks for collation
        choose(control<QComboBox>(form, "Pagine"), pagine);
        choose(control<QComboBox>(form, "Formato"), formato);
        auto *fascicola = control<QCheckBox>(form, "Fascicola");
        QTest::keyClick(fascicola, Qt::Key_Space);
        // THEN collation is taken only where it is allowed
        QCOMPARE(fascicola->isEnabled(), allowed);
        QCOMPARE(fascicola->isChecked(), allowed);
        QCOMPARE(control<QLabel>(form, "FascS")->isVisible(), allowed);
    }

    void checkThenOddThenEvenPageCount()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        store.LeggiConfigurazione();
        FormCfg form(store);
        form.show();
        auto *pagine = control<QComboBox>(form, "Pagine");
        auto *fascicola = control<QCheckBox>(form, "Fascicola");
        auto *fascS = control<QLabel>(form, "FascS");
        choose(pagine, QStringLiteral("12"));
        QVERIFY(fascicola->isEnabled());
        QVERIFY(!fascicola->isChecked());
        QTest::keyClick(fascicola, Qt::Key_Space);
        QVERIFY(fascicola->isChecked());
        QVERIFY(fascS->isVisible());
        choose(pagine, QStringLiteral("3"));
        QVERIFY(!fascicola->isChecked());
        QVERIFY(!fascicola->isEnabled());
        QVERIFY(!fascS->isVisible());
        choose(pagine, QStringLiteral("6"));
        QVERIFY(fascicola->isEnabled());
        QVERIFY(!fascicola->isChecked());
    }

    void storedPageCountOffTheList_data()
    {
        QTest::addColumn<QByteArray>("pagine");
        QTest::newRow("eight") << QByteArray("8");
        QTest::newRow("leading zero") << QByteArray("06");
        QTest::newRow("empty") << QByteArray();
    }

    void storedPageCountOffTheList()
    {
        QFETCH(QByteArray, pagine);
        QTemporaryDir dir;
        const QByteArray file =
            "1\r\nA\r\nB\r\nC\r\nD\r\n10\r\n15\r\n" + pagine + "\r\nA4\r\nNo\r\n";
        writeRaw(dir.filePath("Tavo.cfg"), file);
        SettingsStore store(dir.path());
        store.LeggiConfigurazione();
        FormCfg form(store);
        form.show();
        auto *list = control<QComboBox>(form, "Pagine");
        QCOMPARE(list->currentText(), QString::fromLatin1(pagine));
        QCOMPARE(list->count(), 4);
        SeenBox seen;
        answerNextMessageBox(seen, form);
        QTest::mouseClick(control<QPushButton>(form, "SalvaP"), Qt::LeftButton);
        QTRY_VERIFY(seen.seen);
        QCOMPARE(readRaw(store.filePath()), file);
    }

    void digitFilterOnTyping_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Cod letters and signs") << QByteArray("Cod") << "1a.-"
                                               << "1";
        QTest::newRow("Cod blank and comma") << QByteArray("Cod") << "1 2,3"
                                             << "123";
        QTest::newRow("Cod at most 4") << QByteArray("Cod") << "123456"
                                       << "1234";
        QTest::newRow("SxT decimal point") << QByteArray("SxT") << "1.5"
                                           << "15";
        QTest::newRow("SxT at most 2") << QByteArray("SxT") << "987"
                                       << "98";
        QTest::newRow("TopT minus sign") << QByteArray("TopT") << "-7e"
                                         << "7";
        QTest::newRow("Ag1 unfiltered") << QByteArray("Ag1") << "via Po 1a.-"
                                        << "via Po 1a.-";
        QTest::newRow("Ag2 at most 50")
            << QByteArray("Ag2") << QString(55, u'x') << QString(50, u'x');
    }

    void digitFilterOnTyping()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        FormCfg form(store);
        form.show();
        QLineEdit *edit = box(form, name.constData());
        edit->clear();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), shown);
    }

    void digitFilterKeys()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        FormCfg form(store);
        form.show();
        QLineEdit *cod = box(form, "Cod");
        QApplication::clipboard()->setText(QStringLiteral("77"));
        cod->setText(QStringLiteral("1234"));
        QTest::keyClick(cod, Qt::Key_Backspace);
        QCOMPARE(cod->text(), QStringLiteral("123"));
        QTest::keyClick(cod, Qt::Key_Home);
        QTest::keyClick(cod, Qt::Key_Delete);
        QTest::keyClick(cod, Qt::Key_Right);
        QTest::keyClick(cod, Qt::Key_5);
        QCOMPARE(cod->text(), QStringLiteral("253"));
        QTest::keyClick(cod, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(cod, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::keyClick(cod, Qt::Key_Return);
        QCOMPARE(cod->text(), QStringLiteral("253"));
        cod->selectAll();
        QTest::keyClick(cod, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(cod, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(cod->text(), QStringLiteral("253"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("77"));
        // Enter in any box presses no button
        QTest::keyClick(box(form, "Ag1"), Qt::Key_Return);
        QVERIFY(form.isVisible());
        QVERIFY(!QFile::exists(store.filePath()));
    }

    void pastedLineBreakBecomesBlank_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Ag2 CR LF") << QByteArray("Ag2") << "RIGA\r\nDUE"
                                   << "RIGA  DUE";
        QTest::newRow("Cod not filtered") << QByteArray("Cod") << "1\nx"
                                          << "1 x";
    }

    void pastedLineBreakBecomesBlank()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        FormCfg form(store);
        QLineEdit *edit = box(form, name.constData());
        edit->clear();
        QApplication::clipboard()->setText(pasted);
        edit->paste(); // as the context menu does
        QCOMPARE(edit->text(), shown);
    }

    void saveThenReopen()
    {
        // GIVEN the defaults and an owner window
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        store.LeggiConfigurazione();
        QWidget owner;
        owner.show();
        FormCfg form(store, &owner);
        form.show();
        // WHEN the user edits and saves
        box(form, "Cod")->clear();
        QTest::keyClicks(box(form, "Cod"), QStringLiteral("0042"));
        box(form, "Ag4")->clear();
        typeText(box(form, "Ag4"), QStringLiteral("CITTÀ DI CASTELLO €"));
        box(form, "SxT")->clear();
        QTest::keyClicks(box(form, "SxT"), QStringLiteral("8"));
        choose(control<QComboBox>(form, "Pagine"), QStringLiteral("6"));
        QTest::keyClick(control<QCheckBox>(form, "Fascicola"), Qt::Key_Space);
        SeenBox seen;
        answerNextMessageBox(seen, form);
        QTest::mouseClick(control<QPushButton>(form, "SalvaP"), Qt::LeftButton);
        // THEN the window has closed before the message
        QTRY_VERIFY(seen.seen);
        QVERIFY(!seen.formVisible);
        QCOMPARE(seen.title, QStringLiteral("Tavo"));
        QCOMPARE(seen.text, QStringLiteral("Configurazione salvata"));
        QCOMPARE(seen.icon, QMessageBox::Information);
        QCOMPARE(seen.parent, &owner);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        // and the file holds the ten lines in Windows-1252 with CR LF
        const Settings d = Settings::defaults();
        const QByteArray expected = "0042\r\n" + d.CfgAutoscuola1.toLatin1() + "\r\n" +
                                    d.CfgAutoscuola2.toLatin1() + "\r\n" +
                                    d.CfgAutoscuola3.toLatin1() + "\r\n" +
                                    "CITT\xC0 DI CASTELLO \x80\r\n8\r\n15\r\n6\r\nA4\r\nSi\r\n";
        QCOMPARE(readRaw(store.filePath()), expected);
        // and a new opening shows the saved values
        FormCfg again(store, &owner);
        QCOMPARE(box(again, "Cod")->text(), QStringLiteral("0042"));
        QCOMPARE(box(again, "Ag4")->text(), QStringLiteral("CITTÀ DI CASTELLO €"));
        QCOMPARE(box(again, "SxT")->text(), QStringLiteral("8"));
        QCOMPARE(control<QComboBox>(again, "Pagine")->currentText(), QStringLiteral("6"));
        QVERIFY(control<QCheckBox>(again, "Fascicola")->isChecked());
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Annulla") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close button") << 2;
    }

    void cancelChangesNothing()
    {
        QFETCH(int, way);
        QTemporaryDir dir;
        writeRaw(dir.filePath("Tavo.cfg"), kCollatedFile);
        SettingsStore store(dir.path());
        store.LeggiConfigurazione();
        const Settings before = store.settings();
        FormCfg form(store);
        form.show();
        QTest::keyClicks(box(form, "Ag1"), QStringLiteral(" NUOVA"));
        choose(control<QComboBox>(form, "Formato"), QStringLiteral("A5"));
        if (way == 0)
            QTest::mouseClick(control<QPushButton>(form, "AnnullaP"), Qt::LeftButton);
        else if (way == 1)
            QTest::keyClick(box(form, "SxT"), Qt::Key_Escape);
        else
            form.close();
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(readRaw(store.filePath()), kCollatedFile);
        QVERIFY(store.settings() == before);
    }

    void failedSaveKeepsTheWindow_data()
    {
        QTest::addColumn<bool>("folderIsFile");
        QTest::newRow("folder is a file") << true;
        QTest::newRow("folder missing") << false;
    }

    void failedSaveKeepsTheWindow()
    {
        QFETCH(bool, folderIsFile);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("programma"));
        if (folderIsFile)
            writeRaw(folder, "x");
        SettingsStore store(folder);
        store.LeggiConfigurazione();
        const Settings before = store.settings();
        FormCfg form(store);
        form.show();
        box(form, "Cod")->clear();
        QTest::keyClicks(box(form, "Cod"), QStringLiteral("77"));
        SeenBox seen;
        answerNextMessageBox(seen, form);
        QTest::mouseClick(control<QPushButton>(form, "SalvaP"), Qt::LeftButton);
        QTRY_VERIFY(seen.seen);
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(seen.title, QStringLiteral("Tavo"));
        QVERIFY(seen.text.contains(QStringLiteral("non è stata salvata")));
        QVERIFY(seen.formVisible);
        QVERIFY(form.isVisible());
        QCOMPARE(box(form, "Cod")->text(), QStringLiteral("77"));
        QVERIFY(store.settings() == before);
    }

    void emailLink()
    {
        QCOMPARE(supportMailUrl().toEncoded(),
                 QByteArray("mailto:info@tavo.example?subject=Info%20Tavo"));
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        FormCfg form(store);
        form.show();
        auto *email = control<QLabel>(form, "Email");
        QCOMPARE(email->text(), kSupportAddress);
        QCOMPARE(email->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(email->width() >= email->fontMetrics().horizontalAdvance(kSupportAddress));
        QTest::mouseClick(email, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QCOMPARE(catcher.urls, QList<QUrl>{supportMailUrl()});
        if (form.logicalDpiX() != 96)
            QSKIP("the expected pixels are for a 96 DPI screen");
        QCOMPARE(email->pos(), QPoint(480, 400));
    }

    void geometryInPixelsAt96Dpi_data()
    {
        // Twips divided by 15, worked out from the window's table.
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("Label5 past the left border")
            << QByteArray("Label5") << QRect(-32, 16, 185, 17);
        QTest::newRow("Ag1") << QByteArray("Ag1") << QRect(160, 8, 473, 26);
        QTest::newRow("Cod") << QByteArray("Cod") << QRect(160, 136, 49, 26);
        QTest::newRow("Frame2") << QByteArray("Frame2") << QRect(80, 176, 481, 153);
        QTest::newRow("TopT in Frame2") << QByteArray("TopT") << QRect(400, 64, 33, 26);
        QTest::newRow("FascN moved onto FascS") << QByteArray("FascN") << QRect(168, 104, 48, 39);
        QTest::newRow("Fascicola") << QByteArray("Fascicola") << QRect(248, 112, 201, 25);
        QTest::newRow("AnnullaP") << QByteArray("AnnullaP") << QRect(352, 344, 121, 41);
    }

    void geometryInPixelsAt96Dpi()
    {
        QFETCH(QByteArray, name);
        QFETCH(QRect, rect);
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        FormCfg form(store);
        if (form.logicalDpiX() != 96)
            QSKIP("the expected pixels are for a 96 DPI screen");
        QCOMPARE(form.size(), QSize(642, 427));
        QCOMPARE(form.findChild<QWidget *>(QLatin1String(name))->geometry(), rect);
    }

    void fontsAndColours_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("greyEntry");
        QTest::newRow("text box") << QByteArray("Ag1") << false << true;
        QTest::newRow("digit box in frame") << QByteArray("TopT") << false << true;
        QTest::newRow("list") << QByteArray("Pagine") << false << true;
        QTest::newRow("label") << QByteArray("Label5") << true << false;
        QTest::newRow("invitation") << QByteArray("Label12") << false << false;
        QTest::newRow("group box") << QByteArray("Frame2") << true << false;
        QTest::newRow("check box") << QByteArray("Fascicola") << true << false;
        QTest::newRow("link") << QByteArray("Email") << true << false;
    }

    void fontsAndColours()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, bold);
        QFETCH(bool, greyEntry);
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        FormCfg form(store);
        const QWidget *w = form.findChild<QWidget *>(QLatin1String(name));
        const QFontInfo font(w->font());
        QCOMPARE(font.bold(), bold);
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(w->font().family(), QStringLiteral("Arial"));
        if (greyEntry)
            QCOMPARE(w->palette().color(QPalette::Base), QColor(240, 240, 240));
        QCOMPARE(form.palette().color(QPalette::Window), QColor(Qt::white));
    }

    void linkLooksLikeALink()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        FormCfg form(store);
        const auto *email = control<QLabel>(form, "Email");
        QVERIFY(email->font().underline());
        QCOMPARE(email->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }

    void opensCentredOverItsOwner()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        QWidget owner;
        owner.setGeometry(60, 50, 700, 520); // room for the window on an 800 x 600 screen
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        FormCfg form(store, &owner);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QPoint offset = form.geometry().center() - owner.geometry().center();
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
    }

    void tabOrder()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        FormCfg form(store);
        const QStringList expected = {"Ag1",    "Ag2", "Ag3",  "Ag4",       "Cod",    "Formato",
                                      "Pagine", "SxT", "TopT", "Fascicola", "SalvaP", "AnnullaP"};
        QStringList order;
        QWidget *w = box(form, "Ag1");
        do {
            if (w->focusPolicy() & Qt::TabFocus)
                order.append(w->objectName());
            w = w->nextInFocusChain();
        } while (w != box(form, "Ag1"));
        QCOMPARE(order, expected);
    }
};

QTEST_MAIN(TestFormCfg)
#include "tst_form_cfg.moc"
