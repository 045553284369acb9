// What the program knows about itself:
// - ProgramTitle(): "Orvanta", the caption of its messages and the name under
//   which its settings are stored
// - ProgramVersion(): major, minor and revision
// - ProgramFolder(): the folder of the executable, where the language files and
//   the moon picture live; SetProgramFolder(folder) points it elsewhere for
//   tests (an empty folder brings back the executable's)
#pragma once

#include <QString>

namespace platform {

struct Version {
    int Major;
    int Minor;
    int Revision;
};

QString ProgramTitle();
Version ProgramVersion();
QString ProgramFolder();
void SetProgramFolder(const QString &folder);

} // namespace platform
