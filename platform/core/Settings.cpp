#include "platform/core/Settings.h"

#include "platform/core/Program.h"

#include <QSettings>
#include <QStandardPaths>

namespace platform {

namespace {

QString &FileOverride() {
    static QString path;
    return path;
}

QString Path(const QString &section, const QString &key) {
    return section + u'/' + key;
}

} // namespace

QString SettingsFile() {
    if (!FileOverride().isEmpty()) return FileOverride();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           ProgramTitle() + u'/' + ProgramTitle() + QStringLiteral(".conf");
}

void SetSettingsFile(const QString &path) {
    FileOverride() = path;
}

QString ReadSetting(const QString &section, const QString &key, const QString &defaultValue) {
    const QSettings store(SettingsFile(), QSettings::IniFormat);
    return store.value(Path(section, key), defaultValue).toString();
}

void WriteSetting(const QString &section, const QString &key, const QString &value) {
    QSettings store(SettingsFile(), QSettings::IniFormat);
    store.setAtomicSyncRequired(true);
    store.setValue(Path(section, key), value);
    store.sync();
}

} // namespace platform
