// The file system as the program sees it:
// - FileExists(path): a file (not a folder) is there
// - ListFiles(folder, pattern): names of the files in the folder that match a
//   wildcard pattern such as "*.lng", letter case ignored, sorted by name
// - FindFile(folder, name): the path of the file of that name in the folder,
//   letter case ignored (an exact match wins), or an empty string; the
//   program's files were named on a file system that ignores letter case.
//   A name with a path in it finds nothing: only files in the folder count
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

bool FileExists(const QString &path);
QStringList ListFiles(const QString &folder, const QString &pattern);
QString FindFile(const QString &folder, const QString &name);

} // namespace platform
