#include "widgets/upper_case_line_edit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QTest>

using namespace Tavo;

namespace {

// Types each character as one key press carrying it as text, the way a keyboard layout delivers
// accented letters (QTest::keyClicks takes ASCII only).
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void commitFromInputMethod(QWidget *widget, const QString &commit)
{
    QInputMethodEvent event;
    event.setCommitString(commit);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class TestUpperCaseLineEdit : public QObject
{
    Q_OBJECT

private slots:
    void typedLettersBecomeCapitals_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("words with blanks")
            << QStringLiteral("via dei mille") << QStringLiteral("VIA DEI MILLE");
        QTest::newRow("grave e") << QStringLiteral("è") << QStringLiteral("È");
        QTest::newRow("sharp s stays") << QStringLiteral("ß") << QStringLiteral("ß");
        QTest::newRow("oe ligature outside Latin-1") << QStringLiteral("œ") << QStringLiteral("Œ");
    }

    void typedLettersBecomeCapitals()
    {
        UpperCaseLineEdit box(50);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        typeText(&box, typed);
        QCOMPARE(box.text(), shown);
    }

    void editingKeysStillWork()
    {
        UpperCaseLineEdit box(10);
        QTest::keyClicks(&box, QStringLiteral("abc"));
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.text(), QStringLiteral("AB"));
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier); // select all, not a typed "a"
        QTest::keyClicks(&box, QStringLiteral("x"));
        QCOMPARE(box.text(), QStringLiteral("X"));
    }

    void inputMethodCommitIsConverted()
    {
        UpperCaseLineEdit box(10);
        QTest::keyClicks(&box, QStringLiteral("a"));
        commitFromInputMethod(&box, QStringLiteral("èß"));
        QCOMPARE(box.text(), QStringLiteral("AÈß"));
    }

    void inputMethodCommitStopsAtTheLimit()
    {
        UpperCaseLineEdit box(3);
        QTest::keyClicks(&box, QStringLiteral("ab"));
        commitFromInputMethod(&box, QStringLiteral("èò"));
        QCOMPARE(box.text(), QStringLiteral("ABÈ"));
    }

    void typingOverASelectionOfAFullBox()
    {
        UpperCaseLineEdit box(4);
        QTest::keyClicks(&box, QStringLiteral("abcd"));
        box.setSelection(1, 2);
        QTest::keyClicks(&box, QStringLiteral("xyz"));
        QCOMPARE(box.text(), QStringLiteral("AXYD"));
    }

    void programSetTextIsKeptWholeAndNotConverted()
    {
        UpperCaseLineEdit box(10);
        box.setText(QStringLiteral("12vi1234567"));
        QCOMPARE(box.text(), QStringLiteral("12vi1234567"));
        QTest::keyClick(&box, Qt::Key_End);
        QTest::keyClicks(&box, QStringLiteral("9"));
        QCOMPARE(box.text(), QStringLiteral("12vi1234567"));
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClicks(&box, QStringLiteral("ab"));
        QCOMPARE(box.text(), QStringLiteral("12vi12345A"));
    }

    void pasteKeepsCaseAndJoinsLines()
    {
        UpperCaseLineEdit box(50);
        QGuiApplication::clipboard()->setText(QStringLiteral("mario\r\nrossi\nè"));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), QStringLiteral("mario rossi è"));
    }

    void pasteIsCutToTheRoomLeft()
    {
        UpperCaseLineEdit box(10);
        QTest::keyClicks(&box, QStringLiteral("12"));
        QGuiApplication::clipboard()->setText(QStringLiteral("vi1234567890"));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), QStringLiteral("12vi123456"));
    }

    void pasteReplacesTheSelection()
    {
        UpperCaseLineEdit box(8);
        QTest::keyClicks(&box, QStringLiteral("abcdefgh"));
        box.selectAll();
        QGuiApplication::clipboard()->setText(QStringLiteral("xy"));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), QStringLiteral("xy"));
    }

    void contextMenuPasteFollowsTheSameRules()
    {
        UpperCaseLineEdit box(6);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QGuiApplication::clipboard()->setText(QStringLiteral("ab\ncdefgh"));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                box.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&box, &event);
        QMenu *menu = box.findChild<QMenu *>();
        QVERIFY(menu);
        QAction *paste = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->text().startsWith(QLatin1String("&Paste")))
                paste = action;
        }
        QVERIFY(paste);
        paste->trigger();
        QCOMPARE(box.text(), QStringLiteral("ab cde"));
        menu->close();
    }
};

QTEST_MAIN(TestUpperCaseLineEdit)
#include "tst_upper_case_line_edit.moc"
