#pragma once

#include "widgets/styled_button/styled_button.h"

#include <QList>
#include <QPair>
#include <QStringList>

#include <functional>

namespace Tavo::Testing {

// A styled button that records every Redraw call (state, forced, drawn) and every event it
// raises, so that tests can check when and how the button redraws and what it reports.
class RecordingButton : public StyledButton
{
public:
    struct RedrawCall
    {
        quint8 state;
        bool force;
        bool drew;
        bool operator==(const RedrawCall &) const = default;
    };

    explicit RecordingButton(QWidget *parent = nullptr, const QString &name = QString())
        : StyledButton(name, parent)
    {
        connect(this, &StyledButton::Click, this, [this] { events << QStringLiteral("Click"); });
        connect(this, &StyledButton::MouseOver, this,
                [this] { events << QStringLiteral("MouseOver"); });
        connect(this, &StyledButton::MouseOut, this,
                [this] { events << QStringLiteral("MouseOut"); });
        connect(this, &StyledButton::MouseDown, this,
                [this](short &b, short &s, float &x, float &y) {
                    events << mouseText("MouseDown", b, s, x, y);
                    if (onMouseDown)
                        onMouseDown(b, s, x, y);
                });
        connect(this, &StyledButton::MouseMove, this,
                [this](short &b, short &s, float &x, float &y) {
                    events << mouseText("MouseMove", b, s, x, y);
                });
        connect(this, &StyledButton::MouseUp, this, [this](short &b, short &s, float &x, float &y) {
            events << mouseText("MouseUp", b, s, x, y);
        });
        connect(this, &StyledButton::KeyDown, this, [this](short &code, short &shift) {
            events << QStringLiteral("KeyDown(%1,%2)").arg(code).arg(shift);
            if (onKeyDown)
                onKeyDown(code, shift);
        });
        connect(this, &StyledButton::KeyUp, this, [this](short &code, short &shift) {
            events << QStringLiteral("KeyUp(%1,%2)").arg(code).arg(shift);
            if (onKeyUp)
                onKeyUp(code, shift);
        });
        connect(this, &StyledButton::KeyPress, this,
                [this](short &ascii) { events << QStringLiteral("KeyPress(%1)").arg(ascii); });
    }

    // Events without their MouseMove entries, whose number depends on how the pointer moved.
    QStringList eventsWithoutMoves() const
    {
        QStringList result;
        for (const QString &e : events) {
            if (!e.startsWith(QLatin1String("MouseMove")))
                result << e;
        }
        return result;
    }

    void clearLogs()
    {
        events.clear();
        redraws.clear();
    }

    QStringList events;
    QList<RedrawCall> redraws;
    // Handlers a test can set to act inside MouseDown, KeyDown and KeyUp, or change their
    // arguments.
    std::function<void(short &, short &, float &, float &)> onMouseDown;
    std::function<void(short &, short &)> onKeyDown;
    std::function<void(short &, short &)> onKeyUp;

protected:
    bool Redraw(quint8 state, bool force) override
    {
        const bool drew = StyledButton::Redraw(state, force);
        redraws.append({state, force, drew});
        return drew;
    }

private:
    // Mouse events are logged with their button and shift codes; the position only when it
    // is the origin, which the second press of a double click reports.
    static QString mouseText(const char *name, short b, short s, float x, float y)
    {
        QString text = QStringLiteral("%1(%2,%3)").arg(QLatin1String(name)).arg(b).arg(s);
        if (x == 0.0f && y == 0.0f)
            text += QStringLiteral("@0,0");
        return text;
    }
};

} // namespace Tavo::Testing
