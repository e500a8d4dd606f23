#include "recording_button.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace Tavo;
using Tavo::Testing::RecordingButton;

namespace {

// A window with a line edit before the button and one after it in the tab order. The pointer
// starts outside the button.
struct Scene
{
    QWidget window;
    QLineEdit *before = new QLineEdit(&window);
    RecordingButton *button = new RecordingButton(&window, "Prova");
    QLineEdit *after = new QLineEdit(&window);

    Scene()
    {
        window.resize(400, 200);
        before->setGeometry(10, 10, 100, 25);
        button->setGeometry(10, 60, 160, 48);
        after->setGeometry(200, 60, 100, 25);
        window.show();
        window.activateWindow();
    }

    bool ready()
    {
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        moveTo(QPoint(300, 150), &window);
        button->clearLogs();
        return true;
    }

    // Moves the pointer, as the user does, and delivers the resulting mouse event. The hover
    // timer may tick meanwhile, as it would for a user.
    void moveTo(QPoint pos, QWidget *relativeTo)
    {
        QCursor::setPos(relativeTo->mapToGlobal(pos));
        QCoreApplication::processEvents();
    }

    QPoint pointerInWindow() const { return window.mapFromGlobal(QCursor::pos()); }

    // Runs one step of a script; returns a failure description, empty when the step passed.
    QString step(const QString &token)
    {
        QWindow *handle = window.windowHandle();
        if (token == "in")
            moveTo(QPoint(80, 24), button);
        else if (token == "in2")
            moveTo(QPoint(90, 20), button);
        else if (token == "in3")
            moveTo(QPoint(30, 30), button);
        else if (token == "out")
            moveTo(QPoint(300, 150), &window);
        else if (token == "press")
            QTest::mousePress(handle, Qt::LeftButton, {}, pointerInWindow());
        else if (token == "release")
            QTest::mouseRelease(handle, Qt::LeftButton, {}, pointerInWindow());
        else if (token == "rpress")
            QTest::mousePress(handle, Qt::RightButton, {}, pointerInWindow());
        else if (token == "rrelease")
            QTest::mouseRelease(handle, Qt::RightButton, {}, pointerInWindow());
        else if (token == "shiftpress")
            QTest::mousePress(handle, Qt::LeftButton, Qt::ShiftModifier, pointerInWindow());
        else if (token == "shiftrelease")
            QTest::mouseRelease(handle, Qt::LeftButton, Qt::ShiftModifier, pointerInWindow());
        else if (token == "dclick")
            QTest::mouseDClick(handle, Qt::LeftButton, {}, pointerInWindow());
        else if (token == "disable")
            button->setEnabled(false);
        else if (token == "enable")
            button->setEnabled(true);
        else if (token == "tracking ends") {
            if (!QTest::qWaitFor([this] { return !button->isOverTimerActive(); }))
                return "hover tracking did not end";
        } else if (token == "ticks")
            QTest::qWait(30); // lets the 3 ms hover timer tick several times
        else if (token == "=up" || token == "=down") {
            const quint8 expected =
                token == "=up" ? StyledButton::StateUp : StyledButton::StateDown;
            if (button->renderer().LastState != expected)
                return "not drawn " + token.mid(1);
        } else if (token == "=hovering" || token == "=not hovering") {
            if (button->Hovering() != (token == "=hovering"))
                return "expected " + token.mid(1);
        } else if (token == "=on" || token == "=off") {
            if (button->Value() != (token == "=on"))
                return "Value is not " + token.mid(1);
        } else
            return "unknown step " + token;
        return QString();
    }
};

} // namespace

