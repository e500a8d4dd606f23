#include "print/print_command.h"

#include "core/numeric_value.h"
#include "core/province_table.h"
#include "core/windows1252.h"

namespace Tavo {

namespace {
// The first character of the text that Windows-1252 has no byte for, empty when there is none.
QString firstUnsavable(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (Windows1252::canEncode(text[i]))
            continue;
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        return text.mid(i, pair ? 2 : 1).toString();
    }
    return {};
}

InputCheck failed(InputCheck::Field field, const QString &message)
{
    InputCheck check;
    check.field = field;
    check.message = message;
    return check;
}
} // namespace

InputCheck checkPrintInput(const PrintInput &input)
{
    const QString wrongNumber = QStringLiteral("Numero autorizzazione errato");
    // Two digits, the province code, six digits; the parts are read from the text as typed.
    const QStringView aut = input.aut;
    if (trimBlanks(aut).size() != 10)
        return failed(InputCheck::Field::Aut, wrongNumber);
    if (!isNumericText(aut.mid(0, 2)) || !isNumericText(aut.mid(4, 6)))
        return failed(InputCheck::Field::Aut, wrongNumber);
    if (NomeProvincia(aut.mid(2, 2)).isEmpty())
        return failed(InputCheck::Field::Aut, wrongNumber);
    if (trimBlanks(input.nome).isEmpty())
        return failed(InputCheck::Field::Nome, QStringLiteral("Nome allievo non presente"));
    // Plate and instructor are kept in Tavo.txt after the print: one that could not be saved
    // is refused before anything prints.
    if (const QString c = firstUnsavable(input.targa); !c.isEmpty())
        return failed(
            InputCheck::Field::Targa,
            QStringLiteral("Targa non valida: il carattere \"%1\" non si può salvare").arg(c));
    if (const QString c = firstUnsavable(input.istruttore); !c.isEmpty())
        return failed(
            InputCheck::Field::Istruttore,
            QStringLiteral("Istruttore non valido: il carattere \"%1\" non si può salvare").arg(c));
    return {};
}

} // namespace Tavo
