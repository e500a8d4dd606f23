#include "core/no_display_guard.h"

#include <QByteArrayView>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace Tavo {

namespace {

QtMessageHandler previousHandler = nullptr;

void guardHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fputs(NoDisplayGuard::message(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    // What Qt says about its platform plugins while it looks for a screen is for developers.
    if (context.category && QByteArrayView(context.category).startsWith("qt.qpa"))
        return;
    if (previousHandler)
        previousHandler(type, context, text);
}

} // namespace

NoDisplayGuard::NoDisplayGuard() : m_previous(qInstallMessageHandler(guardHandler))
{
    previousHandler = m_previous;
}

NoDisplayGuard::~NoDisplayGuard()
{
    qInstallMessageHandler(m_previous);
}

const char *NoDisplayGuard::message()
{
    return "Tavo: nessuno schermo disponibile. Per stampare senza finestre usare "
           "--pdf FILE oppure --stampante NOME (Tavo --help).\n";
}

} // namespace Tavo
