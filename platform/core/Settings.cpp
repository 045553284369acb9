#include "platform/core/Settings.h"

#include "platform/core/Files.h"
#include "platform/core/Program.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Another writer holds the lock for a few milliseconds; a lock older than
// this was left by a writer that died.
constexpr int LockWaitMs = 5000;

QString &FileOverride() {
    static QString path;
    return path;
}

int &Replacements() {
    static int count = 0;
    return count;
}

void Refuse(const QString &path, const char *why) {
    std::fprintf(stderr, "%s: settings not saved: %s %s\n", qPrintable(ProgramTitle()),
                 qPrintable(QDir::toNativeSeparators(path)), why);
}

// The regular file that a write replaces: the path itself, or the target of
// the link at the path. Nothing when the path holds anything else.
std::optional<QString> WritableTarget(const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0) {
        if (errno == ENOENT) return path;
        Refuse(path, "cannot be examined");
        return std::nullopt;
    }
    if (S_ISREG(status.st_mode)) return path;
    if (S_ISLNK(status.st_mode)) {
        if (::stat(name.constData(), &status) == 0 && S_ISREG(status.st_mode))
            return QFileInfo(path).canonicalFilePath();
        Refuse(path, "is a link to something that is not a regular file");
        return std::nullopt;
    }
    Refuse(path, "is not a regular file");
    return std::nullopt;
}

bool WriteAll(int fd, const QByteArray &bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += n;
    }
    return true;
}

void SyncFolder(const QString &folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// A finished copy, synced, renamed over the target: readers see the old file
// or the new one. The copy keeps the old file's permissions.
bool Replace(const QString &target, const QByteArray &bytes) {
    QByteArray temporary = QFile::encodeName(target) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return false;
    struct stat old {};
    if (::stat(QFile::encodeName(target).constData(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.constData(), QFile::encodeName(target)) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    SyncFolder(QFileInfo(target).path());
    ++Replacements();
    return true;
}

SettingsText Read(const QString &path) {
    const std::optional<QByteArray> bytes = ReadSmallFile(path, MaxSettingsBytes);
    return SettingsText::Parse(bytes ? QString::fromUtf8(*bytes) : QString());
}

// mkostemp's six characters, but not a word of six small letters: that is
// more likely a name someone gave a copy ("Orvanta.conf.backup").
bool IsLeftCopy(const QString &fileName, const QString &storeName) {
    static const QRegularExpression suffix(QStringLiteral("^\\.[A-Za-z0-9]{6}$"));
    static const QRegularExpression word(QStringLiteral("^\\.[a-z]{6}$"));
    if (!fileName.startsWith(storeName)) return false;
    const QString rest = fileName.sliced(storeName.size());
    return suffix.match(rest).hasMatch() && !word.match(rest).hasMatch();
}

} // namespace

QString StoredSettings::Value(const QString &section, const QString &key,
                              const QString &defaultValue) const {
    return text_.Value(section, key).value_or(defaultValue);
}

StoredSettings LoadSettings() {
    return StoredSettings(Read(SettingsFile()));
}

QString ReadSetting(const QString &section, const QString &key, const QString &defaultValue) {
    return LoadSettings().Value(section, key, defaultValue);
}

void WriteSettings(const std::vector<SettingValue> &values) {
    const QString path = SettingsFile();
    const std::optional<QString> target = WritableTarget(path);
    if (!target) return;
    if (!QDir().mkpath(QFileInfo(*target).path())) {
        Refuse(path, "has no folder that can be made");
        return;
    }
    QLockFile lock(*target + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs)) {
        Refuse(path, "is locked by another writer");
        return;
    }
    SettingsText text = Read(*target);
    for (const SettingValue &value : values)
        text.Set(value.Section, value.Key, value.Value);
    if (!Replace(*target, text.Format().toUtf8())) Refuse(path, "could not be replaced");
}

void WriteSetting(const QString &section, const QString &key, const QString &value) {
    WriteSettings({{section, key, value}});
}

void CleanSettingsFolder() {
    const QFileInfo path(SettingsFile());
    const QFileInfo store(path.isSymLink() ? path.canonicalFilePath() : path.absoluteFilePath());
    if (store.fileName().isEmpty() || !store.dir().exists()) return;
    // Taking the lock clears a stale one; holding it keeps a live writer's copy safe.
    QLockFile lock(store.filePath() + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs)) return;
    const QDir folder = store.dir();
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        struct stat status {};
        const QByteArray path = QFile::encodeName(folder.filePath(name));
        if (IsLeftCopy(name, store.fileName()) && ::lstat(path.constData(), &status) == 0 &&
            S_ISREG(status.st_mode))
            ::unlink(path.constData());
    }
}

int SettingsFileReplacements() {
    return Replacements();
}

QString SettingsFile() {
    if (!FileOverride().isEmpty()) return FileOverride();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           ProgramTitle() + u'/' + ProgramTitle() + QStringLiteral(".conf");
}

void SetSettingsFile(const QString &path) {
    FileOverride() = path;
}

} // namespace platform
