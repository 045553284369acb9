// The text of the settings file, an INI file of our own:
// - SettingsText::Parse(text): sections and keys as the file holds them;
//   section and key names match with their letter case, blanks around them
//   dropped; a key given twice in a section keeps its last value; lines
//   starting with ";" or "#" are comments, other lines without "=" are skipped
// - Value(section, key), Set(section, key, value), Format(): the file's text
//   back, sections and keys in their first order, comments dropped
//
// A value reads back exactly as it was set, whatever it holds. In the file a
// value is plain text, or wrapped in double quotation marks when it has blanks
// at either end or holds ",", ";", "=" or "#"; a backslash starts an escape
// (\\ \" \n \r \t \0, \xHHHH for other control characters), and a leading "@"
// is doubled. That is the subset of the Qt INI format that the program's
// earlier settings store wrote for its texts, so files from before read the
// same (there a comma outside quotation marks made a list; here it is text).
#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace platform {

class SettingsText {
  public:
    static SettingsText Parse(const QString &text);

    std::optional<QString> Value(const QString &section, const QString &key) const;
    void Set(const QString &section, const QString &key, const QString &value);
    QString Format() const;

  private:
    struct Section {
        QString Name;
        std::vector<std::pair<QString, QString>> Keys;
    };

    Section &SectionNamed(const QString &name);
    static void SetIn(Section &section, const QString &key, const QString &value);

    std::vector<Section> sections_;
};

} // namespace platform
