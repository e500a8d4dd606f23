#include "core/italian_translations.h"

#include "core/missing_qt_translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace Tavo {

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

} // namespace Tavo
