#include "core/stale_temporaries.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace Tavo {

namespace {

bool isLetterOrDigit(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
}

} // namespace

void removeStaleTemporaries(const QString &folder, const QString &prefix, const QString &suffix)
{
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-60);
    // Names are compared, not matched as patterns: a target's name may hold "[" or "*".
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &file : files) {
        const QString name = file.fileName();
        if (name.size() != prefix.size() + 6 + suffix.size() || !name.startsWith(prefix) ||
            !name.endsWith(suffix))
            continue;
        const QStringView middle = QStringView(name).sliced(prefix.size(), 6);
        if (std::all_of(middle.begin(), middle.end(), isLetterOrDigit) &&
            file.lastModified().toUTC() < staleBefore)
            QFile::remove(file.filePath());
    }
}

} // namespace Tavo
