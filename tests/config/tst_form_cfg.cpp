#include "config/form_cfg.h"
#include "config/support_mail.h"
#include "core/settings.h"

#include "../golden_image.h"
#include "../modal_closer.h"
#include "../raw_files.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Tavo;

// The configuration window through its widgets. The settings file and the collation rule have
// tests of their own.
namespace {

// Tavo.cfg holding cfg (none when null) in a new folder's `sub`, the window shown on it.
struct Opened
{
    explicit Opened(const QByteArray &cfg = {}, const QString &sub = {}) : store(dir.filePath(sub))
    {
        QVERIFY(cfg.isNull() || writeRaw(store.filePath(), cfg));
        store.LeggiConfigurazione();
        form = std::make_unique<FormCfg>(store);
        form->show();
    }

    template <class T = QLineEdit> T *get(const char *name) const
    {
        return form->findChild<T *>(QLatin1String(name));
    }

    QTemporaryDir dir;
    SettingsStore store;
    std::unique_ptr<FormCfg> form;
};

// Receives the addresses the desktop would open, in place of the mail program.
struct UrlCatcher : QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;
    Q_SLOT void open(const QUrl &url) { urls << url; }
};

} // namespace

class TestFormCfg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // At 96 dpi against reviewed golden images: every control's caption, place, size, font and
    // colour, the values loaded, Fascicola and the sheets' picture, the focus (a steady cursor).
    void looks_data()
    {
        QTest::addColumn<QByteArray>("cfg");
        QTest::newRow("form_cfg-greyed") << QByteArray(); // no Tavo.cfg: A4, 3 pages
        QTest::newRow("form_cfg-collated")
            << QByteArray("1\r\nA\r\nB\r\nC\r\nD\r\n5\r\n7\r\n12\r\nA4\r\nSi\r\n");
    }

    void looks()
    {
        QFETCH(QByteArray, cfg);
        QApplication::setCursorFlashTime(0);
        const Opened w(cfg);
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        QTRY_COMPARE(QApplication::focusWidget(), w.get("Ag1"));
        const QString golden = TAVO_GOLDEN_DIR "/" + QString(QTest::currentDataTag()) + ".png";
        const QString difference = Golden::compare(w.form->grab().toImage(), golden);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // "Salva" writes the code typed and whatever else Tavo.cfg held, even past the typing limits,
    // closes the window, updates the settings in memory and then says so.
    void save_data()
    {
        QTest::addColumn<QByteArray>("cfg");
        QTest::newRow("empty code")
            << QByteArray("\r\nR1\r\nR2\r\nR3\r\nR4\r\n5\r\n7\r\n12\r\nA4\r\nSi\r\n");
        QTest::newRow("beyond the typing limits, page count 8")
            << "123456\r\n" + QByteArray(60, 'A') + "\r\nB\r\nC\r\n" + QByteArray(51, 'D') +
                   "\r\n100\r\n250\r\n8\r\nA4\r\nSi\r\n";
    }

    void save()
    {
        QFETCH(QByteArray, cfg);
        const Opened w(cfg);
        w.get("Cod")->clear();
        QTest::keyClicks(w.get("Cod"), "4321");
        ModalCloser closer([&w] { return w.form->isVisible(); });
        QTest::mouseClick(w.get<QWidget>("SalvaP"), Qt::LeftButton);
        QTRY_VERIFY(closer.seen);
        QVERIFY(closer.title == "Tavo" && closer.icon == QMessageBox::Information);
        QCOMPARE(closer.text, "Configurazione salvata");
        QVERIFY2(!closer.probed, "the message comes once the window has closed");
        QCOMPARE(readRaw(w.store.filePath()), "4321" + cfg.mid(cfg.indexOf('\r')));
        QCOMPARE(Opened(readRaw(w.store.filePath())).store.settings(), w.store.settings());
    }

    // Fascicola only on A4 with an even page count; its picture shows exactly when it is checked.
    void collationFollowsFormatAndPages()
    {
        const Opened w; // A4, 3 pages
        auto *fascicola = w.get<QCheckBox>("Fascicola");
        const auto choose = [&w, fascicola](const char *list, const char *entry) {
            w.get<QComboBox>(list)->setCurrentText(QLatin1String(entry));
            return QList<bool>{fascicola->isEnabled(), fascicola->isChecked(),
                               w.get<QWidget>("FascS")->isVisible()};
        };
        QCOMPARE(choose("Pagine", "12"), QList<bool>({true, false, false}));
        fascicola->click();
        QCOMPARE(choose("Pagine", "6"), QList<bool>({true, true, true}));
        QCOMPARE(choose("Formato", "A5"), QList<bool>({false, false, false}));
        QCOMPARE(choose("Formato", "A4"), QList<bool>({true, false, false}));
    }

    // The code and the margins take every digit, 0 included, and nothing else, up to 4 and 2
    // (Backspace works; the clipboard keys and Enter do nothing, and save nothing); a heading
    // line takes anything up to 50. Nothing is kept until "Salva".
    void typing()
    {
        const Opened w;
        const QList<std::pair<const char *, int>> digitBoxes = {
            {"Cod", 4}, {"SxT", 2}, {"TopT", 2}};
        for (const auto &[name, limit] : digitBoxes) {
            for (char digit = '0'; digit <= '9'; ++digit) {
                w.get(name)->clear();
                QTest::keyClicks(w.get(name), QString("a.-%1 ,%1%1%1%1").arg(digit));
                QCOMPARE(w.get(name)->text(), QString(limit, QChar(digit)));
            }
        }
        QApplication::clipboard()->setText("77");
        w.get("Cod")->setText("1234");
        for (const char *keys : {"Backspace", "Ctrl+V", "Shift+Ins", "Ctrl+A", "Ctrl+X", "Return"})
            QTest::keySequence(w.get("Cod"), QKeySequence(QString(keys)));
        QTest::keyClick(w.get("Ag1"), Qt::Key_Return);
        QCOMPARE(w.get("Cod")->text() + QApplication::clipboard()->text(), "12377");
        QVERIFY(w.form->isVisible() && !QFile::exists(w.store.filePath()));
        const QString typed = "9a.-8 7,65" + QString(45, u'x');
        w.get("Ag2")->clear();
        QTest::keyClicks(w.get("Ag2"), typed);
        QCOMPARE(w.get("Ag2")->text(), typed.left(50));
        // Escape discards the changes, as "Annulla" does.
        QTest::keyClick(w.get("SxT"), Qt::Key_Escape);
        QVERIFY(!w.form->isVisible() && !QFile::exists(w.store.filePath()));
        QCOMPARE(w.store.settings(), Settings::defaults());
    }

    // A settings file that cannot be written: a warning, and the window stays as it was.
    void failedSaveKeepsTheWindow()
    {
        const Opened w({}, "gone");
        w.get("Cod")->setText("77");
        ModalCloser closer([&w] { return w.form->isVisible(); });
        QTest::mouseClick(w.get<QWidget>("SalvaP"), Qt::LeftButton);
        QTRY_VERIFY(closer.seen && closer.probed && w.form->isVisible());
        QVERIFY(closer.icon == QMessageBox::Warning && closer.title == "Tavo");
        QVERIFY(closer.text.contains("non è stata salvata") && w.get("Cod")->text() == "77");
        QCOMPARE(w.store.settings(), Settings::defaults());
    }

    // A click on the address opens the mail program on the support address.
    void emailLink()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("mailto", &catcher, "open");
        const Opened w;
        QTest::mouseClick(w.get<QWidget>("Email"), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler("mailto");
        QCOMPARE(catcher.urls, QList<QUrl>{supportMailUrl()});
        QCOMPARE(supportMailUrl().toEncoded(),
                 QByteArray("mailto:info@tavo.example?subject=Info%20Tavo"));
    }
};

QTEST_MAIN(TestFormCfg)
#include "tst_form_cfg.moc"
