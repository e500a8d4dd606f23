#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

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
bool install(const QString &folder);

// Runs folder/Tavo with the arguments; the environment has no display at all.
Result run(const QString &folder, const QStringList &arguments,
           const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

// Writes folder/Tavo.cfg (CR LF lines, ASCII).
bool writeSettings(const QString &folder, const QStringList &lines);

} // namespace TavoRun
