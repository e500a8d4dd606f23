#include "recording_button.h"

#include "widgets/styled_button/property_bag.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

using namespace Tavo;
using Tavo::Testing::RecordingButton;

namespace {

using Setter = std::function<void(StyledButton &)>;

ButtonDrawing::OleColor ole(QColor c)
{
    return ButtonDrawing::OleColor(c.red() | c.green() << 8 | c.blue() << 16);
}

StyledButton::PicturePtr picture(QColor colour, int size = 32)
{
    auto p = std::make_shared<ButtonDrawing::ButtonPicture>();
    p->kind = ButtonDrawing::ButtonPicture::Kind::Icon;
    p->image = QImage(size, size, QImage::Format_ARGB32);
    p->image.fill(colour);
    return p;
}

// Redraw calls as "<state><F|U>": F forced, U unforced.
QStringList callsOf(const RecordingButton &button)
{
    QStringList calls;
    for (const auto &call : button.redraws)
        calls << QStringLiteral("%1%2").arg(call.state).arg(call.force ? 'F' : 'U');
    return calls;
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

} // namespace

class TestStyledButtonProperties : public QObject
{
    Q_OBJECT

private slots:
    void versionIsFixed() { QCOMPARE(StyledButton::Version(), QString("2.0.6")); }

    void newButtonDefaults()
    {
        QWidget container;
        QFont ambient("Liberation Serif", 11);
        container.setFont(ambient);
        StyledButton button("Comando1", &container);
        QCOMPARE(button.Caption(), QString("Comando1"));
        QCOMPARE(button.objectName(), QString("Comando1"));
        QCOMPARE(button.Font().family(), QString("Liberation Serif"));
        QCOMPARE(button.ButtonType(), int(StyledButton::Standard3D));
        QCOMPARE(button.ColorScheme(), int(StyledButton::SystemColors));
        QVERIFY(button.Enabled() && button.ShowFocusRect() && button.UseMaskColor());
        const QPalette system = QApplication::palette();
        QCOMPARE(button.BackColor(), ole(system.color(QPalette::Button)));
        QCOMPARE(button.BackOver(), button.BackColor());
        QCOMPARE(button.ForeColor(), ole(system.color(QPalette::ButtonText)));
        QCOMPARE(button.ForeOver(), button.ForeColor());
        QCOMPARE(button.MaskColor(), 0xC0C0C0u);
        QCOMPARE(button.PicturePosition(), 0);
        QCOMPARE(button.SpecialEffect(), 0);
        QVERIFY(!button.SoftBevel() && !button.UseGreyscale() && !button.HandPointer());
        QVERIFY(!button.CheckBoxBehaviour() && !button.Value());
        QVERIFY(!button.PictureNormal() && !button.PictureOver());
        QVERIFY(!button.isOverTimerActive());
        QVERIFY(button.renderer().DrawingEnabled);
    }

