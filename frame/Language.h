// The language of every text the program shows:
// - LoadLanguage(name): every language table filled with the built-in English
//   texts and then, unless name is "English (Default)", with the texts of the
//   language file name + ".lng" in the program folder; the Jewish month names
//   are then laid out for the current year. A missing file is reported in a
//   message and name becomes "English (Default)". A name with a path in it
//   ("/", "\" or "..") counts as a missing file, so a stored name can never
//   make the program read outside its folder. The file's name is looked up
//   without regard to letter case. Only a regular file (links followed) of at
//   most IniFile::MaxFileBytes is a language file; anything else at that name,
//   and a name longer than a file name can be, counts as a missing file.
// - ReadIni(file, section, key, default): one entry of a language file, or the
//   default when the entry is missing or empty
// - LanguageNames(): the languages the options window offers: "English
//   (Default)", then one name per "*.lng" file in the program folder, in
//   file-name order: the file name without ".lng", first letter upper case,
//   the rest lower case. Only files LoadLanguage would load are offered: a
//   file called just ".lng" has no name, and names with "..", "/" or "\" and
//   files that are no language file (see above) are left out
#pragma once

#include "platform/core/IniFile.h"

#include <QString>
#include <QStringList>

namespace Start {

void LoadLanguage(QString &name);
QString ReadIni(const platform::IniFile &file, const QString &section, const QString &key,
                const QString &defaultValue);
QStringList LanguageNames();

} // namespace Start
