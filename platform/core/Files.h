// The file system as the program sees it:
// - FileExists(path): a regular file is there, links followed (a folder, a
//   device or a named pipe is not a file the program can read)
// - ReadSmallFile(path, maxBytes): the whole contents of a regular file of at
//   most maxBytes bytes, links followed; nothing for anything else. Opening
//   never waits (a named pipe is refused, not read), and nothing beyond
//   maxBytes + 1 bytes is ever read, whatever the file claims or grows to.
// - ListFiles(folder, pattern): names of the regular files in the folder that
//   match a wildcard pattern such as "*.lng", letter case ignored, sorted by name
// - FindFile(folder, name): the path of the regular file of that name in the
//   folder, letter case ignored (an exact match wins), or an empty string; the
//   program's files were named on a file system that ignores letter case.
//   A name with a path in it finds nothing: only files in the folder count,
//   and neither does a name longer than a file name can be
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

bool FileExists(const QString &path);
std::optional<QByteArray> ReadSmallFile(const QString &path, qint64 maxBytes);
QStringList ListFiles(const QString &folder, const QString &pattern);
QString FindFile(const QString &folder, const QString &name);

} // namespace platform
