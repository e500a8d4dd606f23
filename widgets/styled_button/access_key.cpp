#include "widgets/styled_button/access_key.h"

namespace Tavo::AccessKey {

QChar of(const QString &caption)
{
    if (caption.size() <= 1)
        return {};
    const qsizetype first = caption.indexOf(u'&');
    if (first < 0 || first == caption.size() - 1)
        return {};
    if (caption.at(first + 1) != u'&')
        return caption.at(first + 1).toLower();
    const qsizetype next = caption.indexOf(u'&', first + 2);
    if (next < 0 || next == caption.size() - 1 || caption.at(next + 1) == u'&')
        return {};
    return caption.at(next + 1).toLower();
}

QString plainText(const QString &caption)
{
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size())
            ++i; // "&x" reads x, "&&" reads &
        else if (caption.at(i) == u'&')
            continue; // a trailing marker reads nothing
        text += caption.at(i);
    }
    return text;
}

} // namespace Tavo::AccessKey
