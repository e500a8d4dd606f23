#pragma once

#include <QDir>
#include <QProcess>

// Runs a copy of the real Tavo program in a folder of its own: the program keeps Tavo.cfg and
// Tavo.txt beside its executable, so each test gets a fresh folder.
namespace TavoRun {

struct Result
{
    bool finished = false;
    int exitCode = -1;
    QString standardError;
};

inline bool install(const QString &folder)
{
    return QFile::copy(QStringLiteral(TAVO_EXECUTABLE), QDir(folder).filePath(u"Tavo"_s));
}

// Runs folder/Tavo with the arguments and no display server; as the user asUser when set
// (the caller must be root).
inline Result run(const QString &folder, const QStringList &arguments, int timeoutMs = 120000,
                  const QString &asUser = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    const QString program = QDir(folder).filePath(u"Tavo"_s);
    if (asUser.isEmpty())
        process.start(program, arguments);
    else
        process.start(u"runuser"_s, QStringList{u"-u"_s, asUser, u"--"_s, program} + arguments);
    Result result;
    result.finished =
        process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit;
    process.kill();
    result.exitCode = process.exitCode();
    result.standardError = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

// Writes folder/Tavo.cfg: the lines, "|" between them, each ended by CR LF.
inline bool writeSettings(const QString &folder, const QString &lines)
{
    return writeRaw(QDir(folder).filePath(u"Tavo.cfg"_s),
                    lines.toLatin1().replace('|', "\r\n") + "\r\n");
}

} // namespace TavoRun
