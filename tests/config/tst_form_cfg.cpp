#include "config/form_cfg.h"
#include "config/support_mail.h"
#include "core/settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

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

QByteArray readRaw(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A program folder holding cfg as Tavo.cfg (no file when cfg is null), its settings read and
// the configuration window shown on them.
struct Opened
{
    explicit Opened(const QByteArray &cfg = {}, QWidget *owner = nullptr)
    {
        if (!cfg.isNull()) {
            QFile f(store.filePath());
            if (f.open(QIODevice::WriteOnly))
                f.write(cfg);
        }
        store.LeggiConfigurazione();
        form = std::make_unique<FormCfg>(store, owner);
        form->show();
    }

    template <class T = QWidget> T *get(const char *name) const
    {
        return form->findChild<T *>(QLatin1String(name));
    }
    QLineEdit *box(const char *name) const { return get<QLineEdit>(name); }
    QComboBox *list(const char *name) const { return get<QComboBox>(name); }
    QCheckBox *fascicola() const { return get<QCheckBox>("Fascicola"); }
    bool collatedPictureShown() const { return get("FascS")->isVisible(); }
    void click(const char *button) const { QTest::mouseClick(get(button), Qt::LeftButton); }

    QTemporaryDir dir;
    SettingsStore store{dir.path()};
    std::unique_ptr<FormCfg> form;
};

// Chooses an entry the way a user does, with the arrow keys.
void choose(QComboBox *list, const QString &text)
{
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < list->count() && list->currentText() != text; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentText(), text);
}

