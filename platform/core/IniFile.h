// An INI text file, read once and asked many times:
// - IniFile::Load(path): reads and parses the whole file; nothing when there
//   is no regular file of at most MaxFileBytes at the path (language files
//   are a few kilobytes: anything far larger is not one)
// - Value(section, key): what GetPrivateProfileString would copy: the text
//   after the first "=", blanks around it and one pair of enclosing double
//   quotation marks removed, at most MaxValueLength characters; an empty
//   string for a missing section or key
//
// Section and key names match without regard to letter case or to blanks
// around them. Lines starting with ";" are comments; a line that is neither a
// section header nor holds a "=" is skipped. A "[" line without its "]" ends
// the section before it, so the keys under it belong to no section. Where a
// key occurs twice in a section, or a section twice in the file, the first
// occurrence of the key wins. Bytes are decoded by DecodeText.
#pragma once

#include <QHash>
#include <QString>
#include <optional>

namespace platform {

class IniFile {
  public:
    static constexpr int MaxValueLength = 254;
    static constexpr qint64 MaxFileBytes = 1024 * 1024;

    static std::optional<IniFile> Load(const QString &path);

    QString Value(const QString &section, const QString &key) const;

  private:
    static IniFile Parse(const QString &text);

    QHash<QString, QHash<QString, QString>> sections_;
};

} // namespace platform
