#include "core/no_display_guard.h"

#include "core/platform.h"

#include <QByteArrayView>
#include <QString>

#include <cstdlib>

namespace Tavo {

namespace {

QtMessageHandler previousHandler = nullptr;

void guardHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        Platform::write(Platform::Stream::Error, QString::fromUtf8(NoDisplayGuard::message()));
        std::_Exit(1);
    }
    // What Qt says about its platform plugins while it looks for a screen is for developers.
    if (context.category && QByteArrayView(context.category).startsWith("qt.qpa"))
        return;
    if (previousHandler)
        previousHandler(type, context, text);
}

} // namespace

NoDisplayGuard::NoDisplayGuard()
{
    previousHandler = qInstallMessageHandler(guardHandler);
}

NoDisplayGuard::~NoDisplayGuard()
{
    qInstallMessageHandler(previousHandler);
}

const char *NoDisplayGuard::message()
{
    return "Tavo: nessuno schermo disponibile. Per stampare senza finestre usare "
           "--pdf FILE oppure --stampante NOME (Tavo --help).\n";
}

} // namespace Tavo
