#include "platform/core/Program.h"

#include <QCoreApplication>

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

Version ProgramVersion() {
    return {ORVANTA_VERSION_MAJOR, ORVANTA_VERSION_MINOR, ORVANTA_VERSION_REVISION};
}

QString ProgramFolder() {
    return FolderOverride().isEmpty() ? QCoreApplication::applicationDirPath() : FolderOverride();
}

void SetProgramFolder(const QString &folder) {
    FolderOverride() = folder;
}

} // namespace platform