class TestStyledButtonInput : public QObject
{
    Q_OBJECT

private slots:
    void mouseSequences_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("events"); // MouseMove events left out
        QTest::newRow("hover raises MouseOver once per entry")
            << ""
            << QStringList{"in", "in2", "in3", "=hovering", "out", "tracking ends", "=not hovering",
                           "in", "in2"}
            << QStringList{"MouseOver", "MouseOut", "MouseOver"};
        QTest::newRow("hover stays while the pointer is over")
            << "" << QStringList{"in", "ticks", "=hovering"} << QStringList{"MouseOver"};
        QTest::newRow("click") << "" << QStringList{"in", "press", "=down", "release", "=up"}
                               << QStringList{"MouseOver", "MouseDown(1,0)", "MouseUp(1,0)",
                                              "Click"};
        QTest::newRow("shift is reported")
            << "" << QStringList{"in", "shiftpress", "shiftrelease"}
            << QStringList{"MouseOver", "MouseDown(1,1)", "MouseUp(1,1)", "Click"};
        QTest::newRow("drag off and release outside")
            << "out while held"
            << QStringList{"in", "press", "=down", "out", "=up", "release", "tracking ends"}
            << QStringList{"MouseOver", "MouseDown(1,0)", "MouseUp(1,0)", "MouseOut"};
        QTest::newRow("drag off and back on")
            << "out while held"
            << QStringList{"in", "press", "out", "=up", "in2", "=down", "release", "=up"}
            << QStringList{"MouseOver", "MouseDown(1,0)", "MouseUp(1,0)", "Click"};
        QTest::newRow("moving while held leaves hover off, the next move hovers again")
            << ""
            << QStringList{"in", "press", "in2", "=not hovering", "release", "in3", "=hovering"}
            << QStringList{"MouseOver", "MouseDown(1,0)", "MouseUp(1,0)", "Click", "MouseOver"};
        QTest::newRow("right click") << "" << QStringList{"in", "rpress", "=up", "rrelease", "=up"}
                                     << QStringList{"MouseOver", "MouseDown(2,0)", "MouseUp(2,0)"};
        QTest::newRow("double click gives one Click")
            << "" << QStringList{"in", "dclick", "=up"}
            << QStringList{"MouseOver", "MouseDown(1,0)",     "MouseUp(1,0)",
                           "Click",     "MouseDown(1,0)@0,0", "MouseUp(1,0)"};
        QTest::newRow("check-box clicks flip Value, checked stays down")
            << "check" << QStringList{"in",    "press", "release", "=on",  "=down", "in2",
                                      "=down", "press", "release", "=off", "=up"}
            << QStringList{"MouseOver",      "MouseDown(1,0)", "MouseUp(1,0)", "Click",
                           "MouseDown(1,0)", "MouseUp(1,0)",   "Click"};
        QTest::newRow("disabled button ends hover and gets nothing")
            << "" << QStringList{"in",      "disable", "tracking ends", "=not hovering", "press",
                                 "release", "in2"}
            << QStringList{"MouseOver", "MouseOut"};
        QTest::newRow("a release lost while disabled does not stop later clicks")
            << "" << QStringList{"in",     "rpress", "disable", "tracking ends", "rrelease",
                                 "enable", "in2",    "press",   "release"}
            << QStringList{"MouseOver",      "MouseDown(2,0)", "MouseOut", "MouseOver",
                           "MouseDown(1,0)", "MouseUp(1,0)",   "Click"};
        QTest::newRow("MouseDown handler turning left into right")
            << "handler right" << QStringList{"in", "press", "=up", "release"}
            << QStringList{"MouseOver", "MouseDown(1,0)", "MouseUp(1,0)"};
    }

    void mouseSequences()
    {
        QFETCH(QString, setup);
        QFETCH(QStringList, script);
        QFETCH(QStringList, events);
        Scene scene;
        QVERIFY(scene.ready());
        if (setup == "check")
            scene.button->setCheckBoxBehaviour(true);
        if (setup == "handler right")
            scene.button->onMouseDown = [](short &button, short &, float &, float &) {
                button = 2;
            };
        for (const QString &token : script) {
            const QString failure = scene.step(token);
            QVERIFY2(failure.isEmpty(), qPrintable(token + ": " + failure));
        }
        QStringList actual = scene.button->eventsWithoutMoves();
        if (setup == "out while held") {
            // The pointer left with the button held: the timer's MouseOut comes at a tick that
            // may fall before or after the release, once at most, and surely by the end when
            // the script waits for it.
            const qsizetype outs = actual.removeAll("MouseOut");
            const qsizetype expectedOuts = events.removeAll("MouseOut");
            QVERIFY(outs <= 1);
            QVERIFY(outs >= expectedOuts);
        }
        QCOMPARE(actual, events);
    }

    void movesReportHeldButtons_data()
    {
        QTest::addColumn<Qt::MouseButton>("held");
        QTest::addColumn<QString>("move");
        QTest::newRow("none") << Qt::NoButton << "MouseMove(0,0)";
        QTest::newRow("left") << Qt::LeftButton << "MouseMove(1,0)";
        QTest::newRow("right") << Qt::RightButton << "MouseMove(2,0)";
        QTest::newRow("middle") << Qt::MiddleButton << "MouseMove(4,0)";
    }

    void movesReportHeldButtons()
    {
        QFETCH(Qt::MouseButton, held);
        QFETCH(QString, move);
        Scene scene;
        QVERIFY(scene.ready());
        scene.moveTo(QPoint(20, 20), scene.button);
        if (held != Qt::NoButton)
            QTest::mousePress(scene.window.windowHandle(), held, {}, scene.pointerInWindow());
        scene.button->clearLogs();
        scene.moveTo(QPoint(40, 20), scene.button);
        QCOMPARE(scene.button->events.value(0), move);
        // A held right or middle button stops the move's handling: nothing is redrawn.
        if (held == Qt::RightButton || held == Qt::MiddleButton)
            QVERIFY(scene.button->redraws.isEmpty());
        if (held != Qt::NoButton)
            QTest::mouseRelease(scene.window.windowHandle(), held, {}, scene.pointerInWindow());
    }

    void clickRepaintsUpBeforeClick()
    {
        Scene scene;
        QVERIFY(scene.ready());
        scene.moveTo(QPoint(20, 20), scene.button);
        QTest::mousePress(scene.window.windowHandle(), Qt::LeftButton, {}, scene.pointerInWindow());
        scene.button->clearLogs();
        QList<RecordingButton::RedrawCall> atClick;
        connect(scene.button, &StyledButton::Click, scene.button,
                [&] { atClick = scene.button->redraws; });
        QTest::mouseRelease(scene.window.windowHandle(), Qt::LeftButton, {},
                            scene.pointerInWindow());
        // Release: up unforced (step 4), then the click's forced up before Click is raised.
        QCOMPARE(atClick.size(), 2);
        QCOMPARE(atClick[0].state, StyledButton::StateUp);
        QVERIFY(!atClick[0].force);
        QCOMPARE(atClick[1].state, StyledButton::StateUp);
        QVERIFY(atClick[1].force);
    }

    void keySequences_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<bool>("value");
        QTest::newRow("space press and release")
            << "" << QStringList{"space down", "=down", "space up", "=up"}
            << QStringList{"KeyDown(32,0)", "KeyPress(32)", "KeyUp(32,0)", "Click"} << false;
        QTest::newRow("space interrupted by another key")
            << "" << QStringList{"space down", "a down", "a up", "space up", "=down"}
            << QStringList{"KeyDown(32,0)", "KeyPress(32)", "KeyDown(65,0)",
                           "KeyPress(97)",  "KeyUp(65,0)",  "KeyUp(32,0)"}
            << false;
        QTest::newRow("held space repeats: one click")
            << "" << QStringList{"space down", "space repeat", "space repeat", "space up"}
            << QStringList{"KeyDown(32,0)", "KeyPress(32)", "KeyUp(32,0)", "Click"} << false;
        QTest::newRow("enter does not click")
            << "" << QStringList{"enter down", "enter up"}
            << QStringList{"KeyDown(13,0)", "KeyPress(13)", "KeyUp(13,0)"} << false;
        QTest::newRow("shift+space reports shift")
            << "" << QStringList{"shift space down", "shift space up"}
            << QStringList{"KeyDown(16,1)", "KeyDown(32,1)", "KeyPress(32)",
                           "KeyUp(32,1)",   "Click",         "KeyUp(16,0)"}
            << false;
        QTest::newRow("KeyDown handler zeroing KeyCode stops space")
            << "zero key" << QStringList{"space down", "=up", "space up"}
            << QStringList{"KeyDown(32,0)", "KeyPress(32)", "KeyUp(32,0)"} << false;
        QTest::newRow("KeyUp handler disabling the button stops the click")
            << "disable on key up" << QStringList{"space down", "space up"}
            << QStringList{"KeyDown(32,0)", "KeyPress(32)", "KeyUp(32,0)"} << false;
        QTest::newRow("check-box space flips Value")
            << "check" << QStringList{"space down", "space up", "=down"}
            << QStringList{"KeyDown(32,0)", "KeyPress(32)", "KeyUp(32,0)", "Click"} << true;
        QTest::newRow("disabled button gets no keys")
            << "disabled" << QStringList{"space down", "space up"} << QStringList{} << false;
    }

    void keySequences()
    {
        QFETCH(QString, setup);
        QFETCH(QStringList, script);
        QFETCH(QStringList, events);
        QFETCH(bool, value);
        Scene scene;
        QVERIFY(scene.ready());
        scene.button->setFocus();
        RecordingButton *button = scene.button;
        if (setup == "zero key")
            button->onKeyDown = [](short &code, short &) {
                code = 0;
            };
        if (setup == "disable on key up")
            button->onKeyUp = [button](short &, short &) {
                button->setEnabled(false);
            };
        if (setup == "check")
            button->setCheckBoxBehaviour(true);
        if (setup == "disabled")
            button->setEnabled(false);
        button->clearLogs();
        for (const QString &token : script) {
            if (token == "space down")
                QTest::keyPress(button, Qt::Key_Space);
            else if (token == "space up")
                QTest::keyRelease(button, Qt::Key_Space);
            else if (token == "shift space down")
                QTest::keyPress(button, Qt::Key_Space, Qt::ShiftModifier);
            else if (token == "shift space up")
                QTest::keyRelease(button, Qt::Key_Space, Qt::ShiftModifier);
            else if (token == "space repeat") {
                // What X11 sends for a held key: a release and a press, both auto-repeated.
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ", true);
                QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
                QApplication::sendEvent(button, &release);
                QApplication::sendEvent(button, &press);
            } else if (token == "a down")
                QTest::keyPress(button, Qt::Key_A);
            else if (token == "a up")
                QTest::keyRelease(button, Qt::Key_A);
            else if (token == "enter down")
                QTest::keyPress(button, Qt::Key_Return);
            else if (token == "enter up")
                QTest::keyRelease(button, Qt::Key_Return);
            else {
                const QString failure = scene.step(token);
                QVERIFY2(failure.isEmpty(), qPrintable(token + ": " + failure));
            }
        }
        QCOMPARE(button->events, events);
        QCOMPARE(button->Value(), value);
    }

    void arrowKeysMoveTheFocus_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("zeroKeyCode");
        QTest::addColumn<QString>("focused");
        QTest::newRow("left") << Qt::Key_Left << 37 << false << "before";
        QTest::newRow("up") << Qt::Key_Up << 38 << false << "before";
        QTest::newRow("right") << Qt::Key_Right << 39 << false << "after";
        QTest::newRow("down") << Qt::Key_Down << 40 << false << "after";
        QTest::newRow("left, KeyCode zeroed") << Qt::Key_Left << 37 << true << "button";
        QTest::newRow("down, KeyCode zeroed") << Qt::Key_Down << 40 << true << "button";
    }

    void arrowKeysMoveTheFocus()
    {
        QFETCH(Qt::Key, key);
        QFETCH(int, code);
        QFETCH(bool, zeroKeyCode);
        QFETCH(QString, focused);
        Scene scene;
        QVERIFY(scene.ready());
        scene.button->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), scene.button);
        if (zeroKeyCode)
            scene.button->onKeyDown = [](short &c, short &) {
                c = 0;
            };
        QTest::keyClick(scene.button, key);
        QCOMPARE(scene.button->events.value(0), QStringLiteral("KeyDown(%1,0)").arg(code));
        QCOMPARE(scene.button->LastKeyCode(), quint8(zeroKeyCode ? 0 : code));
        QWidget *expected = focused == "before"  ? static_cast<QWidget *>(scene.before)
                            : focused == "after" ? static_cast<QWidget *>(scene.after)
                                                 : scene.button;
        QTRY_COMPARE(QApplication::focusWidget(), expected);
        QVERIFY(!scene.button->events.contains("Click"));
    }

    void focusRedrawsAsLastDrawn()
    {
        Scene scene;
        QVERIFY(scene.ready());
        scene.button->setFocus();
        QTRY_VERIFY(scene.button->HasFocus());
        QTest::keyPress(scene.button, Qt::Key_Space); // drawn down
        scene.button->clearLogs();
        scene.after->setFocus();
        QTRY_VERIFY(!scene.button->HasFocus());
        QCOMPARE(scene.button->redraws,
                 QList<RecordingButton::RedrawCall>({{StyledButton::StateDown, true, true}}));
    }

    void accessKeys_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("clicks");
        QTest::newRow("&Stampa with Alt+S") << "&Stampa" << Qt::Key_S << true << true;
        QTest::newRow("&Stampa with Alt+T") << "&Stampa" << Qt::Key_T << true << false;
        QTest::newRow("Salva && esci") << "Salva && esci" << Qt::Key_E << true << false;
        QTest::newRow("A&&B&C with Alt+C") << "A&&B&C" << Qt::Key_C << true << true;
        QTest::newRow("A&&B&C with Alt+B") << "A&&B&C" << Qt::Key_B << true << false;
        QTest::newRow("lone &") << "&" << Qt::Key_A << true << false;
        QTest::newRow("Esci&") << "Esci&" << Qt::Key_E << true << false;
        QTest::newRow("A&&B") << "A&&B" << Qt::Key_B << true << false;
        QTest::newRow("A&&B&&C&D") << "A&&B&&C&D" << Qt::Key_D << true << false;
        QTest::newRow("disabled &Stampa") << "&Stampa" << Qt::Key_S << false << false;
    }

    void accessKeys()
    {
        QFETCH(QString, caption);
        QFETCH(Qt::Key, key);
        QFETCH(bool, enabled);
        QFETCH(bool, clicks);
        Scene scene;
        QVERIFY(scene.ready());
        scene.before->setFocus(); // the access key works wherever the focus is
        scene.button->setCaption(caption);
        scene.button->setEnabled(enabled);
        scene.button->clearLogs();
        QTest::keyClick(&scene.window, key, Qt::AltModifier);
        QCOMPARE(scene.button->events, clicks ? QStringList{"Click"} : QStringList{});
        if (clicks) {
            QCOMPARE(scene.button->LastButton(), quint8(1));
            QCOMPARE(scene.button->redraws.value(0),
                     (RecordingButton::RedrawCall{StyledButton::StateUp, true, true}));
        }
    }

    void accessKeyAfterRightPressStillClicks()
    {
        Scene scene;
        QVERIFY(scene.ready());
        scene.button->setCaption("&Esci");
        scene.moveTo(QPoint(20, 20), scene.button);
        QTest::mouseClick(scene.window.windowHandle(), Qt::RightButton, {},
                          scene.pointerInWindow());
        QCOMPARE(scene.button->LastButton(), quint8(2));
        scene.button->clearLogs();
        QTest::keyClick(&scene.window, Qt::Key_E, Qt::AltModifier);
        QCOMPARE(scene.button->events, QStringList{"Click"});
    }
};

QTEST_MAIN(TestStyledButtonInput)
#include "tst_styled_button_input.moc"