// Replaces the text of a box by typing, one key event per character (any character).
void retype(QLineEdit *box, const QString &text)
{
    box->clear();
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
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
        const Opened w;
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        QCOMPARE(w.box("Cod")->text(), QStringLiteral("9999"));
        QCOMPARE(w.box("Ag4")->text(), Settings::defaults().CfgAutoscuola4);
        QCOMPARE(w.box("SxT")->text(), QStringLiteral("10"));
        QCOMPARE(w.box("TopT")->text(), QStringLiteral("15"));
        QCOMPARE(w.list("Pagine")->currentText(), QStringLiteral("3"));
        QCOMPARE(w.list("Formato")->currentText(), QStringLiteral("A4"));
        QCOMPARE(w.list("Formato")->itemText(0), QStringLiteral("A5"));
        QVERIFY(!w.fascicola()->isChecked());
        QVERIFY(!w.fascicola()->isEnabled()); // three pages are odd
        QVERIFY(w.get("FascN")->isVisible());
        QVERIFY(!w.collatedPictureShown());
        QCOMPARE(QApplication::focusWidget(), w.box("Ag1"));
    }

    void storedCollationShowsCollatedPicture()
    {
        const Opened w(kCollatedFile);
        QVERIFY(w.fascicola()->isEnabled());
        QVERIFY(w.fascicola()->isChecked());
        QVERIFY(w.collatedPictureShown());
        // The two pictures lie on one another, the collated one on top.
        const QRect place = w.get("FascS")->geometry();
        QCOMPARE(w.get("FascN")->geometry(), place);
        QCOMPARE(w.get("Frame2")->childAt(place.center()), w.get("FascS"));
    }

    void saveWithoutChangesWritesBackTheFile_data()
    {
        QTest::addColumn<QByteArray>("cfg");
        // The blank form would have saved 9999, empty heading lines, 40, 0, 6 and A5.
        QTest::newRow("empty code")
            << QByteArray("\r\nR1\r\nR2\r\nR3\r\nR4\r\n5\r\n7\r\n12\r\nA4\r\nSi\r\n");
        QTest::newRow("collated") << kCollatedFile;
        QTest::newRow("page count 8")
            << QByteArray("1\r\nA\r\nB\r\nC\r\nD\r\n1\r\n2\r\n8\r\nA4\r\nSi\r\n");
        QTest::newRow("page count 06")
            << QByteArray("1\r\nA\r\nB\r\nC\r\nD\r\n1\r\n2\r\n06\r\nA5\r\nNo\r\n");
        QTest::newRow("empty page count")
            << QByteArray("1\r\nA\r\nB\r\nC\r\nD\r\n1\r\n2\r\n\r\nA4\r\nNo\r\n");
        // Typing limits bind the user only: 4-digit code, 50-character lines, 2-digit margins.
        const QByteArray longValues = "123456\r\n" + QByteArray(60, 'A') + "\r\nB\r\nC\r\n" +
                                      QByteArray(51, 'D') + "\r\n100\r\n250\r\n6\r\nA4\r\nNo\r\n";
        QTest::newRow("beyond the typing limits") << longValues;
    }

    void saveWithoutChangesWritesBackTheFile()
    {
        QFETCH(QByteArray, cfg);
        const Opened w(cfg);
        SeenBox seen;
        answerNextMessageBox(seen, *w.form);
        w.click("SalvaP");
        QTRY_VERIFY(seen.seen);
        QCOMPARE(readRaw(w.store.filePath()), cfg);
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
        const Opened w;
        choose(w.list("Pagine"), pagine);
        choose(w.list("Formato"), formato);
        QTest::keyClick(w.fascicola(), Qt::Key_Space);
        QCOMPARE(w.fascicola()->isEnabled(), allowed);
        QCOMPARE(w.fascicola()->isChecked(), allowed);
        QCOMPARE(w.collatedPictureShown(), allowed);
    }

    void checkThenOddThenEvenPageCount()
    {
        const Opened w;
        choose(w.list("Pagine"), QStringLiteral("12"));
        QVERIFY(w.fascicola()->isEnabled());
        QVERIFY(!w.fascicola()->isChecked());
        QTest::keyClick(w.fascicola(), Qt::Key_Space);
        QVERIFY(w.collatedPictureShown());
        w.list("Pagine")->setCurrentText(QStringLiteral("3")); // a change by the program counts too
        QVERIFY(!w.fascicola()->isChecked());
        QVERIFY(!w.fascicola()->isEnabled());
        QVERIFY(!w.collatedPictureShown());
        QVERIFY(w.get("FascN")->isVisible());
        choose(w.list("Pagine"), QStringLiteral("6"));
        QVERIFY(w.fascicola()->isEnabled());
        QVERIFY(!w.fascicola()->isChecked());
    }

    void typing_data()
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

    void typing()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        const Opened w;
        QLineEdit *edit = w.box(name.constData());
        edit->clear();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), shown);
    }

    void digitFilterKeys()
    {
        const Opened w;
        QLineEdit *cod = w.box("Cod");
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
        QTest::keyClick(cod, Qt::Key_Delete, Qt::ShiftModifier);
        QTest::keyClick(cod, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(cod->text(), QStringLiteral("253"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("77"));
        // Enter in any box presses no button
        SeenBox seen;
        answerNextMessageBox(seen, *w.form);
        QTest::keyClick(w.box("Ag1"), Qt::Key_Return);
        QVERIFY(!seen.seen);
        QVERIFY(w.form->isVisible());
        QVERIFY(!QFile::exists(w.store.filePath()));
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
        const Opened w;
        QLineEdit *edit = w.box(name.constData());
        edit->clear();
        QApplication::clipboard()->setText(pasted);
        edit->paste(); // as the context menu does
        QCOMPARE(edit->text(), shown);
    }

    void saveThenReopen()
    {
        QWidget owner;
        owner.show();
        Opened w({}, &owner);
        retype(w.box("Cod"), QStringLiteral("0042"));
        retype(w.box("Ag4"), QStringLiteral("CITTÀ DI CASTELLO €"));
        retype(w.box("SxT"), QStringLiteral("8"));
        choose(w.list("Pagine"), QStringLiteral("6"));
        QTest::keyClick(w.fascicola(), Qt::Key_Space);
        SeenBox seen;
        answerNextMessageBox(seen, *w.form);
        w.click("SalvaP");
        // The message comes over the owner once the window has closed.
        QTRY_VERIFY(seen.seen);
        QVERIFY(!seen.formVisible);
        QCOMPARE(seen.title, QStringLiteral("Tavo"));
        QCOMPARE(seen.text, QStringLiteral("Configurazione salvata"));
        QCOMPARE(seen.icon, QMessageBox::Information);
        QCOMPARE(seen.parent, &owner);
        QCOMPARE(w.form->result(), int(QDialog::Accepted));
        // Ten lines in Windows-1252, each ended by CR LF.
        const Settings d = Settings::defaults();
        const QByteArray expected = "0042\r\n" + d.CfgAutoscuola1.toLatin1() + "\r\n" +
                                    d.CfgAutoscuola2.toLatin1() + "\r\n" +
                                    d.CfgAutoscuola3.toLatin1() + "\r\n" +
                                    "CITT\xC0 DI CASTELLO \x80\r\n8\r\n15\r\n6\r\nA4\r\nSi\r\n";
        QCOMPARE(readRaw(w.store.filePath()), expected);
        FormCfg again(w.store, &owner);
        QCOMPARE(again.findChild<QLineEdit *>(QStringLiteral("Ag4"))->text(),
                 QStringLiteral("CITTÀ DI CASTELLO €"));
        QCOMPARE(again.findChild<QLineEdit *>(QStringLiteral("SxT"))->text(), QStringLiteral("8"));
        QCOMPARE(again.findChild<QComboBox *>(QStringLiteral("Pagine"))->currentText(),
                 QStringLiteral("6"));
        QVERIFY(again.findChild<QCheckBox *>(QStringLiteral("Fascicola"))->isChecked());
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
        const Opened w(kCollatedFile);
        const Settings before = w.store.settings();
        QTest::keyClicks(w.box("Ag1"), QStringLiteral(" NUOVA"));
        choose(w.list("Formato"), QStringLiteral("A5"));
        if (way == 0)
            w.click("AnnullaP");
        else if (way == 1)
            QTest::keyClick(w.box("SxT"), Qt::Key_Escape);
        else
            w.form->close();
        QVERIFY(!w.form->isVisible());
        QCOMPARE(w.form->result(), int(QDialog::Rejected));
        QCOMPARE(readRaw(w.store.filePath()), kCollatedFile);
        QVERIFY(w.store.settings() == before);
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
        QFile file(folder);
        if (folderIsFile)
            QVERIFY(file.open(QIODevice::WriteOnly));
        SettingsStore store(folder);
        store.LeggiConfigurazione();
        const Settings before = store.settings();
        FormCfg form(store);
        form.show();
        QLineEdit *cod = form.findChild<QLineEdit *>(QStringLiteral("Cod"));
        retype(cod, QStringLiteral("77"));
        SeenBox seen;
        answerNextMessageBox(seen, form);
        QTest::mouseClick(form.findChild<QWidget *>(QStringLiteral("SalvaP")), Qt::LeftButton);
        QTRY_VERIFY(seen.seen);
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(seen.title, QStringLiteral("Tavo"));
        QVERIFY(seen.text.contains(QStringLiteral("non è stata salvata")));
        QVERIFY(seen.formVisible);
        QVERIFY(form.isVisible());
        QCOMPARE(cod->text(), QStringLiteral("77"));
        QVERIFY(store.settings() == before);
    }

    void emailLink()
    {
        QCOMPARE(supportMailUrl().toEncoded(),
                 QByteArray("mailto:info@tavo.example?subject=Info%20Tavo"));
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
        const Opened w;
        auto *email = w.get<QLabel>("Email");
        QCOMPARE(email->text(), kSupportAddress);
        QCOMPARE(email->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(email->width() >= email->fontMetrics().horizontalAdvance(kSupportAddress));
        QTest::mouseClick(email, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QCOMPARE(catcher.urls, QList<QUrl>{supportMailUrl()});
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
        const Opened w;
        if (w.form->logicalDpiX() != 96)
            QSKIP("the expected pixels are for a 96 DPI screen");
        QCOMPARE(w.form->size(), QSize(642, 427));
        QCOMPARE(w.get(name.constData())->geometry(), rect);
    }

    void fonts_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("bold");
        QTest::newRow("text box") << QByteArray("Ag1") << false;
        QTest::newRow("digit box in frame") << QByteArray("TopT") << false;
        QTest::newRow("list") << QByteArray("Pagine") << false;
        QTest::newRow("label") << QByteArray("Label5") << true;
        QTest::newRow("label in frame") << QByteArray("Label2") << true;
        QTest::newRow("invitation") << QByteArray("Label12") << false;
        QTest::newRow("check box") << QByteArray("Fascicola") << true;
        QTest::newRow("link") << QByteArray("Email") << true;
    }

    void fonts()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, bold);
        const Opened w;
        const QFont font = w.get(name.constData())->font();
        QCOMPARE(QFontInfo(font).bold(), bold);
        QCOMPARE(QFontInfo(font).pointSize(), 12);
        QCOMPARE(font.family(), QStringLiteral("Arial"));
    }

    void tabOrder()
    {
        const Opened w;
        const QStringList expected = {"Ag1",    "Ag2", "Ag3",  "Ag4",       "Cod",    "Formato",
                                      "Pagine", "SxT", "TopT", "Fascicola", "SalvaP", "AnnullaP"};
        QStringList order;
        QWidget *first = w.box("Ag1");
        QWidget *next = first;
        do {
            if (next->focusPolicy() & Qt::TabFocus)
                order.append(next->objectName());
            next = next->nextInFocusChain();
        } while (next != first);
        QCOMPARE(order, expected);
    }
};

QTEST_MAIN(TestFormCfg)
#include "tst_form_cfg.moc"
