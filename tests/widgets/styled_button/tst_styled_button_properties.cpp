#include "recording_button.h"

#include "widgets/styled_button/property_bag.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace Tavo;
using namespace Tavo::Testing;

namespace {

using Setter = std::function<void(StyledButton &)>;

StyledButton::PicturePtr icon()
{
    return picture(Qt::red, 32, QImage::Format_ARGB32);
}

// A shown window with one button, drawn down by a held Space so that "as last drawn" (state
// 2) and "up" (state 0) redraws can be told apart.
struct Window
{
    QWidget container;
    RecordingButton *button = new RecordingButton(&container, "Prova");

    Window()
    {
        container.resize(300, 120);
        button->setGeometry(10, 10, 160, 48);
        container.show();
    }

    void drawDown()
    {
        QTest::keyPress(button, Qt::Key_Space);
        button->clearLogs();
    }
};

// The properties of a new button, placed on a container with the given font.
QStringList newButtonProperties(const QString &caption, const QString &font)
{
    const QPalette system = QApplication::palette();
    return words(QStringLiteral("ButtonType=2, Caption=%1, AccessKey=, Enabled=11, Font=%2, "
                                "FontStyle=000, ColorScheme=1, ShowFocusRect=1, BackColor=%3, "
                                "BackOver=%3, ForeColor=%4, ForeOver=%4, MaskColor=12632256, "
                                "MousePointer=0, MouseIcon=none, Cursor=0, HandPointer=0, "
                                "SoftBevel=0, PictureNormal=none, PictureWidth=0, "
                                "PictureOver=none, PicturePosition=0, UseMaskColor=1, "
                                "UseGreyscale=0, SpecialEffect=0, CheckBoxBehaviour=0, Value=0")
                     .arg(caption, font)
                     .arg(ole(system.color(QPalette::Button)))
                     .arg(ole(system.color(QPalette::ButtonText))),
                 ", ");
}

// Gives every property a value other than a new button's.
void setEveryProperty(StyledButton &b)
{
    QFont font("Liberation Sans");
    font.setPointSizeF(14.25);
    font.setItalic(true);
    b.setButtonType(13);
    b.setCaption("A&&B&C");
    b.setEnabled(false);
    b.setFont(font);
    b.setColorScheme(2);
    b.setShowFocusRect(false);
    b.setBackColor(0x010203);
    b.setBackOver(0x040506);
    b.setForeColor(0x070809);
    b.setForeOver(0x0A0B0C);
    b.setMaskColor(0xFFFFFF);
    b.setPictureNormal(picture(Qt::red));
    b.setPictureOver(picture(Qt::blue));
    b.setUseMaskColor(false);
    b.setSoftBevel(true);
    b.setPicturePosition(4);
    b.setUseGreyscale(true);
    b.setSpecialEffect(5);
    b.setHandPointer(true);
    b.setCheckBoxBehaviour(true);
    b.setValue(true);
}

const QStringList kWriteOrder{"BTYPE", "TX",    "ENAB", "FONT",  "COLTYPE", "FOCUSR",
                              "BCOL",  "BCOLO", "FCOL", "FCOLO", "MCOL",    "MPTR",
                              "MICON", "PICN",  "PICH", "UMCOL", "SOFT",    "PICPOS",
                              "NGREY", "FX",    "HAND", "CHECK", "VALUE"};

} // namespace

class TestStyledButtonProperties : public QObject
{
    Q_OBJECT

private slots:
    void newButtonDefaults()
    {
        QWidget container;
        container.setFont(QFont("Liberation Serif", 11));
        StyledButton button("Comando1", &container);
        QCOMPARE(button.objectName(), QString("Comando1"));
        QCOMPARE(propertiesOf(button), newButtonProperties("Comando1", "Liberation Serif 11"));
        QVERIFY(!button.isOverTimerActive());
        QVERIFY(button.renderer().DrawingEnabled);
    }

