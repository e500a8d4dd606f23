#include "config/form_cfg.h"
#include "config/support_mail.h"
#include "core/settings.h"

#include "../golden_image.h"
#include "../modal_closer.h"
#include "../raw_files.h"

#include <QCheckBox>
#include <QComboBox>
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

    // The code and the margins take digits only, up to 4 and 2; a heading line anything up to 50.
    void typing()
    {
        const Opened w;
        const QString typed = "9a.-8 7,65" + QString(45, u'x');
        const QList<std::pair<const char *, QString>> shown = {
            {"Cod", "9876"}, {"SxT", "98"}, {"TopT", "98"}, {"Ag2", typed.left(50)}};
        for (const auto &[name, text] : shown) {
            w.get(name)->clear();
            QTest::keyClicks(w.get(name), typed);
            QCOMPARE(w.get(name)->text(), text);
        }
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

    void emailLink()
    {
        QCOMPARE(supportMailUrl().toEncoded(),
                 QByteArray("mailto:info@tavo.example?subject=Info%20Tavo"));
    }
};

QTEST_MAIN(TestFormCfg)
#include "tst_form_cfg.moc"
