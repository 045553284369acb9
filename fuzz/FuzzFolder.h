// A folder for the files a target writes on every input: in memory, where a
// write costs nothing.
#pragma once

#include <QTemporaryDir>

inline QString FuzzFolder() {
    static QTemporaryDir folder(QStringLiteral("/dev/shm/orvanta-fuzz-XXXXXX"));
    static QTemporaryDir fallback;
    return folder.isValid() ? folder.path() : fallback.path();
}
