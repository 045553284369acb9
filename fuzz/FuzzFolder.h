// A folder for the files a target writes on every input: in memory, where a
// write costs nothing.
#pragma once

#include "FuzzCheck.h"

#include <QFile>
#include <QTemporaryDir>

inline QString FuzzFolder() {
    static QTemporaryDir folder(QStringLiteral("/dev/shm/orvanta-fuzz-XXXXXX"));
    static QTemporaryDir fallback;
    return folder.isValid() ? folder.path() : fallback.path();
}

// The input as a file of that name in the folder; its path.
inline QString WriteFuzzFile(const QString &name, const uint8_t *data, size_t size) {
    const QString path = FuzzFolder() + u'/' + name;
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    return path;
}
