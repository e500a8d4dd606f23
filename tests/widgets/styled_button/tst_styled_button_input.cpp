#include "recording_button.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace Tavo;
using namespace Tavo::Testing;

namespace {

// A window with a line edit before the button and one after it in the tab order. The pointer
// starts outside the button.
struct Scene
{
    QWidget window;
    QLineEdit *before = new QLineEdit(&window);
    RecordingButton *button = new RecordingButton(&window, "Prova");
    QLineEdit *after = new QLineEdit(&window);
    bool leftWhileHeld = false;

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

    // Moves the pointer as the user does; the hover timer may tick meanwhile.
    void moveTo(QPoint pos, QWidget *relativeTo)
    {
        QCursor::setPos(relativeTo->mapToGlobal(pos));
        QCoreApplication::processEvents();
    }

    QPoint pointerInWindow() const { return window.mapFromGlobal(QCursor::pos()); }

    void mouse(QTest::MouseAction action, Qt::MouseButton b, Qt::KeyboardModifiers m = {})
    {
        QTest::mouseEvent(action, window.windowHandle(), b, m, pointerInWindow());
    }

    // Runs one step of a script; returns a failure description, empty when the step passed.
    // "<left|right|space|a|enter>-<down|up>", optionally after "shift+", press or release a
    // mouse button or key; "=..." steps check the state.
    QString step(const QString &token)
    {
        static const QHash<QString, Qt::Key> keys{
            {"space", Qt::Key_Space}, {"a", Qt::Key_A}, {"enter", Qt::Key_Return}};
        static const QHash<QString, Qt::MouseButton> buttons{{"left", Qt::LeftButton},
                                                             {"right", Qt::RightButton}};
        const bool down = token.endsWith("-down");
        QString name = token.section('-', 0, 0);
        Qt::KeyboardModifiers mods;
        if (name.startsWith("shift+")) {
            mods = Qt::ShiftModifier;
            name = name.mid(6);
        }
        if (down || token.endsWith("-up")) {
            if (buttons.contains(name))
                mouse(down ? QTest::MousePress : QTest::MouseRelease, buttons[name], mods);
            else if (keys.contains(name))
                down ? QTest::keyPress(button, keys[name], mods)
                     : QTest::keyRelease(button, keys[name], mods);
            else
                return "unknown key or button";
        } else if (token == "left-dclick")
            mouse(QTest::MouseDClick, Qt::LeftButton);
        else if (token == "space-repeat") {
            // What X11 sends for a held key: a release and a press, both auto-repeated.
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ", true);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
            QApplication::sendEvent(button, &release);
            QApplication::sendEvent(button, &press);
        } else if (token.startsWith("alt+"))
            QTest::keyClick(&window, Qt::Key(token.at(4).toUpper().unicode()), Qt::AltModifier);
        else if (token.startsWith("caption="))
            button->setCaption(token.mid(8));
        else if (token == "in")
            moveTo(QPoint(80, 24), button);
        else if (token == "in2")
            moveTo(QPoint(90, 20), button);
        else if (token == "in3")
            moveTo(QPoint(30, 30), button);
        else if (token == "out" || token == "out-held") {
            leftWhileHeld = leftWhileHeld || token == "out-held";
            moveTo(QPoint(300, 150), &window);
        } else if (token == "focus")
            button->setFocus();
        else if (token == "check")
            button->setCheckBoxBehaviour(true);
        else if (token == "disable" || token == "enable")
            button->setEnabled(token == "enable");
        else if (token == "left-becomes-right")
            QObject::connect(button, &StyledButton::MouseDown, button,
                             [](short &b, short &, float &, float &) { b = 2; });
        else if (token == "zero-keycode")
            QObject::connect(button, &StyledButton::KeyDown, button,
                             [](short &code, short &) { code = 0; });
        else if (token == "disable-on-keyup")
            QObject::connect(button, &StyledButton::KeyUp, button,
                             [this](short &, short &) { button->setEnabled(false); });
        else if (token == "untracked") {
            if (!QTest::qWaitFor([this] { return !button->isOverTimerActive(); }))
                return "hover tracking did not end";
        } else if (token == "ticks")
            QTest::qWait(30); // lets the 3 ms hover timer tick several times
        else if (token.startsWith('=')) {
            const QHash<QString, bool> state{
                {"=up", button->renderer().LastState == StyledButton::StateUp},
                {"=down", button->renderer().LastState == StyledButton::StateDown},
                {"=hovering", button->Hovering()},
                {"=not-hovering", !button->Hovering()},
                {"=on", button->Value()}, // the check-box Value
                {"=off", !button->Value()}};
            if (!state.value(token, false))
                return state.contains(token) ? "not " + token.mid(1) : "unknown check";
        } else
            return "unknown step";
        return QString();
    }
};

} // namespace

