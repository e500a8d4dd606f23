#include "widgets/styled_button/access_key.h"
#include "widgets/styled_button/property_bag.h"
#include "widgets/styled_button/stored_buttons.h"
#include "widgets/styled_button/styled_button.h"

#include <QApplication>
#include <QJsonDocument>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Tavo;
using B = StyledButton;
using Picture = ButtonDrawing::ButtonPicture;

namespace {

// A button in a window of its own, between two line edits in the tab order. It logs its events
// as "click", "over", "out", "down1" (MouseDown, button 1), "up1", "key32" (KeyDown), "char32"
// (KeyPress), "release32" (KeyUp), "+1" for a shift code of 1, but MouseMove, whose number
// depends on how the pointer moved. After "log", each Redraw is logged as "<state><F|U>"
// (forced or not, "!" when nothing was drawn) and each save request as "marks".
struct Scene : B
{
    QWidget window;
    QLineEdit *before = new QLineEdit(&window);
    QLineEdit *after = new QLineEdit(&window);
    QStringList events;
    bool leftWhileHeld = false, logging = false;

    Scene() : B(QStringLiteral("button"), nullptr)
    {
        before->setObjectName("before");
        after->setObjectName("after");
        const auto log = [this](const char *name) {
            return [this, name](short &code, short &shift) {
                events << name + QString::number(code) +
                              (shift ? "+" + QString::number(shift) : "");
            };
        };
        connect(this, &B::Click, this, [this] { events << "click"; });
        connect(this, &B::MouseOver, this, [this] { events << "over"; });
        connect(this, &B::MouseOut, this, [this] { events << "out"; });
        connect(this, &B::MouseDown, this, log("down"));
        connect(this, &B::MouseUp, this, log("up"));
        connect(this, &B::KeyDown, this, log("key"));
        connect(this, &B::KeyUp, this, log("release"));
        connect(this, &B::KeyPress, this,
                [this](short &c) { events << "char" + QString::number(c); });
        connect(this, &B::propertiesChanged, this,
                [this] { events << QStringList(logging, "marks"); });
        setParent(&window);
        QWidget::setTabOrder(before, this);
        QWidget::setTabOrder(this, after);
        after->move(200, 60);
        setGeometry(10, 60, 160, 48);
        window.resize(400, 200);
        window.show();
        window.activateWindow();
    }
    ~Scene() override { setParent(nullptr); } // not deleted with its window
    bool Redraw(quint8 state, bool force) override
    {
        const bool drew = B::Redraw(state, force);
        if (logging)
            events << QString::number(state) + (force ? "F" : "U") + (drew ? "" : "!");
        return drew;
    }

