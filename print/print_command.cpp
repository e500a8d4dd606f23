#include "print/print_command.h"

namespace Tavo {

InputCheck checkPrintInput(const PrintInput &)
{
    return {};
}

PrintOutcome printBooklet(const PrintInput &, const Settings &, const RememberedValues &,
                          const QString &, const PrintTarget &, QWidget *)
{
    return {PrintOutcome::Status::Failed, QStringLiteral("Stampa non ancora disponibile"), {}};
}

} // namespace Tavo
