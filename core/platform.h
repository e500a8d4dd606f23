#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Where Windows and the POSIX systems differ, in one place: the build compiles either
// platform_windows.cpp or platform_posix.cpp.
namespace Tavo::Platform {

// The program's arguments after its name, as CommandLine::parse() reads them. On Windows they
// come from the wide command line as UTF-8, so "§" arrives whatever the code page.
QList<QByteArray> arguments(int argc, char *argv[]);

// Marks the windowed program as running for as long as its process lives, so that the
// installer and the uninstaller can ask the user to close it before they replace its files.
// On Windows a named mutex; nothing elsewhere.
void markRunning();

// Readies a run that prints without windows; call it before the application object exists.
void prepareHeadlessRun();

enum class Stream
{
    Output,
    Error
};

// Makes the data written to the open file of this handle (QFileDevice::handle()) reach the disk,
// so that a file replaced by it survives a power cut. Returns false when that failed.
bool syncToDisk(int handle);

// Writes text ("\n" ends a line) to the caller's standard output or standard error. A Windows
// program without a console of its own writes to the console it was started from, if any.
void write(Stream stream, const QString &text);

} // namespace Tavo::Platform
