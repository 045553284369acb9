#include "platform/core/IniFile.h"

#include "platform/core/Files.h"
#include "platform/core/TextDecoding.h"

namespace platform {

namespace {

// Blanks in the C sense: a no-break space belongs to the text.
bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f';
}

QString TrimBlanks(const QString &text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

QString NameKey(const QString &name) {
    return TrimBlanks(name).toCaseFolded();
}

QString Unquoted(const QString &value) {
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        return value.sliced(1, value.size() - 2);
    return value;
}

// Counts characters, not UTF-16 units, so a cut never splits a surrogate pair.
QString FirstCharacters(const QString &text, int count) {
    qsizetype end = 0;
    for (int taken = 0; taken < count && end < text.size(); ++taken)
        end += text[end].isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
    return text.first(end);
}

} // namespace

std::optional<IniFile> IniFile::Load(const QString &path) {
    const std::optional<QByteArray> bytes = ReadSmallFile(path, MaxFileBytes);
    if (!bytes) return std::nullopt;
    return Parse(DecodeText(*bytes));
}

IniFile IniFile::Parse(const QString &text) {
    QString lines = text;
    lines.replace(u'\r', u'\n');
    IniFile ini;
    QHash<QString, QString> *section = nullptr;
    for (const QString &rawLine : lines.split(u'\n', Qt::SkipEmptyParts)) {
        const QString line = TrimBlanks(rawLine);
        if (line.isEmpty() || line.startsWith(u';')) continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.lastIndexOf(u']');
            section = close < 0 ? nullptr : &ini.sections_[NameKey(line.sliced(1, close - 1))];
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (section == nullptr || equals < 0) continue;
        const QString key = NameKey(line.first(equals));
        if (!key.isEmpty() && !section->contains(key))
            section->insert(key, Unquoted(TrimBlanks(line.sliced(equals + 1))));
    }
    return ini;
}

QString IniFile::Value(const QString &section, const QString &key) const {
    const auto keys = sections_.constFind(NameKey(section));
    if (keys == sections_.constEnd()) return {};
    return FirstCharacters(keys->value(NameKey(key)), MaxValueLength);
}

} // namespace platform
