// What the program knows about itself:
// - ProgramTitle(): "Orvanta", the caption of its messages and the name under
//   which its settings are stored
// - ProgramVersion(): "major.minor.revision" as the build gives it (1.0.17)
// - ProgramFolder(): where the language files and the moon picture live: the
//   installed data folder (share/orvanta beside the bin/ that holds the
//   executable) when it exists, else the executable's own folder, as in the build
//   tree; SetProgramFolder(folder) points it elsewhere for tests (an empty folder
//   brings back the program's own)
#pragma once

#include <QString>

namespace platform {

QString ProgramTitle();
QString ProgramVersion();
QString ProgramFolder();
void SetProgramFolder(const QString &folder);

} // namespace platform
