#include "core/platform.h"

#include <windows.h>

#include <io.h>
#include <shellapi.h>

namespace Tavo::Platform {

QList<QByteArray> arguments(int argc, char *argv[])
{
    QList<QByteArray> result;
    int count = 0;
    if (LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i)
            result << QString::fromWCharArray(wide[i]).toUtf8();
        LocalFree(wide);
        return result;
    }
    // The ANSI arguments: CommandLine::parse() reads their "§" as Windows-1252.
    for (int i = 1; i < argc; ++i)
        result << QByteArray(argv[i]);
    return result;
}

void markRunning()
{
    // The installer (installer.nsi) looks for this name. The handle stays open on purpose:
    // Windows releases the mutex when the process ends, however it ends.
    CreateMutexW(nullptr, FALSE, L"Tavo.InEsecuzione");
}

void prepareHeadlessRun()
{
    // Windows always has a desktop to create the application on, shown or not.
}

bool syncToDisk(int handle)
{
    const auto file = reinterpret_cast<HANDLE>(_get_osfhandle(handle));
    return file != INVALID_HANDLE_VALUE && FlushFileBuffers(file);
}

namespace {

// Tavo is a windowed program: Windows gives it standard handles only when the caller redirects
// them. Otherwise its messages go to the console of the caller, when there is one.
HANDLE callerHandle(Stream stream)
{
    HANDLE handle = GetStdHandle(stream == Stream::Error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE)
        return handle;
    static const HANDLE console = [] {
        if (!AttachConsole(ATTACH_PARENT_PROCESS))
            return INVALID_HANDLE_VALUE;
        return CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    }();
    return console;
}

} // namespace

void write(Stream stream, const QString &text)
{
    const HANDLE handle = callerHandle(stream);
    if (handle == INVALID_HANDLE_VALUE)
        return;
    QString lines = text;
    lines.replace(u'\n', QStringLiteral("\r\n"));
    DWORD written = 0;
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        WriteConsoleW(handle, lines.utf16(), DWORD(lines.size()), &written, nullptr);
        return;
    }
    // A file or a pipe gets the ANSI code page, as other Windows programs write them.
    const QByteArray bytes = lines.toLocal8Bit();
    WriteFile(handle, bytes.constData(), DWORD(bytes.size()), &written, nullptr);
}

} // namespace Tavo::Platform
