#pragma once

#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

// A private X server (Xvfb) with a window manager (openbox), for driving the real program from
// outside as a person would: xdotool types, presses keys and clicks; window titles and geometry
// are read back from X. The window manager gives new windows the focus, as on a desktop.
class XSession
{
public:
    XSession();
    ~XSession();

    bool start(QString *error);
    QString display() const { return m_display; }
    // Environment for programs that must show their windows on this server.
    QProcessEnvironment environment() const;

    // Runs xdotool with the arguments; its standard output, trimmed.
    QString xdotool(const QStringList &arguments, bool *ok = nullptr) const;
    // Window ids whose title matches the regular expression exactly, visible ones only.
    QStringList windowsNamed(const QString &title) const;
    // Title of the window that has the input focus.
    QString focusedWindowTitle() const;
    // Position and size of a window on the screen.
    QRect geometry(const QString &windowId) const;

    void type(const QString &text) const;
    // Presses the keys named, separated by blanks ("Tab Tab space").
    void key(const QString &keys) const;
    // Clicks at (x, y) relative to the window's top-left corner.
    void click(const QString &windowId, int x, int y) const;

    // Saves the screen as PNG (for a person who wants to see what the test saw).
    bool screenshot(const QString &path) const;

private:
    bool startWindowManager(QString *error);

    QString m_display;
    QProcess m_server;
    QProcess m_windowManager;
};
