#include "platform/core/Program.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

namespace {

QString &FolderOverride() {
    static QString folder;
    return folder;
}

} // namespace

QString ProgramTitle() {
    return QStringLiteral("Orvanta");
}

QString ProgramVersion() {
    return QStringLiteral(ORVANTA_VERSION);
}

QString ProgramFolder() {
    if (!FolderOverride().isEmpty()) return FolderOverride();
    // Installed, the program lies in bin/ and its data in share/orvanta/ of the same
    // prefix, wherever that prefix is; in the build tree everything lies side by side.
    const QDir executableFolder(QCoreApplication::applicationDirPath());
    const QString installed =
        QDir::cleanPath(executableFolder.filePath(QStringLiteral(ORVANTA_INSTALLED_DATA_FOLDER)));
    return QDir(installed).exists() ? installed : executableFolder.path();
}

void SetProgramFolder(const QString &folder) {
    FolderOverride() = folder;
}

} // namespace platform
