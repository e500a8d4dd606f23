#include "widgets/upper_case_line_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

using namespace Tavo;

// How the text box applies the typing rules (tests/core has the rules): typed text becomes
// capitals, pasted text one line, and the limit binds the user, not a text the program sets.
class TestUpperCaseLineEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A box of the limit holding a text the program set gets keys, each with its character as a
    // keyboard delivers it ('\b' Backspace, '\1' Ctrl+A, '\26' Ctrl+V, '\2' Paste of the context
    // menu; '\3', '\4' and '\5' give the next character Alt, AltGr as X11 and as Windows
    // deliver it), then an input method's commit.
    void typing_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("commit");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, int limit, const char *text, const char *keys,
                            const char *commit, const char *shown) {
            QTest::newRow(name) << limit << QString(text) << QString(keys) << QString(commit)
                                << QString(shown);
        };
        row("typed, edited", 10, "", "via è\b\1xè", "", "XÈ");
        row("full, typed over a selection", 2, "AB", "\1xyz", "", "XY");
        row("commit, cut at the limit", 4, "", "ab", "èòù", "ABÈÒ");
        row("program text kept", 10, "12vi1234567", "9\b\bab", "", "12vi12345A");
        row("paste, cut at the limit", 13, "12", "\26", "", "12mario rossi");
        row("paste over a selection", 14, "abcd", "\1\26", "", "mario rossi è");
        row("context menu paste", 13, "12", "\2", "", "12mario rossi");
        row("Alt with a letter types nothing, AltGr types", 10, "", "\3s\3C\4@\5#a", "", "@#A");
    }
    void typing()
    {
        QFETCH(int, limit);
        QFETCH(QString, text);
        QFETCH(QString, keys);
        QFETCH(QString, commit);
        QFETCH(QString, shown);
        QGuiApplication::clipboard()->setText(QStringLiteral("mario\r\nrossi\tè"));
        UpperCaseLineEdit box(limit);
        box.setText(text);
        box.show();
        const Qt::KeyboardModifiers modifiers[] = {Qt::AltModifier, Qt::GroupSwitchModifier,
                                                   Qt::ControlModifier | Qt::AltModifier};
        Qt::KeyboardModifiers next;
        for (const QChar c : keys) {
            if (c >= u'\3' && c <= u'\5') {
                next = modifiers[c.unicode() - 3];
            } else if (c == u'\2') {
                QContextMenuEvent menu(QContextMenuEvent::Keyboard, {}, box.mapToGlobal(QPoint()));
                QApplication::sendEvent(&box, &menu);
                for (QAction *action : box.findChild<QMenu *>()->actions())
                    if (action->text().startsWith("&Paste"))
                        action->trigger();
                box.findChild<QMenu *>()->close();
            } else if (c < u' ') {
                const char *sequence = c == u'\b' ? "Backspace" : c == u'\1' ? "Ctrl+A" : "Ctrl+V";
                QTest::keySequence(&box, QKeySequence(QString::fromLatin1(sequence)));
            } else {
                QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, QString(c),
                                    std::exchange(next, {}));
            }
        }
        QInputMethodEvent event;
        event.setCommitString(commit);
        QApplication::sendEvent(&box, &event);
        QCOMPARE(box.text(), shown);
    }
};

QTEST_MAIN(TestUpperCaseLineEdit)
#include "tst_upper_case_line_edit.moc"
