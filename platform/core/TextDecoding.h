// Text files written by other programs:
// - DecodeText(bytes): UTF-8 when the bytes are valid UTF-8, otherwise
//   Windows-1252 (the 8-bit code page language files were written in); a
//   UTF-8 byte order mark at the start is dropped. The result never depends
//   on the user's locale.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

QString DecodeText(const QByteArray &bytes);

} // namespace platform