    // Redraw calls of each setter, "marks" when it marks the state changed. Rows named "with a
    // picture" give the button a picture first.
    void setterRedrawsAndMarks_data()
    {
        QTest::addColumn<QString>("expected");
        QTest::addColumn<Setter>("setter");
        const auto row = [](const char *name, const char *expected, Setter setter) {
            QTest::newRow(name) << QString(expected) << setter;
        };
        row("BackColor", "2F marks", [](StyledButton &b) { b.setBackColor(0xFF); });
        row("BackOver", "2F marks", [](StyledButton &b) { b.setBackOver(0xFF); });
        row("ForeColor", "2F marks", [](StyledButton &b) { b.setForeColor(0xFF); });
        row("ForeOver", "2F marks", [](StyledButton &b) { b.setForeOver(0xFF); });
        row("MaskColor", "2F marks", [](StyledButton &b) { b.setMaskColor(0xFF); });
        row("ButtonType runs the resize sequence", "0F marks",
            [](StyledButton &b) { b.setButtonType(StyledButton::Thin3D); });
        row("Caption", "0F marks", [](StyledButton &b) { b.setCaption("&Nuovo"); });
        row("Enabled", "0F marks", [](StyledButton &b) { b.setEnabled(false); });
        row("Font", "0F marks", [](StyledButton &b) { b.setFont(QFont("Arial", 20)); });
        row("FontBold", "0F", [](StyledButton &b) { b.setFontBold(true); });
        row("FontSize", "0F", [](StyledButton &b) { b.setFontSize(20); });
        row("FontName", "0F", [](StyledButton &b) { b.setFontName("Arial"); });
        row("ColorScheme", "0F marks", [](StyledButton &b) { b.setColorScheme(3); });
        row("ShowFocusRect", "2F marks", [](StyledButton &b) { b.setShowFocusRect(false); });
        row("MousePointer", "marks", [](StyledButton &b) { b.setMousePointer(2); });
        row("MouseIcon", "marks", [](StyledButton &b) { b.setMouseIcon(icon()); });
        row("HandPointer", "marks", [](StyledButton &b) { b.setHandPointer(true); });
        row("SoftBevel", "2F marks", [](StyledButton &b) { b.setSoftBevel(true); });
        row("PictureNormal", "2F marks", [](StyledButton &b) { b.setPictureNormal(icon()); });
        row("PictureOver while not hovering", "marks",
            [](StyledButton &b) { b.setPictureOver(icon()); });
        row("PicturePosition", "2F marks", [](StyledButton &b) { b.setPicturePosition(2); });
        row("UseMaskColor", "marks", [](StyledButton &b) { b.setUseMaskColor(false); });
        row("UseMaskColor with a picture", "2F marks",
            [](StyledButton &b) { b.setUseMaskColor(false); });
        row("UseGreyscale", "marks", [](StyledButton &b) { b.setUseGreyscale(true); });
        row("UseGreyscale with a picture", "2F marks",
            [](StyledButton &b) { b.setUseGreyscale(true); });
        row("SpecialEffect", "2F marks", [](StyledButton &b) { b.setSpecialEffect(3); });
        row("CheckBoxBehaviour", "2F marks", [](StyledButton &b) { b.setCheckBoxBehaviour(true); });
        row("Value without check-box behaviour", "marks",
            [](StyledButton &b) { b.setValue(true); });
    }

    void setterRedrawsAndMarks()
    {
        QFETCH(QString, expected);
        QFETCH(Setter, setter);
        Window window;
        if (QByteArray(QTest::currentDataTag()).endsWith("with a picture"))
            window.button->setPictureNormal(icon());
        window.drawDown();
        QSignalSpy marked(window.button, &StyledButton::propertiesChanged);
        setter(*window.button);
        QCOMPARE(window.button->redraws + QStringList(marked.count(), "marks"), words(expected));
    }

    void valueStoredThenCheckBoxBehaviourDrawsDown()
    {
        Window window;
        window.button->clearLogs();
        window.button->setValue(true);
        QVERIFY(window.button->redraws.isEmpty());
        QCOMPARE(window.button->renderer().LastState, StyledButton::StateUp);
        window.button->setCheckBoxBehaviour(true);
        QCOMPARE(window.button->renderer().LastState, StyledButton::StateDown);
        // Value set on a check-box button redraws "up", which is drawn down while checked.
        window.button->setValue(false);
        window.button->setValue(true);
        QCOMPARE(window.button->redraws.mid(1), QStringList({"0F", "0F"}));
        QCOMPARE(window.button->renderer().LastState, StyledButton::StateDown);
    }

