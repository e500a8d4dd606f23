#include "core/platform.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

#include <unistd.h>

namespace Tavo::Platform {

QList<QByteArray> arguments(int argc, char *argv[])
{
    QList<QByteArray> result;
    for (int i = 1; i < argc; ++i)
        result << QByteArray(argv[i]);
    return result;
}

void markRunning()
{
    // Only the Windows installer looks for a running program.
}

void prepareHeadlessRun()
{
    // Printing without windows must work where no display is available.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The calling program reads our standard error: services and scheduled jobs have no runtime
    // folder, and Qt would note that there. A private one, removed at exit, keeps it clean.
    static std::optional<QTemporaryDir> runtimeFolder;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        runtimeFolder.emplace();
        if (runtimeFolder->isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder->path()));
    }
}

bool syncToDisk(int handle)
{
    return ::fsync(handle) == 0;
}

void write(Stream stream, const QString &text)
{
    std::FILE *file = stream == Stream::Error ? stderr : stdout;
    std::fputs(text.toLocal8Bit().constData(), file);
    std::fflush(file);
}

} // namespace Tavo::Platform
