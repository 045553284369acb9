#include "platform/core/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// The longest name a folder entry can have, in the bytes the file system sees.
bool FitsAFileName(const QString &name) {
    return QFile::encodeName(name).size() <= NAME_MAX;
}

} // namespace

bool FileExists(const QString &path) {
    return QFileInfo(path).isFile();
}

std::optional<QByteArray> ReadSmallFile(const QString &path, qint64 maxBytes) {
    // Non-blocking, so that a named pipe with no writer cannot hold us here.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat status {};
    std::optional<QByteArray> contents;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= maxBytes) {
        // The size is only a promise: the file may grow while we read it.
        constexpr qint64 Chunk = 64 * 1024;
        QByteArray bytes;
        bytes.reserve(status.st_size + 1);
        char buffer[Chunk];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0 || bytes.size() + n > maxBytes) {
                if (n == 0) contents = std::move(bytes);
                break;
            }
            bytes.append(buffer, n);
        }
    }
    ::close(fd);
    return contents;
}

QStringList ListFiles(const QString &folder, const QString &pattern) {
    const QDir dir(folder);
    QStringList names = dir.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System,
                                      QDir::Name | QDir::IgnoreCase);
    names.removeIf([&](const QString &name) { return !FileExists(dir.filePath(name)); });
    return names;
}

QString FindFile(const QString &folder, const QString &name) {
    const bool plainName = !name.isEmpty() && name != u"." && name != u".." &&
                           !name.contains(u'/') && !name.contains(u'\\') && FitsAFileName(name);
    if (!plainName) return {};
    const QDir dir(folder);
    if (FileExists(dir.filePath(name))) return dir.filePath(name);
    for (const QString &candidate : ListFiles(folder, QStringLiteral("*"))) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(candidate);
    }
    return {};
}

} // namespace platform
