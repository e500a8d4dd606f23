#include "tavo_run.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace TavoRun {

bool install(const QString &folder)
{
    const QString target = QDir(folder).filePath(QStringLiteral("Tavo"));
    return QFile::copy(QStringLiteral(TAVO_EXECUTABLE), target) &&
           QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

Result run(const QString &folder, const QStringList &arguments,
           const QProcessEnvironment &environment)
{
    QProcessEnvironment env = environment;
    // No display server: the program must not need one.
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));

    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(QDir(folder).filePath(QStringLiteral("Tavo")), arguments);
    Result result;
    result.finished =
        process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.standardError = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

bool writeSettings(const QString &folder, const QStringList &lines)
{
    QFile file(QDir(folder).filePath(QStringLiteral("Tavo.cfg")));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QString &line : lines)
        file.write(line.toLatin1() + "\r\n");
    return true;
}

} // namespace TavoRun
