#include "app/main_window.h"
#include "core/command_line.h"
#include "core/italian_translations.h"
#include "core/no_display_guard.h"
#include "core/platform.h"
#include "print/headless_print.h"

#include <QApplication>

#include <optional>

int main(int argc, char *argv[])
{
    using Tavo::Platform::Stream;
    const Tavo::CommandLine commandLine =
        Tavo::CommandLine::parse(Tavo::Platform::arguments(argc, argv));
    if (!commandLine.error.isEmpty()) {
        Tavo::Platform::write(Stream::Error, QStringLiteral("Tavo: %1\n").arg(commandLine.error));
        return 1;
    }
    if (commandLine.help) {
        Tavo::Platform::write(Stream::Output, Tavo::CommandLine::usage());
        return 0;
    }

    // Printing without windows needs no widgets: the lighter QGuiApplication starts faster.
    if (commandLine.isHeadless()) {
        Tavo::Platform::prepareHeadlessRun();
        QGuiApplication app(argc, argv);
        QGuiApplication::setApplicationName(QStringLiteral("Tavo"));
        Tavo::loadItalianTranslations();
        return Tavo::runHeadlessPrint(commandLine, QCoreApplication::applicationDirPath());
    }

    Tavo::Platform::markRunning();
    std::optional<Tavo::NoDisplayGuard> noDisplay(std::in_place);
    QApplication app(argc, argv);
    noDisplay.reset();
    QApplication::setApplicationName(QStringLiteral("Tavo"));
    Tavo::loadItalianTranslations();
    Tavo::Form1 window(QCoreApplication::applicationDirPath(), commandLine.argumentString);
    window.show();
    const int status = app.exec();
    return status != 0 ? status : window.exitStatus();
}
