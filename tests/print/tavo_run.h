#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>

// Runs a copy of the real Tavo program in a folder of its own: the program keeps Tavo.cfg and
// Tavo.txt beside its executable, so each test gets a fresh folder.
namespace TavoRun {

struct Result
{
    int exitCode = -1;
    QString standardError;
    bool finished = false;
};

// Copies the built executable into folder; false when that fails.
inline bool install(const QString &folder)
{
    const QString target = QDir(folder).filePath(QStringLiteral("Tavo"));
    return QFile::copy(QStringLiteral(TAVO_EXECUTABLE), target) &&
           QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Runs folder/Tavo with the arguments, without any display server; as another user when
// asUser is set (the caller must be root).
inline Result run(const QString &folder, const QStringList &arguments, int timeoutMs = 120000,
                  const QString &asUser = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    const QString program = QDir(folder).filePath(QStringLiteral("Tavo"));
    if (asUser.isEmpty())
        process.start(program, arguments);
    else
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), asUser, QStringLiteral("--"), program} +
                          arguments);
    Result result;
    result.finished =
        process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit;
    if (!result.finished)
        process.kill();
    result.exitCode = process.exitCode();
    result.standardError = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

// Writes folder/Tavo.cfg (CR LF lines, ASCII).
inline bool writeSettings(const QString &folder, const QStringList &lines)
{
    QFile file(QDir(folder).filePath(QStringLiteral("Tavo.cfg")));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QString &line : lines)
        file.write(line.toLatin1() + "\r\n");
    return true;
}

} // namespace TavoRun
