#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A private X server (Xvfb) with a window manager (openbox), for driving the real program from
// outside as a person would: xdotool types, presses keys and clicks; window titles are read
// back from X. The window manager gives new windows the focus, as on a desktop.
class XSession
{
public:
    ~XSession();

    bool start(QString *error);
    // Environment for programs that must show their windows on this server.
    QProcessEnvironment environment() const;

    // Runs xdotool with the arguments; its standard output, trimmed.
    QString xdotool(const QStringList &arguments) const;
    // Ids of the visible windows with exactly this title.
    QStringList windowsNamed(const QString &title) const;
    QString focusedWindowTitle() const;

    void type(const QString &text) const;
    // Presses the keys named, separated by blanks ("Tab Tab space").
    void key(const QString &keys) const;
    // Clicks at (x, y) relative to the window's top-left corner.
    void click(const QString &windowId, int x, int y) const;

private:
    // Runs a program on this display until it succeeds, for at most timeoutMs.
    bool waitFor(const QString &program, const QStringList &arguments, const QByteArray &output,
                 int timeoutMs) const;

    QString m_display;
    QProcess m_server;
    QProcess m_windowManager;
};
