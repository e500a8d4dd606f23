#include "x_session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

XSession::XSession() = default;

namespace {
void stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000))
        process.kill();
    process.waitForFinished(1000);
}
} // namespace

XSession::~XSession()
{
    stop(m_windowManager);
    stop(m_server);
}

bool XSession::start(QString *error)
{
    // A display number nobody uses: Xvfb refuses one whose lock file exists.
    for (int n = 90 + int(QCoreApplication::applicationPid() % 50); n < 200; ++n) {
        if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            continue;
        m_display = QStringLiteral(":%1").arg(n);
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(QStringLiteral("Xvfb"),
                       {m_display, QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
        if (!m_server.waitForStarted(5000)) {
            *error = QStringLiteral("Xvfb cannot start: ") + m_server.errorString();
            return false;
        }
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 10000 && m_server.state() == QProcess::Running) {
            QProcess probe;
            probe.setProcessEnvironment(environment());
            probe.start(QStringLiteral("xdpyinfo"), {});
            if (probe.waitForFinished(3000) && probe.exitCode() == 0)
                return startWindowManager(error);
            QThread::msleep(100);
        }
        m_server.kill();
        m_server.waitForFinished(1000);
    }
    *error = QStringLiteral("no free X display for Xvfb");
    return false;
}

bool XSession::startWindowManager(QString *error)
{
    // On a busy machine openbox may take a while, and now and then it gives up at start:
    // it gets a second chance before the journeys are given up.
    for (int attempt = 0; attempt < 2; ++attempt) {
        stop(m_windowManager);
        m_windowManager.setProcessEnvironment(environment());
        m_windowManager.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_windowManager.setStandardOutputFile(QProcess::nullDevice());
        m_windowManager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        if (!m_windowManager.waitForStarted(5000)) {
            *error = QStringLiteral("openbox cannot start: ") + m_windowManager.errorString();
            return false;
        }
        // The window manager is ready once it has announced itself on the root window.
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 30000 && m_windowManager.state() == QProcess::Running) {
            QProcess probe;
            probe.setProcessEnvironment(environment());
            probe.start(QStringLiteral("xprop"),
                        {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
            if (probe.waitForFinished(5000) && probe.readAllStandardOutput().contains("window id"))
                return true;
            QThread::msleep(100);
        }
        *error = m_windowManager.state() == QProcess::Running
                     ? QStringLiteral("openbox did not take over the display")
                     : QStringLiteral("openbox ended at start (status %1)")
                           .arg(m_windowManager.exitCode());
    }
    return false;
}

QProcessEnvironment XSession::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}

QString XSession::xdotool(const QStringList &arguments, bool *ok) const
{
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(QStringLiteral("xdotool"), arguments);
    const bool finished = p.waitForFinished(10000);
    if (ok)
        *ok = finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QStringList XSession::windowsNamed(const QString &title) const
{
    const QString out = xdotool(
        {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
         QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$')});
    return out.isEmpty() ? QStringList() : out.split(QLatin1Char('\n'));
}

QString XSession::focusedWindowTitle() const
{
    const QString id = xdotool({QStringLiteral("getwindowfocus"), QStringLiteral("-f")});
    return id.isEmpty() ? QString() : xdotool({QStringLiteral("getwindowname"), id});
}

QRect XSession::geometry(const QString &windowId) const
{
    const QString out =
        xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), windowId});
    QRect r;
    for (const QString &line : out.split(QLatin1Char('\n'))) {
        const auto kv = line.split(QLatin1Char('='));
        if (kv.size() != 2)
            continue;
        const int v = kv[1].toInt();
        if (kv[0] == QLatin1String("X"))
            r.moveLeft(v);
        else if (kv[0] == QLatin1String("Y"))
            r.moveTop(v);
        else if (kv[0] == QLatin1String("WIDTH"))
            r.setWidth(v);
        else if (kv[0] == QLatin1String("HEIGHT"))
            r.setHeight(v);
    }
    return r;
}

void XSession::type(const QString &text) const
{
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text});
}

void XSession::key(const QString &keys) const
{
    // One key name per argument: "Tab Tab space" is three presses.
    xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("60")} +
            keys.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

void XSession::click(const QString &windowId, int x, int y) const
{
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), windowId, QString::number(x),
             QString::number(y), QStringLiteral("click"), QStringLiteral("1")});
}

bool XSession::screenshot(const QString &path) const
{
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path});
    return p.waitForFinished(15000) && p.exitCode() == 0;
}
