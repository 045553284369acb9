// The per-user settings store of the program (application name "Orvanta"):
// - StoredSettings: the store as read once; Value(section, key, default) is
//   the stored text, or the default when the key is absent
// - LoadSettings(): reads the store; anything at its path that is not a
//   regular file (links followed), such as a named pipe, or a file over
//   MaxSettingsBytes, reads as an empty store
// - ReadSetting(section, key, default): one value, read from the store
// - WriteSettings(values): creates or replaces the values, all in one
//   replacement of the file: a finished copy written next to it, synced, then
//   renamed over it, so a program killed while writing leaves the old store or
//   the new one, never a torn one. Writers of the store take turns through a
//   lock file. A store that is a link to a regular file is updated at the
//   link's target, the link kept. Nothing is written where the path holds
//   anything else (a link to something other than a regular file, a named
//   pipe, a device): the values are not saved, and one line on standard error
//   says so. WriteSetting(section, key, value) writes one value.
// - CleanSettingsFolder(): removes what a writer killed part-way left behind,
//   its copy (the store's file name followed by "." and six letters or
//   digits) and its lock; start-up calls it before reading
// - SettingsFileReplacements(): how many times this run has replaced the file
// - SettingsFile(): the INI file that holds the store, by default
//   "Orvanta/Orvanta.conf" in the user's configuration folder
//   ($XDG_CONFIG_HOME, else ~/.config); SetSettingsFile(path) moves it, for
//   tests, and an empty path brings back the default.
//
// Sections and keys are written as given and matched with their letter case;
// values read back exactly as written (the file's text: SettingsText.h).
#pragma once

#include "platform/core/SettingsText.h"

#include <QString>
#include <vector>

namespace platform {

constexpr qint64 MaxSettingsBytes = 128 * 1024 * 1024;

struct SettingValue {
    QString Section;
    QString Key;
    QString Value;
};

class StoredSettings {
  public:
    explicit StoredSettings(SettingsText text) : text_(std::move(text)) {}
    QString Value(const QString &section, const QString &key, const QString &defaultValue) const;

  private:
    SettingsText text_;
};

StoredSettings LoadSettings();
QString ReadSetting(const QString &section, const QString &key, const QString &defaultValue);
void WriteSettings(const std::vector<SettingValue> &values);
void WriteSetting(const QString &section, const QString &key, const QString &value);
void CleanSettingsFolder();
int SettingsFileReplacements();

QString SettingsFile();
void SetSettingsFile(const QString &path);

} // namespace platform