    // Runs a step of a script; returns a failure, empty when the step passed. "[shift+]NAME-down"
    // and "NAME-up" press and release a mouse button or key; "in", "in2", "in3" and "out" move
    // the pointer; "=..." checks the state; other words change the button or its window.
    QString step(const QString &token)
    {
        static const QHash<QString, QPoint> places{
            {"in", {80, 24}}, {"in2", {90, 20}}, {"in3", {30, 30}}, {"out", {290, 90}}};
        static const auto changes = [] {
            QHash<QString, std::function<void(B &)>> c;
            c.insert("BackColor", [](B &b) { b.setBackColor(1); });
            c.insert("ButtonType", [](B &b) { b.setButtonType(7); });
            c.insert("ShowFocusRect", [](B &b) { b.setShowFocusRect(false); });
            c.insert("custom", [](B &b) { b.setColorScheme(2); });
            c.insert("PictureOver", [](B &b) { b.setPictureOver(B::PicturePtr(new Picture)); });
            c.insert("UseGreyscale", [](B &b) { b.setUseGreyscale(true); });
            c.insert("Value", [](B &b) { b.setValue(true); });
            c.insert("check", [](B &b) { b.setCheckBoxBehaviour(true); });
            c.insert("disable", [](B &b) { b.setEnabled(false); });
            c.insert("enable", [](B &b) { b.setEnabled(true); });
            c.insert("hide", [](B &b) { b.hide(); });
            c.insert("show", [](B &b) { b.show(); });
            c.insert("no-height", [](B &b) { b.resize(100, 0); });
            c.insert("default", [](B &b) { b.setDisplayAsDefault(true); });
            c.insert("palette", [](B &b) { b.parentWidget()->setPalette(QPalette(Qt::darkRed)); });
            // A KeyDown handler of the window that takes the key away.
            c.insert("zero-keycode", [](B &b) {
                QObject::connect(&b, &B::KeyDown, &b, [](short &code) { code = 0; });
            });
            return c;
        }();
        const QWidget *focus = QApplication::focusWidget();
        const QString state =
            QStringLiteral("=%1 =%2 =%3 =focus-%4")
                .arg(renderer().LastState ? "down" : "up", Hovering() ? "hovering" : "not-hovering",
                     Value() ? "on" : "off", focus ? focus->objectName() : "");
        const QString name = token.section(u'-', 0, 0).remove("shift+");
        const auto mods = token.startsWith("shift+") ? Qt::ShiftModifier : Qt::NoModifier;
        const bool down = token.endsWith("-down");
        const QPoint at = window.mapFromGlobal(QCursor::pos());
        if (name.startsWith("mouse") && (down || token.endsWith("-up")))
            QTest::mouseEvent(down ? QTest::MousePress : QTest::MouseRelease, window.windowHandle(),
                              name == "mouseright" ? Qt::RightButton : Qt::LeftButton, mods, at);
        else if (down || token.endsWith("-up")) // a key by its name: Space, A, Return, ...
            QTest::keyEvent(down ? QTest::Press : QTest::Release, this, QKeySequence(name)[0].key(),
                            mods);
        else if (token == "double-click")
            QTest::mouseEvent(QTest::MouseDClick, window.windowHandle(), Qt::LeftButton, {}, at);
        else if (token == "Space-repeat") { // what X11 sends for a held key, both auto-repeated
            QTest::simulateEvent(this, false, Qt::Key_Space, {}, " ", true);
            QTest::simulateEvent(this, true, Qt::Key_Space, {}, " ", true);
        } else if (token.startsWith("alt+"))
            QTest::keyClick(&window, Qt::Key(token.at(4).toUpper().unicode()), Qt::AltModifier);
        else if (token.startsWith("caption="))
            setCaption(token.mid(8));
        else if (places.contains(name)) {
            leftWhileHeld = leftWhileHeld || token == "out-held";
            QCursor::setPos(mapToGlobal(places[name]));
        } else if (token == "focus" || token == "unfocus") {
            (token == "focus" ? static_cast<QWidget *>(this) : after)->setFocus();
            if (!QTest::qWaitFor([&] { return HasFocus() == (token == "focus"); }))
                return "the focus did not move";
        } else if (changes.contains(token))
            changes[token](*this);
        else if (token == "log")
            logging = true;
        else if (token == "untracked") {
            if (!QTest::qWaitFor([this] { return !isOverTimerActive(); }))
                return "hover tracking did not end";
        } else if (!state.split(u' ').contains(token))
            return token.startsWith(u'=') ? "the state is " + state : "unknown step";
        QCoreApplication::processEvents(); // moves, and the focus moves of the arrow keys
        return QString();
    }
};

// The properties a button writes, in order, as "KEY=value": values in their stored form, a
// picture as "kind:width".
QString stored(const B &button)
{
    PropertyBag bag;
    button.writeProperties(bag);
    QStringList words;
    for (const QJsonValue &e : bag.toJson()) {
        QString value = QJsonDocument(QJsonArray{e["value"]}).toJson(QJsonDocument::Compact);
        if (const auto p = bag.readPicture(e["key"].toString()))
            value = QStringLiteral("[%1:%2]").arg(int(p->kind)).arg(p->image.width());
        words << e["key"].toString() + "=" + value.mid(1).chopped(1);
    }
    return words.join(u' ');
}

} // namespace

