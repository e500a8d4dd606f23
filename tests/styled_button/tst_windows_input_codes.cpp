#include "widgets/styled_button/windows_input_codes.h"

#include <QTest>

using namespace Tavo;

class TestWindowsInputCodes : public QObject
{
    Q_OBJECT

private slots:
    void keyCode_data()
    {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<int>("code");
        QTest::newRow("space") << int(Qt::Key_Space) << false << 32;
        QTest::newRow("left, not Qt's 0x12") << int(Qt::Key_Left) << false << 37;
        QTest::newRow("up") << int(Qt::Key_Up) << false << 38;
        QTest::newRow("right") << int(Qt::Key_Right) << false << 39;
        QTest::newRow("down") << int(Qt::Key_Down) << false << 40;
        QTest::newRow("letter A") << int(Qt::Key_A) << false << 65;
        QTest::newRow("letter Z") << int(Qt::Key_Z) << false << 90;
        QTest::newRow("digit 0") << int(Qt::Key_0) << false << 48;
        QTest::newRow("digit 9") << int(Qt::Key_9) << false << 57;
        QTest::newRow("return") << int(Qt::Key_Return) << false << 13;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << true << 13;
        QTest::newRow("escape") << int(Qt::Key_Escape) << false << 27;
        QTest::newRow("tab") << int(Qt::Key_Tab) << false << 9;
        QTest::newRow("backtab is tab") << int(Qt::Key_Backtab) << false << 9;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << false << 8;
        QTest::newRow("delete") << int(Qt::Key_Delete) << false << 46;
        QTest::newRow("F1") << int(Qt::Key_F1) << false << 112;
        QTest::newRow("F12") << int(Qt::Key_F12) << false << 123;
        QTest::newRow("shift") << int(Qt::Key_Shift) << false << 16;
        QTest::newRow("keypad 5") << int(Qt::Key_5) << true << 101;
        QTest::newRow("keypad minus") << int(Qt::Key_Minus) << true << 109;
        QTest::newRow("comma") << int(Qt::Key_Comma) << false << 188;
        QTest::newRow("unknown key") << int(Qt::Key_LaunchMail) << false << 0;
    }

    void keyCode()
    {
        QFETCH(int, qtKey);
        QFETCH(bool, keypad);
        QFETCH(int, code);
        const auto modifiers = keypad ? Qt::KeypadModifier : Qt::NoModifier;
        QCOMPARE(int(WindowsInput::keyCode(qtKey, modifiers)), code);
    }

    void buttonBits_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("bits");
        QTest::newRow("none") << int(Qt::NoButton) << 0;
        QTest::newRow("left") << int(Qt::LeftButton) << 1;
        QTest::newRow("right") << int(Qt::RightButton) << 2;
        QTest::newRow("middle") << int(Qt::MiddleButton) << 4;
        QTest::newRow("left and right") << int(Qt::LeftButton | Qt::RightButton) << 3;
        QTest::newRow("left and middle") << int(Qt::LeftButton | Qt::MiddleButton) << 5;
    }

    void buttonBits()
    {
        QFETCH(int, buttons);
        QFETCH(int, bits);
        QCOMPARE(int(WindowsInput::buttonBits(Qt::MouseButtons(buttons))), bits);
    }

    void shiftBits_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("bits");
        QTest::newRow("none") << int(Qt::NoModifier) << 0;
        QTest::newRow("shift") << int(Qt::ShiftModifier) << 1;
        QTest::newRow("ctrl") << int(Qt::ControlModifier) << 2;
        QTest::newRow("alt") << int(Qt::AltModifier) << 4;
        QTest::newRow("shift ctrl alt")
            << int(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier) << 7;
        QTest::newRow("keypad alone counts nothing") << int(Qt::KeypadModifier) << 0;
    }

    void shiftBits()
    {
        QFETCH(int, modifiers);
        QFETCH(int, bits);
        QCOMPARE(int(WindowsInput::shiftBits(Qt::KeyboardModifiers(modifiers))), bits);
    }

    void characterCode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("no character") << QString() << -1;
        QTest::newRow("space") << " " << 32;
        QTest::newRow("letter") << "a" << 97;
        QTest::newRow("enter") << "\r" << 13;
        QTest::newRow("latin-1 accent") << QStringLiteral("\u00E8") << 0xE8;
        QTest::newRow("beyond latin-1") << QStringLiteral("\u20AC") << 63;
    }

    void characterCode()
    {
        QFETCH(QString, text);
        QFETCH(int, code);
        QCOMPARE(int(WindowsInput::characterCode(text)), code);
    }
};

QTEST_APPLESS_MAIN(TestWindowsInputCodes)
#include "tst_windows_input_codes.moc"
