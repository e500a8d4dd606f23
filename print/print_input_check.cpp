#include "print/print_command.h"

#include "core/numeric_value.h"
#include "core/province_table.h"

namespace Tavo {

namespace {
// Removes leading and trailing blanks only: a TAB or other white space stays part of the text.
QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
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
    return {};
}

} // namespace Tavo
