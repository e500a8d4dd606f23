#include "x_session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

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

bool XSession::waitFor(const QString &program, const QStringList &arguments,
                       const QByteArray &output, int timeoutMs) const
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        QProcess probe;
        probe.setProcessEnvironment(environment());
        probe.start(program, arguments);
        if (probe.waitForFinished(5000) && probe.exitCode() == 0 &&
            probe.readAllStandardOutput().contains(output))
            return true;
        QThread::msleep(100);
    }
    return false;
}

bool XSession::start(QString *error)
{
    // A display number nobody uses: Xvfb refuses one whose lock file exists.
    int n = 90 + int(QCoreApplication::applicationPid() % 50);
    while (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
        ++n;
    m_display = QStringLiteral(":%1").arg(n);
    m_server.start(QStringLiteral("Xvfb"), {m_display, QStringLiteral("-screen"),
                                            QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                                            QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!waitFor(QStringLiteral("xdpyinfo"), {}, {}, 10000)) {
        *error = QStringLiteral("Xvfb did not start on ") + m_display;
        return false;
    }
    // On a busy machine openbox may take a while, and now and then it gives up at start: it
    // gets a second chance. It is ready once it has announced itself on the root window.
    for (int attempt = 0; attempt < 2; ++attempt) {
        stop(m_windowManager);
        m_windowManager.setProcessEnvironment(environment());
        m_windowManager.setStandardOutputFile(QProcess::nullDevice());
        m_windowManager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        if (waitFor(QStringLiteral("xprop"),
                    {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")},
                    "window id", 30000))
            return true;
    }
    *error = QStringLiteral("openbox did not take over the display");
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

QString XSession::xdotool(const QStringList &arguments) const
{
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(QStringLiteral("xdotool"), arguments);
    p.waitForFinished(10000);
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

void XSession::type(const QString &text) const
{
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text});
}

void XSession::key(const QString &keys) const
{
    xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("60")} +
            keys.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

void XSession::click(const QString &windowId, int x, int y) const
{
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), windowId, QString::number(x),
             QString::number(y), QStringLiteral("click"), QStringLiteral("1")});
}
