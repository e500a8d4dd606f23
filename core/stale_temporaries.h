#pragma once

#include <QString>

namespace Tavo {

// A run killed while saving leaves its temporary file beside the target. Removes the files of
// `folder` named `prefix`, six letters or digits, then `suffix`, that have not changed for a
// minute: no save in progress writes to those.
void removeStaleTemporaries(const QString &folder, const QString &prefix,
                            const QString &suffix = {});

} // namespace Tavo
