#pragma once

#include <QChar>
#include <QString>

// Access keys of button captions: "&" marks the key, "&&" stands for a literal ampersand.
namespace Tavo::AccessKey {

// The access key of a caption, lower-cased, or a null QChar when it has none. The first "&"
// marks the key; when it is a doubled "&&", the next "&" marks it instead, unless that one is
// doubled too (only one "&&" pair is skipped) or ends the caption. So "&Stampa" gives 's',
// "A&&B&C" gives 'c', while "Salva && esci", "A&&B", "Esci&", "&" and "A&&B&&C&D" have none.
QChar of(const QString &caption);

// The caption as it reads: "&" markers removed, "&&" shown as "&".
QString plainText(const QString &caption);

} // namespace Tavo::AccessKey