    void setterRedrawsAndMarks_data()
    {
        QTest::addColumn<Setter>("setter");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("marks");
        const QStringList lastDrawn{"2F"};
        const QStringList up{"0F"};
        const QStringList none;
        QTest::newRow("BackColor")
            << Setter([](StyledButton &b) { b.setBackColor(0xFF); }) << lastDrawn << true;
        QTest::newRow("BackOver") << Setter([](StyledButton &b) { b.setBackOver(0xFF); })
                                  << lastDrawn << true;
        QTest::newRow("ForeColor")
            << Setter([](StyledButton &b) { b.setForeColor(0xFF); }) << lastDrawn << true;
        QTest::newRow("ForeOver") << Setter([](StyledButton &b) { b.setForeOver(0xFF); })
                                  << lastDrawn << true;
        QTest::newRow("MaskColor")
            << Setter([](StyledButton &b) { b.setMaskColor(0xFF); }) << lastDrawn << true;
        QTest::newRow("ButtonType runs the resize sequence")
            << Setter([](StyledButton &b) { b.setButtonType(StyledButton::Thin3D); }) << up << true;
        QTest::newRow("Caption") << Setter([](StyledButton &b) { b.setCaption("&Nuovo"); }) << up
                                 << true;
        QTest::newRow("Enabled") << Setter([](StyledButton &b) { b.setEnabled(false); }) << up
                                 << true;
        QTest::newRow("Font") << Setter([](StyledButton &b) { b.setFont(QFont("Arial", 20)); })
                              << up << true;
        QTest::newRow("FontBold does not mark")
            << Setter([](StyledButton &b) { b.setFontBold(true); }) << up << false;
        QTest::newRow("FontSize does not mark")
            << Setter([](StyledButton &b) { b.setFontSize(20); }) << up << false;
        QTest::newRow("FontName does not mark")
            << Setter([](StyledButton &b) { b.setFontName("Arial"); }) << up << false;
        QTest::newRow("ColorScheme")
            << Setter([](StyledButton &b) { b.setColorScheme(3); }) << up << true;
        QTest::newRow("ShowFocusRect")
            << Setter([](StyledButton &b) { b.setShowFocusRect(false); }) << lastDrawn << true;
        QTest::newRow("MousePointer")
            << Setter([](StyledButton &b) { b.setMousePointer(2); }) << none << true;
        QTest::newRow("MouseIcon")
            << Setter([](StyledButton &b) { b.setMouseIcon(picture(Qt::red)); }) << none << true;
        QTest::newRow("HandPointer")
            << Setter([](StyledButton &b) { b.setHandPointer(true); }) << none << true;
        QTest::newRow("SoftBevel")
            << Setter([](StyledButton &b) { b.setSoftBevel(true); }) << lastDrawn << true;
        QTest::newRow("PictureNormal")
            << Setter([](StyledButton &b) { b.setPictureNormal(picture(Qt::red)); }) << lastDrawn
            << true;
        QTest::newRow("PictureOver while not hovering")
            << Setter([](StyledButton &b) { b.setPictureOver(picture(Qt::red)); }) << none << true;
        QTest::newRow("PicturePosition")
            << Setter([](StyledButton &b) { b.setPicturePosition(2); }) << lastDrawn << true;
        QTest::newRow("UseMaskColor without picture")
            << Setter([](StyledButton &b) { b.setUseMaskColor(false); }) << none << true;
        QTest::newRow("UseGreyscale without picture")
            << Setter([](StyledButton &b) { b.setUseGreyscale(true); }) << none << true;
        QTest::newRow("SpecialEffect")
            << Setter([](StyledButton &b) { b.setSpecialEffect(3); }) << lastDrawn << true;
        QTest::newRow("CheckBoxBehaviour")
            << Setter([](StyledButton &b) { b.setCheckBoxBehaviour(true); }) << lastDrawn << true;
        QTest::newRow("Value without check-box behaviour")
            << Setter([](StyledButton &b) { b.setValue(true); }) << none << true;
    }

    void setterRedrawsAndMarks()
    {
        QFETCH(Setter, setter);
        QFETCH(QStringList, calls);
        QFETCH(bool, marks);
        Window window;
        window.drawDown();
        QSignalSpy marked(window.button, &StyledButton::propertiesChanged);
        setter(*window.button);
        QCOMPARE(callsOf(*window.button), calls);
        QCOMPARE(marked.count(), marks ? 1 : 0);
    }

    void pictureDependentSettersRedrawWithAPicture_data()
    {
        QTest::addColumn<Setter>("setter");
        QTest::newRow("UseMaskColor") << Setter([](StyledButton &b) { b.setUseMaskColor(false); });
        QTest::newRow("UseGreyscale") << Setter([](StyledButton &b) { b.setUseGreyscale(true); });
    }

    void pictureDependentSettersRedrawWithAPicture()
    {
        QFETCH(Setter, setter);
        Window window;
        window.button->setPictureNormal(picture(Qt::red));
        window.drawDown();
        setter(*window.button);
        QCOMPARE(callsOf(*window.button), QStringList{"2F"});
    }

    void valueStoredThenCheckBoxBehaviourDrawsDown()
    {
        Window window;
        window.button->clearLogs();
        window.button->setValue(true);
        QVERIFY(window.button->Value());
        QVERIFY(window.button->redraws.isEmpty());
        QCOMPARE(window.button->renderer().LastState, StyledButton::StateUp);
        window.button->setCheckBoxBehaviour(true);
        QCOMPARE(window.button->renderer().LastState, StyledButton::StateDown);
        // Value set on a check-box button redraws "up", which is drawn down while checked.
        window.button->setValue(false);
        window.button->setValue(true);
        QCOMPARE(callsOf(*window.button).mid(1), QStringList({"0F", "0F"}));
        QCOMPARE(window.button->renderer().LastState, StyledButton::StateDown);
    }

