#include "platform/core/Files.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

bool FileExists(const QString &path) {
    return QFileInfo(path).isFile();
}

QStringList ListFiles(const QString &folder, const QString &pattern) {
    return QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden,
                                  QDir::Name | QDir::IgnoreCase);
}

QString FindFile(const QString &folder, const QString &name) {
    const bool plainName = !name.isEmpty() && name != u"." && name != u".." &&
                           !name.contains(u'/') && !name.contains(u'\\');
    if (!plainName) return {};
    const QDir dir(folder);
    if (FileExists(dir.filePath(name))) return dir.filePath(name);
    for (const QString &candidate : ListFiles(folder, QStringLiteral("*"))) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(candidate);
    }
    return {};
}

} // namespace platform
