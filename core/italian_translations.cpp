#include "core/italian_translations.h"

#include "core/missing_qt_translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace Tavo {

namespace {

struct SystemError
{
    std::errc code;
    const char *english; // as the GNU C library words it
    const char *italian;
};

// The errors a file can meet, each with what went wrong for the operator.
const SystemError kSystemErrors[] = {
    {std::errc::permission_denied, "Permission denied", "permesso negato"},
    {std::errc::operation_not_permitted, "Operation not permitted", "operazione non permessa"},
    {std::errc::no_such_file_or_directory, "No such file or directory",
     "il file o la cartella non esiste"},
    {std::errc::no_space_on_device, "No space left on device", "il disco è pieno"},
    {std::errc::is_a_directory, "Is a directory", "è una cartella"},
    {std::errc::not_a_directory, "Not a directory", "una parte del percorso non è una cartella"},
    {std::errc::filename_too_long, "File name too long", "il nome del file è troppo lungo"},
    {std::errc::read_only_file_system, "Read-only file system", "il disco è di sola lettura"},
    {std::errc::too_many_files_open, "Too many open files", "troppi file aperti"},
    {std::errc::io_error, "Input/output error", "errore di lettura o scrittura sul disco"},
    {std::errc::file_too_large, "File too large", "il file è troppo grande"},
    {std::errc::text_file_busy, "Text file busy", "il file è in uso"},
    {std::errc::device_or_resource_busy, "Device or resource busy", "il file è in uso"},
    {std::errc::too_many_symbolic_link_levels, "Too many levels of symbolic links",
     "troppi collegamenti simbolici in fila"},
};

} // namespace

bool loadItalianTranslations()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    auto *translator = new QTranslator(QCoreApplication::instance());
    // Compiled in from the build machine's Qt: a Qt built without translations (the Windows
    // build) has no qtbase_it.qm of its own to load.
    if (!translator->load(QStringLiteral(":/translations/qtbase_it.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator) &&
           QCoreApplication::installTranslator(
               new MissingQtTranslations(QCoreApplication::instance()));
}

QString italianSystemError(const QString &text)
{
    for (const SystemError &known : kSystemErrors) {
        if (text.compare(QLatin1String(known.english), Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(known.italian);
    }
    return text;
}

QString italianSystemError(std::error_code error)
{
    for (const SystemError &known : kSystemErrors) {
        if (error == known.code)
            return QString::fromUtf8(known.italian);
    }
    return QString::fromLocal8Bit(error.message());
}

} // namespace Tavo
