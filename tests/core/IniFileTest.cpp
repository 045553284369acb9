#include "platform/core/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class IniReader : public testing::Test {
  protected:
    platform::IniFile Write(const QByteArray &bytes) {
        const QString path = folder_.filePath(QStringLiteral("test.lng"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        return platform::IniFile::Load(path).value();
    }

    QTemporaryDir folder_;
};

struct ValueCase {
    const char *name;
    QByteArray line;
    QString expected;
};

void PrintTo(const ValueCase &c, std::ostream *os) {
    *os << c.name;
}

class IniValues : public IniReader, public testing::WithParamInterface<ValueCase> {};

TEST_P(IniValues, LineGivesValue) {
    const platform::IniFile ini = Write("[S]\n" + GetParam().line + "\n");
    EXPECT_EQ(ini.Value("S", "1"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, IniValues,
    testing::Values(ValueCase{"Plain", "1=Hello", "Hello"},
                    ValueCase{"BlanksAroundKeyAndValue", " \t1  =  Hello World \t", "Hello World"},
                    ValueCase{"Quoted", "1=\"Hello\"", "Hello"},
                    ValueCase{"QuotedKeepsInnerBlanks", "1=\"  Hello  \"", "  Hello  "},
                    ValueCase{"BlanksOutsideQuotes", "1=  \"Hello\"  ", "Hello"},
                    ValueCase{"OnlyOnePairOfQuotes", "1=\"\"Hello\"\"", "\"Hello\""},
                    ValueCase{"QuoteInside", "1=\"a\"b\"", "a\"b"},
                    ValueCase{"LoneQuote", "1=\"", "\""},
                    ValueCase{"SecondEqualsSignBelongsToValue", "1=a=b", "a=b"},
                    ValueCase{"SemicolonInValueIsText", "1=a ; b", "a ; b"},
                    ValueCase{"NoBreakSpaceIsText", "1=\xC2\xA0x\xC2\xA0", "\u00A0x\u00A0"},
                    ValueCase{"CommentedOut", ";1=Hello", ""},
                    ValueCase{"WithoutEqualsSign", "1 Hello", ""}),
    [](const testing::TestParamInfo<ValueCase> &info) { return info.param.name; });

TEST_F(IniReader, NamesMatchWithoutLetterCaseOrSurroundingBlanks) {
    const platform::IniFile ini = Write("[ Calendars ]\n Ab =x\n");
    EXPECT_EQ(ini.Value("CALENDARS", "aB"), "x");
    EXPECT_EQ(ini.Value(" calendars ", " AB "), "x");
    EXPECT_EQ(ini.Value("CAL ENDARS", "AB"), "");
}

TEST_F(IniReader, NumberedKeyWrittenWithALeadingBlankMatches) {
    const platform::IniFile ini = Write("[WEEKDAYS]\n1=Lundi\n 2 = Mardi\n");
    EXPECT_EQ(ini.Value("WEEKDAYS", " 1"), "Lundi");
    EXPECT_EQ(ini.Value("WEEKDAYS", "2"), "Mardi");
}

TEST_F(IniReader, MissingSectionKeyOrFileGivesNothing) {
    const platform::IniFile ini = Write("[A]\n1=x\n[B]\n");
    EXPECT_EQ(ini.Value("A", "2"), "");
    EXPECT_EQ(ini.Value("B", "1"), "");
    EXPECT_EQ(ini.Value("C", "1"), "");
    EXPECT_FALSE(platform::IniFile::Load(folder_.filePath("absent.lng")));
}

TEST_F(IniReader, KeysBelongToTheirOwnSection) {
    const platform::IniFile ini = Write("1=before\n[A]\n1=a\n[B]\n1=b\n");
    EXPECT_EQ(ini.Value("A", "1"), "a");
    EXPECT_EQ(ini.Value("B", "1"), "b");
    EXPECT_EQ(ini.Value("", "1"), "");
}

TEST_F(IniReader, FirstOccurrenceWins) {
    const platform::IniFile ini = Write("[A]\n1=first\n1=second\n[a]\n1=third\n2=two\n");
    EXPECT_EQ(ini.Value("A", "1"), "first");
    EXPECT_EQ(ini.Value("A", "2"), "two");
}

TEST_F(IniReader, UnclosedHeaderEndsTheSectionBeforeIt) {
    const platform::IniFile ini = Write("[A]\n1=a\n[B\n2=b\n");
    EXPECT_EQ(ini.Value("A", "1"), "a");
    EXPECT_EQ(ini.Value("A", "2"), "");
    EXPECT_EQ(ini.Value("B", "2"), "");
}

TEST_F(IniReader, ValuesAreCutAfter254Characters) {
    const QString exact(254, u'x');
    const QString longer = QString(254, u'y') + "TAIL";
    const platform::IniFile ini =
        Write("[A]\n1=" + exact.toUtf8() + "\n2=\"" + longer.toUtf8() + "\"\n");
    EXPECT_EQ(ini.Value("A", "1"), exact);
    EXPECT_EQ(ini.Value("A", "2"), QString(254, u'y'));
}

TEST_F(IniReader, CutCountsCharactersNotUtf16Units) {
    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E"); // outside the BMP
    QString value;
    for (int i = 0; i < 300; ++i)
        value += clef;
    const platform::IniFile ini = Write("[A]\n1=" + value.toUtf8() + "\n");
    EXPECT_EQ(ini.Value("A", "1"), value.first(2 * 254));
}

TEST_F(IniReader, LineEndsOfEveryKind) {
    const platform::IniFile ini = Write("[A]\r\n1=crlf\r\n2=cr\r3=lf\n4=last");
    EXPECT_EQ(ini.Value("A", "1"), "crlf");
    EXPECT_EQ(ini.Value("A", "2"), "cr");
    EXPECT_EQ(ini.Value("A", "3"), "lf");
    EXPECT_EQ(ini.Value("A", "4"), "last");
}

TEST_F(IniReader, ByteOrderMarkIsNotPartOfTheFirstSection) {
    const platform::IniFile ini = Write("\xEF\xBB\xBF[A]\n1=\xC3\xA9t\xC3\xA9\n");
    EXPECT_EQ(ini.Value("A", "1"), QString::fromUtf8("été"));
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, IniValues,
    testing::Values(ValueCase{"Cp1252Punctuation", "1=\x91Hegira \x97 622\x92",
                              QString::fromUtf8("‘Hegira — 622’")},
                    ValueCase{"Utf8OutsideCp1252", "1=Dhu\xD2\x91l", QString::fromUtf8("Dhuґl")},
                    // One byte that is not UTF-8 makes the whole file 8-bit text.
                    ValueCase{"MixedIsCp1252", "1=\xC3\xA9 \xE9", QString::fromUtf8("Ã© é")}),
    [](const testing::TestParamInfo<ValueCase> &info) { return info.param.name; });

} // namespace