    void disableRefreshThenRefresh()
    {
        Window window;
        window.drawDown();
        window.button->DisableRefresh();
        window.button->setCaption("Altro");
        window.button->setBackColor(0x0000FF);
        QCOMPARE(window.button->redraws, QStringList({"0F!", "2F!"}));
        window.button->clearLogs();
        window.button->Refresh();
        QCOMPARE(window.button->redraws, QStringList{"2F"});
        QCOMPARE(window.button->renderer().LastCaption, QString("Altro"));
    }

    void hideStopsDrawingAndShowRedrawsUp()
    {
        Window window;
        window.drawDown();
        window.button->hide();
        QVERIFY(!window.button->renderer().DrawingEnabled);
        window.button->setCaption("Nascosto");
        QCOMPARE(window.button->redraws.last(), "0F!");
        window.button->clearLogs();
        window.button->show();
        QVERIFY(window.button->renderer().DrawingEnabled);
        QCOMPARE(window.button->redraws, QStringList{"0F"});
    }

    void resizeSequence_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("focusRect");
        QTest::addColumn<QString>("calls");
        QTest::newRow("standard inset 4") << 2 << QSize(100, 40) << QRect(4, 4, 92, 32) << "0F";
        QTest::newRow("thin inset 3") << 7 << QSize(100, 40) << QRect(3, 3, 94, 34) << "0F";
        QTest::newRow("banded inset 5 moved")
            << 14 << QSize(100, 40) << QRect(6, 6, 90, 30) << "0F";
        QTest::newRow("unknown type inset 4")
            << 99 << QSize(100, 40) << QRect(4, 4, 92, 32) << "0F";
        QTest::newRow("zero height draws nothing") << 2 << QSize(100, 0) << QRect() << "";
    }

    void resizeSequence()
    {
        QFETCH(int, type);
        QFETCH(QSize, size);
        QFETCH(QRect, focusRect);
        QFETCH(QString, calls);
        Window window;
        window.button->setButtonType(type);
        window.button->clearLogs();
        window.button->resize(size);
        QCOMPARE(window.button->renderer().ClientWidth, size.width());
        QCOMPARE(window.button->renderer().ClientHeight, size.height());
        if (!focusRect.isNull())
            QCOMPARE(window.button->renderer().FocusRect, focusRect);
        QCOMPARE(window.button->redraws, words(calls));
    }

    void designTimeBranches_data()
    {
        QTest::addColumn<bool>("userMode");
        QTest::newRow("design time") << false;
        QTest::newRow("run time") << true;
    }

    void designTimeBranches()
    {
        QFETCH(bool, userMode);
        StyledButton button;
        button.setBackOver(0x111111);
        button.setForeOver(0x222222);
        button.setUserMode(userMode);
        button.setBackColor(0x0000FF);
        button.setForeColor(0x00FF00);
        button.setButtonType(StyledButton::ShadedFrame);
        QCOMPARE(button.BackOver(), userMode ? 0x111111u : 0x0000FFu);
        QCOMPARE(button.ForeOver(), userMode ? 0x222222u : 0x00FF00u);
        QCOMPARE(button.FontBold(), !userMode);
    }

    void ambientChange_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<Setter>("change");
        QTest::addColumn<QString>("calls");
        const auto palette = Setter([](StyledButton &b) {
            QPalette p = b.parentWidget()->palette();
            p.setColor(QPalette::Window, Qt::darkGreen);
            b.parentWidget()->setPalette(p);
        });
        const auto font = Setter(
            [](StyledButton &b) { b.parentWidget()->setFont(QFont("Liberation Mono", 15)); });
        const auto isDefault = Setter([](StyledButton &b) { b.setDisplayAsDefault(true); });
        QTest::newRow("container colours") << 1 << palette << "2F";
        QTest::newRow("container colours, custom scheme") << 2 << palette << "";
        QTest::newRow("container font") << 4 << font << "2F";
        QTest::newRow("display as default") << 3 << isDefault << "2F";
        QTest::newRow("display as default, custom scheme") << 2 << isDefault << "";
    }

    void ambientChange()
    {
        QFETCH(int, scheme);
        QFETCH(Setter, change);
        QFETCH(QString, calls);
        Window window;
        window.button->setColorScheme(scheme);
        window.drawDown();
        const QFont own = window.button->Font();
        change(*window.button);
        QCOMPARE(window.button->redraws, words(calls));
        QCOMPARE(window.button->Font(), own); // the button keeps its own font
    }

    void containerColoursReachTheModel()
    {
        Window window;
        QPalette p = window.container.palette();
        p.setColor(QPalette::Window, QColor(10, 20, 30));
        p.setColor(QPalette::WindowText, QColor(40, 50, 60));
        window.container.setPalette(p);
        QCOMPARE(window.button->model().ContainerBackground, QColor(10, 20, 30));
        QCOMPARE(window.button->model().ContainerText, QColor(40, 50, 60));
    }

    void mousePointerRange_data()
    {
        QTest::addColumn<qint64>("code");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("lowest") << qint64(-32768) << true;
        QTest::newRow("highest") << qint64(32767) << true;
        QTest::newRow("one above") << qint64(32768) << false;
        QTest::newRow("one below") << qint64(-32769) << false;
    }

    void mousePointerRange()
    {
        QFETCH(qint64, code);
        QFETCH(bool, accepted);
        StyledButton button;
        button.setMousePointer(3);
        QSignalSpy marked(&button, &StyledButton::propertiesChanged);
        QCOMPARE(button.setMousePointer(code), accepted);
        QCOMPARE(button.MousePointer(), accepted ? qint16(code) : qint16(3));
        QCOMPARE(marked.count(), accepted ? 1 : 0);
    }

    void handPointer()
    {
        StyledButton button;
        button.setMousePointer(5);
        QVERIFY(button.setHandPointer(true));
        QCOMPARE(button.MousePointer(), StyledButton::PointerCustom);
        QVERIFY(button.MouseIcon());
        QCOMPARE(button.MouseIcon()->image.size(), QSize(32, 32));
        QCOMPARE(button.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(button.cursor().hotSpot(), QPoint(9, 1)); // the index fingertip
        QVERIFY(button.setHandPointer(false));
        QCOMPARE(button.MousePointer(), StyledButton::PointerArrow);
        QVERIFY(!button.MouseIcon());
        QCOMPARE(button.cursor().shape(), Qt::ArrowCursor);
    }

    void fontSizeRoundsHalvesToEven_data()
    {
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("read");
        QTest::newRow("14.25") << 14.25 << 14;
        QTest::newRow("12.5 to even 12") << 12.5 << 12;
        QTest::newRow("13.5 to even 14") << 13.5 << 14;
        QTest::newRow("8.75") << 8.75 << 9;
    }

    void fontSizeRoundsHalvesToEven()
    {
        QFETCH(double, points);
        QFETCH(int, read);
        StyledButton button;
        QFont font("Arial");
        font.setPointSizeF(points);
        button.setFont(font);
        QCOMPARE(int(button.FontSize()), read);
    }

    void accessibility()
    {
        Window window;
        window.button->setCaption("Salva && &esci");
        QCOMPARE(window.button->accessibleName(), QString("Salva & esci"));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(window.button);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Button);
    }

    void seeThroughCapturesWhatIsBehind()
    {
        QWidget container;
        container.resize(200, 100);
        container.setAutoFillBackground(true);
        QPalette p = container.palette();
        p.setColor(QPalette::Window, QColor(200, 30, 40));
        container.setPalette(p);
        StyledButton button(&container);
        button.setGeometry(20, 20, 80, 30);
        button.setButtonType(StyledButton::SeeThrough);
        container.show();
        QVERIFY(QTest::qWaitForWindowExposed(&container));
        const QImage &background = button.model().Background;
        QCOMPARE(background.size(), QSize(80, 30));
        QCOMPARE(background.pixelColor(40, 15), QColor(200, 30, 40));
        QVERIFY(button.isVisible());
    }

    // Persistence.

    void bagWithOnlyTheCaptionGivesDefaults()
    {
        PropertyBag bag;
        bag.writeString("TX", "Solo");
        StyledButton button;
        setEveryProperty(button); // so that each default read is seen
        button.readProperties(bag);
        StyledButton expected("Solo", nullptr);
        expected.setHandPointer(false);  // reading HAND false sets the arrow pointer
        expected.setFont(button.Font()); // the font is not at stake here
        QCOMPARE(propertiesOf(button), propertiesOf(expected));
    }

    void lowerCaseKeysAreReadAndHoverColoursDefaultToTheColoursRead()
    {
        PropertyBag bag;
        bag.writeInt32("btype", 3);
        bag.writeString("tx", "&Esci");
        bag.writeColour("bcol", 0x00FF00);
        bag.writeColour("fcol", 0x0000FF);
        bag.writeBool("enab", false);
        StyledButton button;
        button.readProperties(bag);
        QCOMPARE(button.ButtonType(), 3);
        QCOMPARE(button.Caption(), QString("&Esci"));
        QCOMPARE(button.accessKey(), QChar('e'));
        QCOMPARE(button.BackOver(), 0x00FF00u);
        QCOMPARE(button.ForeOver(), 0x0000FFu);
        QVERIFY(!button.Enabled() && !button.isEnabled());
    }

    void readingNeitherDrawsNorMarks()
    {
        QWidget container;
        auto *button = new RecordingButton(&container);
        button->resize(120, 40);
        container.show();
        button->clearLogs();
        QSignalSpy marked(button, &StyledButton::propertiesChanged);
        PropertyBag bag;
        bag.writeString("TX", "Nuovo");
        bag.writeInt32("BTYPE", 3);
        button->readProperties(bag);
        QVERIFY(button->redraws.isEmpty());
        QCOMPARE(marked.count(), 1); // only by the HandPointer setter the reading goes through
        // The last drawing is still the one of the caption before reading.
        QCOMPARE(button->renderer().LastCaption, QString("StyledButton"));
        QCOMPARE(button->Caption(), QString("Nuovo"));
    }

    void writeOrderAndTypes()
    {
        StyledButton button;
        PropertyBag plain;
        button.writeProperties(plain);
        QStringList withoutPictures = kWriteOrder; // absent pictures are left out
        for (const char *key : {"MICON", "PICN", "PICH"})
            withoutPictures.removeAll(key);
        QCOMPARE(plain.keys(), withoutPictures);
        setEveryProperty(button);
        PropertyBag bag;
        button.writeProperties(bag);
        QCOMPARE(bag.keys(), kWriteOrder);
        QVERIFY(std::holds_alternative<qint16>(*bag.value("MPTR")));
        QVERIFY(std::holds_alternative<qint32>(*bag.value("BTYPE")));
        QVERIFY(std::holds_alternative<bool>(*bag.value("VALUE")));
    }

    void writeThenReadReproducesEveryProperty()
    {
        StyledButton original;
        setEveryProperty(original);
        PropertyBag bag;
        original.writeProperties(bag);
        const auto stored = PropertyBag::fromJson(bag.toJson(), QString()); // the stored form too
        QVERIFY(stored);
        StyledButton copy;
        copy.readProperties(*stored);
        const QStringList expected = propertiesOf(original);
        QCOMPARE(propertiesOf(copy), expected);
        QCOMPARE(copy.PictureNormal()->image.pixelColor(3, 3), QColor(Qt::red));
        QCOMPARE(copy.PictureOver()->image.pixelColor(3, 3), QColor(Qt::blue));
        // Every property differs from a new button's, so each one is seen to travel.
        const QStringList fresh = propertiesOf(StyledButton());
        for (qsizetype i = 0; i < expected.size(); ++i)
            QVERIFY2(expected[i] != fresh[i], qPrintable(expected[i]));
    }

    void handPointerOverridesMousePointer_data()
    {
        QTest::addColumn<bool>("hand");
        QTest::addColumn<int>("storedPointer");
        QTest::addColumn<int>("readPointer");
        QTest::addColumn<int>("shape");
        QTest::newRow("no hand, cross stored") << false << 2 << 1 << int(Qt::ArrowCursor);
        QTest::newRow("no hand, default stored") << false << 0 << 1 << int(Qt::ArrowCursor);
        QTest::newRow("hand, I-beam stored") << true << 3 << 99 << int(Qt::BitmapCursor);
    }

    void handPointerOverridesMousePointer()
    {
        QFETCH(bool, hand);
        QFETCH(int, storedPointer);
        QFETCH(int, readPointer);
        QFETCH(int, shape);
        StyledButton original;
        original.setHandPointer(hand);
        original.setMousePointer(storedPointer);
        PropertyBag bag;
        original.writeProperties(bag);
        QCOMPARE(bag.readInt16("MPTR", -1), qint16(storedPointer));
        StyledButton copy;
        copy.readProperties(bag);
        QCOMPARE(int(copy.MousePointer()), readPointer);
        QCOMPARE(int(copy.cursor().shape()), shape);
    }
};

QTEST_MAIN(TestStyledButtonProperties)
#include "tst_styled_button_properties.moc"
