#include "platform/core/SettingsText.h"

#include <QStringTokenizer>
#include <algorithm>

namespace platform {

namespace {

constexpr int HexDigitsOfAnEscape = 4;

int HexDigit(QChar c) {
    if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    return -1;
}

QString DecodeValue(QStringView raw) {
    QString value;
    value.reserve(raw.size());
    for (qsizetype at = 0; at < raw.size(); ++at) {
        const QChar c = raw[at];
        if (c == u'"') continue;
        if (c != u'\\' || at + 1 == raw.size()) {
            value += c;
            continue;
        }
        const QChar escaped = raw[++at];
        switch (escaped.unicode()) {
        case 'n':
            value += u'\n';
            break;
        case 'r':
            value += u'\r';
            break;
        case 't':
            value += u'\t';
            break;
        case '0':
            value += QChar(0);
            break;
        case 'a':
            value += QChar(7);
            break;
        case 'b':
            value += QChar(8);
            break;
        case 'f':
            value += QChar(12);
            break;
        case 'v':
            value += QChar(11);
            break;
        case 'x': {
            char16_t code = 0;
            int digits = 0;
            for (; digits < HexDigitsOfAnEscape && at + 1 < raw.size(); ++digits) {
                const int digit = HexDigit(raw[at + 1]);
                if (digit < 0) break;
                code = static_cast<char16_t>(code * 16 + digit);
                ++at;
            }
            value += digits == 0 ? QChar(u'x') : QChar(code);
            break;
        }
        default:
            value += escaped;
            break;
        }
    }
    if (value.startsWith(QStringLiteral("@@"))) value.remove(0, 1);
    return value;
}

QString EncodeValue(const QString &value) {
    const bool quoted =
        !value.isEmpty() && (value.front().isSpace() || value.back().isSpace() ||
                             std::any_of(value.begin(), value.end(), [](QChar c) {
                                 return c == u',' || c == u';' || c == u'=' || c == u'#';
                             }));
    QString text = quoted ? QStringLiteral("\"") : QString();
    if (value.startsWith(u'@')) text += u'@';
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\':
            text += QStringLiteral("\\\\");
            break;
        case '"':
            text += QStringLiteral("\\\"");
            break;
        case '\n':
            text += QStringLiteral("\\n");
            break;
        case '\r':
            text += QStringLiteral("\\r");
            break;
        case '\t':
            text += QStringLiteral("\\t");
            break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                text += QStringLiteral("\\x%1").arg(int(c.unicode()), HexDigitsOfAnEscape, 16,
                                                    QChar(u'0'));
            else
                text += c;
        }
    }
    if (quoted) text += u'"';
    return text;
}

} // namespace

SettingsText SettingsText::Parse(const QString &text) {
    SettingsText settings;
    Section *section = nullptr;
    for (QStringView line : qTokenize(text, u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = &settings.SectionNamed(line.sliced(1, line.size() - 2).trimmed().toString());
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (section == nullptr || equals < 0) continue;
        const QString key = line.first(equals).trimmed().toString();
        SetIn(*section, key, DecodeValue(line.sliced(equals + 1).trimmed()));
    }
    return settings;
}

std::optional<QString> SettingsText::Value(const QString &section, const QString &key) const {
    for (const Section &s : sections_) {
        if (s.Name != section) continue;
        for (const auto &[name, value] : s.Keys) {
            if (name == key) return value;
        }
    }
    return std::nullopt;
}

void SettingsText::Set(const QString &section, const QString &key, const QString &value) {
    SetIn(SectionNamed(section), key, value);
}

void SettingsText::SetIn(Section &s, const QString &key, const QString &value) {
    const auto kept = std::find_if(s.Keys.begin(), s.Keys.end(),
                                   [&](const auto &entry) { return entry.first == key; });
    if (kept == s.Keys.end())
        s.Keys.emplace_back(key, value);
    else
        kept->second = value;
}

QString SettingsText::Format() const {
    QString text;
    for (const Section &s : sections_) {
        if (!text.isEmpty()) text += u'\n';
        text += u'[' + s.Name + QStringLiteral("]\n");
        for (const auto &[key, value] : s.Keys)
            text += key + u'=' + EncodeValue(value) + u'\n';
    }
    return text;
}

SettingsText::Section &SettingsText::SectionNamed(const QString &name) {
    const auto found = std::find_if(sections_.begin(), sections_.end(),
                                    [&](const Section &s) { return s.Name == name; });
    if (found != sections_.end()) return *found;
    return sections_.emplace_back(Section{name, {}});
}

} // namespace platform