    void disableRefreshThenRefresh()
    {
        Window window;
        window.drawDown();
        window.button->DisableRefresh();
        window.button->setCaption("Altro");
        window.button->setBackColor(0x0000FF);
        QCOMPARE(window.button->Caption(), QString("Altro"));
        QCOMPARE(window.button->BackColor(), 0x0000FFu);
        QCOMPARE(window.button->redraws.size(), 2);
        QVERIFY(!window.button->redraws[0].drew && !window.button->redraws[1].drew);
        window.button->clearLogs();
        window.button->Refresh();
        QCOMPARE(window.button->redraws,
                 QList<RecordingButton::RedrawCall>({{StyledButton::StateDown, true, true}}));
        QCOMPARE(window.button->renderer().LastCaption, QString("Altro"));
    }

    void hideStopsDrawingAndShowRedrawsUp()
    {
        Window window;
        window.drawDown();
        window.button->hide();
        QVERIFY(!window.button->renderer().DrawingEnabled);
        window.button->setCaption("Nascosto");
        QVERIFY(!window.button->redraws.last().drew);
        window.button->clearLogs();
        window.button->show();
        QVERIFY(window.button->renderer().DrawingEnabled);
        QCOMPARE(window.button->redraws,
                 QList<RecordingButton::RedrawCall>({{StyledButton::StateUp, true, true}}));
    }

    void resizeSequence_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("focusRect");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("standard inset 4")
            << 2 << QSize(100, 40) << QRect(4, 4, 92, 32) << QStringList{"0F"};
        QTest::newRow("thin inset 3")
            << 7 << QSize(100, 40) << QRect(3, 3, 94, 34) << QStringList{"0F"};
        QTest::newRow("banded inset 5 moved")
            << 14 << QSize(100, 40) << QRect(6, 6, 90, 30) << QStringList{"0F"};
        QTest::newRow("unknown type inset 4")
            << 99 << QSize(100, 40) << QRect(4, 4, 92, 32) << QStringList{"0F"};
        QTest::newRow("zero height draws nothing")
            << 2 << QSize(100, 0) << QRect() << QStringList{};
    }

    void resizeSequence()
    {
        QFETCH(int, type);
        QFETCH(QSize, size);
        QFETCH(QRect, focusRect);
        QFETCH(QStringList, calls);
        Window window;
        window.button->setButtonType(type);
        window.button->clearLogs();
        window.button->resize(size);
        QCOMPARE(window.button->renderer().ClientWidth, size.width());
        QCOMPARE(window.button->renderer().ClientHeight, size.height());
        if (!focusRect.isNull())
            QCOMPARE(window.button->renderer().FocusRect, focusRect);
        QCOMPARE(callsOf(*window.button), calls);
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
        Window window;
        StyledButton &button = *window.button;
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
        QTest::addColumn<QStringList>("calls");
        const auto palette = Setter([](StyledButton &b) {
            QPalette p = b.parentWidget()->palette();
            p.setColor(QPalette::Window, Qt::darkGreen);
            b.parentWidget()->setPalette(p);
        });
        const auto font = Setter(
            [](StyledButton &b) { b.parentWidget()->setFont(QFont("Liberation Mono", 15)); });
        const auto isDefault = Setter([](StyledButton &b) { b.setDisplayAsDefault(true); });
        QTest::newRow("container colours") << 1 << palette << QStringList{"2F"};
        QTest::newRow("container colours, custom scheme") << 2 << palette << QStringList{};
        QTest::newRow("container font") << 4 << font << QStringList{"2F"};
        QTest::newRow("display as default") << 3 << isDefault << QStringList{"2F"};
        QTest::newRow("display as default, custom scheme") << 2 << isDefault << QStringList{};
    }

    void ambientChange()
    {
        QFETCH(int, scheme);
        QFETCH(Setter, change);
        QFETCH(QStringList, calls);
        Window window;
        window.button->setColorScheme(scheme);
        window.drawDown();
        const QFont own = window.button->Font();
        change(*window.button);
        QCOMPARE(callsOf(*window.button), calls);
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
};

QTEST_MAIN(TestStyledButtonProperties)
#include "tst_styled_button_properties.moc"
