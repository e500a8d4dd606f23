#include "core/remembered_values.h"

#include <QDir>

namespace Tavo {

namespace {
QString filePath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("Tavo.txt"));
}
} // namespace

RememberedValues RememberedValues::read(const QString &folder)
{
    RememberedValues values;
    const QStringList lines = TextLines::readFile(filePath(folder), 3).value_or(QStringList());
    QString *fields[] = {&values.targa, &values.istruttore, &values.stampante};
    for (qsizetype i = 0; i < lines.size(); ++i)
        *fields[i] = lines[i];
    return values;
}

TextLines::WriteResult RememberedValues::write(const QString &folder,
                                               const RememberedValues &values)
{
    return TextLines::writeFile(filePath(folder),
                                {values.targa, values.istruttore, values.stampante});
}

} // namespace Tavo
