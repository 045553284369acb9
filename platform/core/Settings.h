// The per-user settings store of the program (application name "Orvanta"):
// - ReadSetting(section, key, default): the stored text, or the default when
//   the key is absent
// - WriteSetting(section, key, value): creates or replaces the value; it is on
//   disk when the call returns. The file is replaced as a whole by renaming a
//   finished copy over it, so a program killed while writing leaves the old
//   store or the new one, never a torn one.
// - SettingsFile(): the INI file that holds the store, by default
//   "Orvanta/Orvanta.conf" in the user's configuration folder
//   ($XDG_CONFIG_HOME, else ~/.config); SetSettingsFile(path) moves it, for
//   tests, and an empty path brings back the default.
//
// Sections and keys are written as given and matched with their letter case.
#pragma once

#include <QString>

namespace platform {

QString ReadSetting(const QString &section, const QString &key, const QString &defaultValue);
void WriteSetting(const QString &section, const QString &key, const QString &value);

QString SettingsFile();
void SetSettingsFile(const QString &path);

} // namespace platform