// The button's properties, its stored form and the windows' stored layouts, access keys and
// input.
class TestStyledButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void properties()
    {
        // While the window is designed, colours set the hover colours too and ShadedFrame bolds.
        for (const bool design : {true, false}) {
            B button;
            button.setUserMode(!design);
            button.setBackColor(3);
            button.setForeColor(4);
            button.setButtonType(B::ShadedFrame);
            QCOMPARE(
                QList<bool>({button.BackOver() == 3, button.ForeOver() == 4, button.FontBold()}),
                QList<bool>(3, design));
        }
        B button;
        QVERIFY(button.setHandPointer(true));
        QCOMPARE(button.MousePointer(), B::PointerCustom);
        for (const auto &[points, read] : {std::pair{12.5, 12}, {13.5, 14}, {8.75, 9}}) {
            QFont font("Arial"); // whole points, halves to even
            font.setPointSizeF(points);
            button.setFont(font);
            QCOMPARE(button.FontSize(), read);
        }
        button.setCaption("Salva && &esci");
        QCOMPARE(button.accessibleName(), "Salva & esci");
    }

    // A bag with every key, each value unlike a new button's, read and written back byte for
    // byte.
    void storedForm()
    {
        const QByteArray json = QByteArray(
            R"([{"key":"BTYPE","type":"int32","value":13},{"key":"TX","type":"string","value":)"
            R"("A&&B&C"},{"key":"ENAB","type":"bool","value":false},{"key":"FONT","type":"font",)"
            R"("value":{"charset":0,"italic":true,"name":"Liberation Sans","size":14.25,)"
            R"("strikeout":false,"underline":true,"weight":700}},{"key":"COLTYPE","type":)"
            R"("int32","value":2},{"key":"FOCUSR","type":"bool","value":false},{"key":"BCOL",)"
            R"("type":"colour","value":66051},{"key":"BCOLO","type":"colour","value":263430},)"
            R"({"key":"FCOL","type":"colour","value":460809},{"key":"FCOLO","type":"colour",)"
            R"("value":658188},{"key":"MCOL","type":"colour","value":2147483663},{"key":"MPTR",)"
            R"("type":"int16","value":1},{"key":"UMCOL","type":"bool","value":false},{"key":)"
            R"("SOFT","type":"bool","value":true},{"key":"PICPOS","type":"int32","value":4},)"
            R"({"key":"NGREY","type":"bool","value":true},{"key":"FX","type":"int32","value":5},)"
            R"({"key":"HAND","type":"bool","value":false},{"key":"CHECK","type":"bool","value":)"
            R"(true},{"key":"VALUE","type":"bool","value":true}])");
        B button;
        button.readProperties(*PropertyBag::fromJson(QJsonDocument::fromJson(json).array(), {}));
        QCOMPARE(button.accessKey(), u'c');
        QVERIFY(!button.isEnabled());
        PropertyBag written;
        button.writeProperties(written);
        QCOMPARE(QJsonDocument(written.toJson()).toJson(QJsonDocument::Compact), json);
        QCOMPARE(written.readInt32("enab", 0) + written.readInt32("check", 0), -1); // true is -1
    }

    // The layouts as the program reads them, from its resources. Run again by ctest on a
    // 144 dpi screen, where the buttons and their pictures grow.
    void storedLayouts()
    {
        const int dpi = qEnvironmentVariableIntValue("TAVO_SCREEN_DPI");
        // Name, caption, picture kind (1 icon), size at 96 and at 144 dpi.
        const QStringList expected{"StampaP Stampa 1 177x49 265x73",
                                   "CfgP Configurazione 0 177x49 265x73",
                                   "EsciP Esci 1 177x49 265x73", "SalvaP Salva 1 129x41 193x62",
                                   "AnnullaP Annulla 1 121x41 181x62"};
        QWidget window;
        QCOMPARE(window.logicalDpiX(), dpi ? dpi : 96); // the screen really has it
        auto buttons = loadStoredButtons(":/forms/form1/form1_buttons.json", &window);
        buttons.insert(loadStoredButtons(":/forms/formcfg/formcfg_buttons.json", &window));
        QCOMPARE(buttons.size(), expected.size());
        for (const QString &line : expected) {
            const QStringList e = line.split(u' ');
            const B *button = buttons.value(e[0]);
            QVERIFY2(button && button->parentWidget() == &window, qPrintable(e[0]));
            QCOMPARE(QStringLiteral("%1x%2").arg(button->width()).arg(button->height()),
                     e[dpi == 144 ? 4 : 3]);
            QCOMPARE(button->renderer().PictureWidth, dpi == 144 ? 48 : 32); // the same inches
            QCOMPARE(stored(*button),
                     QStringLiteral(
                         R"(BTYPE=3 TX="%1" ENAB=true FONT={"charset":0,"italic":false,"name":)"
                         R"("Arial","size":14.25,"strikeout":false,"underline":false,"weight":)"
                         R"(400} COLTYPE=1 FOCUSR=true BCOL=14215660 BCOLO=14215660 FCOL=0 )"
                         R"(FCOLO=0 MCOL=16777215 MPTR=1 PICN=%2:32 UMCOL=true SOFT=false )"
                         R"(PICPOS=0 NGREY=false FX=0 HAND=false CHECK=false VALUE=false)")
                         .arg(e[1], e[2]));
        }
    }

    void unreadableLayouts()
    {
        const QByteArray noPicture = R"({"buttons":[{"name":"X","properties":[{"key":"picn",)"
                                     R"("type":"picture","value":{"kind":"icon","file":"no"}}]}]})";
        for (const QByteArray &content :
             {QByteArray(), QByteArray(R"({"buttons":[{"properties":[]}]})"), noPicture}) {
            QTemporaryDir dir;
            QFile file(dir.filePath("layout.json"));
            QVERIFY(content.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(content)));
            file.close();
            QWidget window;
            QString error;
            QVERIFY2(loadStoredButtons(file.fileName(), &window, &error).isEmpty(), content);
            QVERIFY(!error.isEmpty() && (!content.isEmpty() || error.contains("layout.json")));
            QVERIFY(window.findChildren<B *>().isEmpty());
        }
    }

    void accessKeys()
    {
        // caption, its access key ('-' for none) and how it reads
        for (const QString row : {"&Stampa s Stampa", "&A a A", "A - A", "& - ", "Esci& - Esci",
                                  "Salva&&esci - Salva&esci", "A&&B&C c A&BC", "A&&B&&C&D - A&B&CD",
                                  "A&&&B b A&B", "&Uno&Due u UnoDue"}) {
            const QStringList r = row.split(u' ');
            const QChar key = AccessKey::of(r[0]);
            QCOMPARE(key.isNull() ? u'-' : key, r[1][0]);
            QCOMPARE(AccessKey::plainText(r[0]), r[2]);
        }
    }

    void input_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("events");
        const auto row = [](const char *name, const char *script, const char *events) {
            QTest::newRow(name) << QString(script) << QString(events);
        };
        row("hover", "in in2 in3 =hovering out untracked =not-hovering in in2", "over out over");
        row("click", "in mouse-down =down mouse-up =up =off", "over down1 up1 click");
        row("drag off, release outside", "in mouse-down =down out-held =up mouse-up untracked",
            "over down1 up1 out");
        row("drag off and back on", "in mouse-down out-held =up in2 =down mouse-up =up",
            "over down1 up1 click");
        row("right click", "in mouseright-down =up in2 =up mouseright-up =up", "over down2 up2");
        row("double click", "in double-click =up", "over down1 up1 click down1 up1");
        row("check box",
            "check in mouse-down mouse-up =on =down in2 =down mouse-down mouse-up =off =up",
            "over down1 up1 click down1 up1 click");
        row("disabled", "in disable untracked =not-hovering mouse-down mouse-up in2", "over out");
        row("a release lost while disabled",
            "in mouseright-down disable untracked mouseright-up enable in2 mouse-down mouse-up",
            "over down2 out over down1 up1 click");
        row("space", "focus Space-down =down Space-up =up =off", "key32 char32 release32 click");
        row("space interrupted", "focus Space-down A-down A-up Space-up =down",
            "key32 char32 key65 char97 release65 release32");
        row("space held", "focus Space-down Space-repeat Space-repeat Space-up",
            "key32 char32 release32 click");
        row("enter", "focus Return-down Return-up", "key13 char13 release13");
        row("shift+space", "focus shift+Space-down shift+Space-up",
            "key16+1 key32+1 char32 release32+1 click release16");
        row("space stopped by a KeyDown handler", "focus zero-keycode Space-down =up Space-up",
            "key32 char32 release32");
        // The Redraw calls of property changes to a button drawn down by a held Space, so that
        // redraws "as last drawn" (2) and "up" (0) differ.
        row("redrawn as last drawn or up, marked",
            "Space-down log BackColor ShowFocusRect ButtonType caption=&Nuovo",
            "key32 char32 2F marks 2F marks 0F marks 0F marks");
        row("marked, not drawn", "Space-down log PictureOver UseGreyscale Value",
            "key32 char32 marks marks marks");
        row("checked", "Space-down log check Value =down", "key32 char32 2F marks 0F marks");
        row("nothing drawn while hidden; shown, drawn up", "Space-down log hide BackColor show",
            "key32 char32 2F! marks 0F");
        row("no height, no drawing", "log no-height", "");
        row("window changes", "Space-down log default palette", "key32 char32 2F 2F");
        row("custom colours ignore the window", "custom Space-down log default palette",
            "key32 char32");
        row("focus in and out", "Space-down log focus unfocus", "key32 char32 2F 2F");
        row("space on a check box", "focus check Space-down Space-up =down =on",
            "key32 char32 release32 click");
        row("arrows", "focus Left-down =focus-before focus Down-down =focus-after", "key37 key40");
        row("access keys", "caption=&Esci alt+s alt+e =up caption=&A alt+a", "click click");
        row("access key after a right press",
            "caption=&Esci in mouseright-down mouseright-up alt+e", "over down2 up2 click");
        row("access key of a disabled button", "caption=&Esci disable alt+e", "");
    }
    void input()
    {
        QFETCH(QString, script);
        QFETCH(QString, events);
        Scene scene;
        QVERIFY(QTest::qWaitForWindowActive(&scene.window));
        QVERIFY(scene.step("out").isEmpty());
        scene.events.clear();
        for (const QString &token : script.split(u' ')) {
            const QString failure = scene.step(token);
            QVERIFY2(failure.isEmpty(), qPrintable(token + ": " + failure));
        }
        QStringList expected = events.split(u' ', Qt::SkipEmptyParts);
        if (scene.leftWhileHeld) {
            // The pointer left with the button held: the timer's MouseOut comes at a tick that
            // may fall before or after the release, once at most, and surely by the end when
            // the script waits for it.
            const qsizetype outs = scene.events.removeAll("out");
            QVERIFY(outs <= 1 && outs >= expected.removeAll("out"));
        }
        QCOMPARE(scene.events, expected);
    }
};

QTEST_MAIN(TestStyledButton)
#include "tst_styled_button.moc"
