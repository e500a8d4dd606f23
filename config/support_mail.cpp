#include "config/support_mail.h"

namespace Tavo {

QUrl supportMailUrl()
{
    return QUrl(QStringLiteral("mailto:") + kSupportAddress + QStringLiteral("?subject=Info Tavo"));
}

} // namespace Tavo
