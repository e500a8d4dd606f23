#include "print/headless_print.h"

#include "core/platform.h"
#include "core/remembered_values.h"
#include "core/settings.h"
#include "print/print_command.h"
#include "print/print_warnings.h"

#include <QPrinterInfo>

namespace Tavo {

namespace {
void printError(const QString &message)
{
    Platform::write(Platform::Stream::Error, message + u'\n');
}
} // namespace

int runHeadlessPrint(const CommandLine &commandLine, const QString &folder)
{
    // Without a "§" there is no learner: the empty number fails the checks like an empty field.
    const CommandLine::Learner learner = commandLine.learner().value_or(CommandLine::Learner{});
    const RememberedValues remembered = RememberedValues::read(folder);
    const PrintInput input{learner.aut, learner.nome, commandLine.targa.value_or(remembered.targa),
                           commandLine.istruttore.value_or(remembered.istruttore)};
    if (const InputCheck check = checkPrintInput(input); !check.ok()) {
        printError(check.message);
        return 2;
    }

    PrintTarget target;
    if (commandLine.pdfFile) {
        target = {PrintTarget::Kind::Pdf, *commandLine.pdfFile};
    } else if (commandLine.printerName) {
        target = {PrintTarget::Kind::Printer, *commandLine.printerName};
        if (!QPrinterInfo::availablePrinterNames().contains(target.name)) {
            printError(QStringLiteral("Stampante sconosciuta: %1").arg(target.name));
            return 1;
        }
    } else {
        printError(QStringLiteral("Indicare --pdf FILE oppure --stampante NOME"));
        return 1;
    }

    SettingsStore settings(folder);
    settings.LeggiConfigurazione();
    // Nobody can answer a warning here: it is told, and the booklet prints.
    for (const PrintWarning &warning : findPrintWarnings(input, settings.settings()))
        printError(QStringLiteral("Attenzione: ") + warning.message);
    const PrintOutcome outcome =
        printBooklet(input, settings.settings(), remembered, folder, target, nullptr);
    switch (outcome.status) {
    case PrintOutcome::Status::Printed:
        return 0;
    case PrintOutcome::Status::PrintedNotRemembered:
        printError(outcome.error);
        return 3;
    case PrintOutcome::Status::Cancelled:
    case PrintOutcome::Status::Failed:
        break;
    }
    printError(outcome.error);
    return 1;
}

} // namespace Tavo
