#include "app/main_window.h"
#include "core/command_line.h"
#include "core/italian_translations.h"
#include "core/no_display_guard.h"
#include "print/headless_print.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

int main(int argc, char *argv[])
{
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    const Tavo::CommandLine commandLine = Tavo::CommandLine::parse(arguments);
    if (!commandLine.error.isEmpty()) {
        std::fprintf(stderr, "Tavo: %s\n", commandLine.error.toLocal8Bit().constData());
        return 1;
    }
    if (commandLine.help) {
        std::fputs(Tavo::CommandLine::usage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    // Printing without windows must work where no display is available.
    if (commandLine.isHeadless() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The calling program reads our standard error: services and scheduled jobs have no runtime
    // folder, and Qt would note that there. A private one for the run keeps the output clean.
    std::optional<QTemporaryDir> runtimeFolder;
    if (commandLine.isHeadless() && qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        runtimeFolder.emplace();
        if (runtimeFolder->isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder->path()));
    }

    // Printing without windows needs no widgets: the lighter QGuiApplication starts faster.
    if (commandLine.isHeadless()) {
        QGuiApplication app(argc, argv);
        QGuiApplication::setApplicationName(QStringLiteral("Tavo"));
        Tavo::loadItalianTranslations();
        return Tavo::runHeadlessPrint(commandLine, QCoreApplication::applicationDirPath());
    }

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