class TestStyledButtonInput : public QObject
{
    Q_OBJECT

private slots:
    void sequences_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("events"); // MouseMove events left out
        const auto row = [](const char *name, const char *script, const char *events) {
            QTest::newRow(name) << QString(script) << QString(events);
        };
        row("hover raises MouseOver once per entry",
            "in in2 in3 =hovering out untracked =not-hovering in in2",
            "MouseOver MouseOut MouseOver");
        row("hover stays while the pointer is over", "in ticks =hovering", "MouseOver");
        row("click", "in left-down =down left-up =up =off",
            "MouseOver MouseDown(1,0) MouseUp(1,0) Click");
        row("shift is reported", "in shift+left-down shift+left-up",
            "MouseOver MouseDown(1,1) MouseUp(1,1) Click");
        row("drag off and release outside", "in left-down =down out-held =up left-up untracked",
            "MouseOver MouseDown(1,0) MouseUp(1,0) MouseOut");
        row("drag off and back on", "in left-down out-held =up in2 =down left-up =up",
            "MouseOver MouseDown(1,0) MouseUp(1,0) Click");
        row("moving while held leaves hover off, the next move hovers again",
            "in left-down in2 =not-hovering left-up in3 =hovering",
            "MouseOver MouseDown(1,0) MouseUp(1,0) Click MouseOver");
        row("right click", "in right-down =up right-up =up",
            "MouseOver MouseDown(2,0) MouseUp(2,0)");
        row("double click gives one Click", "in left-dclick =up",
            "MouseOver MouseDown(1,0) MouseUp(1,0) Click MouseDown(1,0)@0,0 MouseUp(1,0)");
        row("check-box clicks flip Value, checked stays down",
            "check in left-down left-up =on =down in2 =down left-down left-up =off =up",
            "MouseOver MouseDown(1,0) MouseUp(1,0) Click MouseDown(1,0) MouseUp(1,0) Click");
        row("disabled button ends hover and gets nothing",
            "in disable untracked =not-hovering left-down left-up in2", "MouseOver MouseOut");
        row("a release lost while disabled does not stop later clicks",
            "in right-down disable untracked right-up enable in2 left-down left-up",
            "MouseOver MouseDown(2,0) MouseOut MouseOver MouseDown(1,0) MouseUp(1,0) Click");
        row("MouseDown handler turning left into right",
            "left-becomes-right in left-down =up left-up", "MouseOver MouseDown(1,0) MouseUp(1,0)");
        row("access key after a right press still clicks",
            "caption=&Esci in right-down right-up alt+e",
            "MouseOver MouseDown(2,0) MouseUp(2,0) Click");
        row("space press and release", "focus space-down =down space-up =up =off",
            "KeyDown(32,0) KeyPress(32) KeyUp(32,0) Click");
        row("space interrupted by another key", "focus space-down a-down a-up space-up =down",
            "KeyDown(32,0) KeyPress(32) KeyDown(65,0) KeyPress(97) KeyUp(65,0) KeyUp(32,0)");
        row("held space repeats: one click", "focus space-down space-repeat space-repeat space-up",
            "KeyDown(32,0) KeyPress(32) KeyUp(32,0) Click");
        row("enter does not click", "focus enter-down enter-up",
            "KeyDown(13,0) KeyPress(13) KeyUp(13,0)");
        row("shift+space reports shift", "focus shift+space-down shift+space-up",
            "KeyDown(16,1) KeyDown(32,1) KeyPress(32) KeyUp(32,1) Click KeyUp(16,0)");
        row("KeyDown handler zeroing KeyCode stops space",
            "focus zero-keycode space-down =up space-up", "KeyDown(32,0) KeyPress(32) KeyUp(32,0)");
        row("KeyUp handler disabling the button stops the click",
            "focus disable-on-keyup space-down space-up", "KeyDown(32,0) KeyPress(32) KeyUp(32,0)");
        row("check-box space flips Value", "focus check space-down space-up =down =on",
            "KeyDown(32,0) KeyPress(32) KeyUp(32,0) Click");
        row("disabled button gets no keys", "focus disable space-down space-up", "");
    }

    void sequences()
    {
        QFETCH(QString, script);
        QFETCH(QString, events);
        Scene scene;
        QVERIFY(scene.ready());
        for (const QString &token : words(script)) {
            const QString failure = scene.step(token);
            QVERIFY2(failure.isEmpty(), qPrintable(token + ": " + failure));
        }
        QStringList actual = scene.button->eventsWithoutMoves();
        QStringList expected = words(events);
        if (scene.leftWhileHeld) {
            // The pointer left with the button held: the timer's MouseOut comes at a tick that
            // may fall before or after the release, once at most, and surely by the end when
            // the script waits for it.
            const qsizetype outs = actual.removeAll("MouseOut");
            QVERIFY(outs <= 1);
            QVERIFY(outs >= expected.removeAll("MouseOut"));
        }
        QCOMPARE(actual, expected);
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
            scene.mouse(QTest::MousePress, held);
        scene.button->clearLogs();
        scene.moveTo(QPoint(40, 20), scene.button);
        QCOMPARE(scene.button->events.value(0), move);
        // A held right or middle button stops the move's handling: nothing is redrawn.
        if (held == Qt::RightButton || held == Qt::MiddleButton)
            QVERIFY(scene.button->redraws.isEmpty());
        if (held != Qt::NoButton)
            scene.mouse(QTest::MouseRelease, held);
    }

    void clickRepaintsUpBeforeClick()
    {
        Scene scene;
        QVERIFY(scene.ready());
        scene.moveTo(QPoint(20, 20), scene.button);
        scene.mouse(QTest::MousePress, Qt::LeftButton);
        scene.button->clearLogs();
        QStringList atClick;
        connect(scene.button, &StyledButton::Click, scene.button,
                [&] { atClick = scene.button->redraws; });
        scene.mouse(QTest::MouseRelease, Qt::LeftButton);
        // The release's unforced up, then the click's forced up before Click is raised.
        QCOMPARE(atClick, QStringList({"0U", "0F"}));
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
            scene.step("zero-keycode");
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
        QCOMPARE(scene.button->redraws, QStringList{"2F"});
    }

    void accessKeys_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("clicks");
        const auto row = [](const char *name, const char *caption, Qt::Key key, bool clicks,
                            bool enabled = true) {
            QTest::newRow(name) << QString(caption) << key << enabled << clicks;
        };
        row("&Stampa with Alt+S", "&Stampa", Qt::Key_S, true);
        row("&Stampa with Alt+T", "&Stampa", Qt::Key_T, false);
        row("Salva && esci", "Salva && esci", Qt::Key_E, false);
        row("A&&B&C with Alt+C", "A&&B&C", Qt::Key_C, true);
        row("A&&B&C with Alt+B", "A&&B&C", Qt::Key_B, false);
        row("lone &", "&", Qt::Key_A, false);
        row("Esci&", "Esci&", Qt::Key_E, false);
        row("A&&B", "A&&B", Qt::Key_B, false);
        row("A&&B&&C&D", "A&&B&&C&D", Qt::Key_D, false);
        row("disabled &Stampa", "&Stampa", Qt::Key_S, false, false);
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
            QCOMPARE(scene.button->redraws.value(0), "0F");
        }
    }
};

QTEST_MAIN(TestStyledButtonInput)
#include "tst_styled_button_input.moc"
