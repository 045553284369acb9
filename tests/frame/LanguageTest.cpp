#include "frame/Language.h"

#include "engine/Calc.h"
#include "engine/StartEngine.h"
#include "engine/Texts.h"
#include "platform/core/AlertRecorder.h"
#include "platform/core/Program.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Every language table, flattened, to compare whole sets of texts.
std::vector<std::string> AllTexts() {
    std::vector<std::string> texts(std::begin(Texts::CalendarNames),
                                   std::end(Texts::CalendarNames));
    for (const auto &column : Texts::MonthNames)
        texts.insert(texts.end(), std::begin(column), std::end(column));
    texts.push_back(Texts::AdarName);
    for (const auto *table : {&Texts::WeekDayNames, &Texts::WeekDayAbbrs})
        texts.insert(texts.end(), std::begin(*table), std::end(*table));
    texts.insert(texts.end(), std::begin(Texts::LabelTexts), std::end(Texts::LabelTexts));
    texts.insert(texts.end(), std::begin(Texts::StringTexts), std::end(Texts::StringTexts));
    return texts;
}

std::vector<std::string> EnglishTexts() {
    Texts::LoadEnglish();
    return AllTexts();
}

class LanguageFiles : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        ASSERT_TRUE(QDir(root_.path()).mkpath("program"));
        platform::SetProgramFolder(Program());
        Calc::Reset();
    }
    void TearDown() override { platform::SetProgramFolder({}); }

    QString Program() const { return root_.filePath("program"); }

    void Write(const QString &path, const QByteArray &bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    void WriteLanguage(const QString &name, const QByteArray &bytes) {
        Write(Program() + "/" + name + ".lng", bytes);
    }

    // The name as LoadLanguage leaves it.
    QString Load(const QString &name) {
        QString loaded = name;
        Start::LoadLanguage(loaded);
        return loaded;
    }

    QTemporaryDir root_;
    platform::AlertRecorder alerts_;
};

TEST_F(LanguageFiles, EnglishDefaultLooksForNoFile) {
    WriteLanguage("English (Default)", "[CALENDARS]\n1=Not this\n");
    EXPECT_EQ(Load("English (Default)"), "English (Default)");
    EXPECT_TRUE(alerts_.Messages.empty());
    EXPECT_EQ(Texts::CalendarNames[1], "Julian calendar");
    EXPECT_EQ(Texts::MonthNames[Calc::Moslem][11], "Dhuґl-Qa‘dah");
    EXPECT_EQ(Texts::StringTexts[23], "File not found");
}

TEST_F(LanguageFiles, FileWithOneEntryChangesOnlyThatEntry) {
    std::vector<std::string> expected = EnglishTexts();
    WriteLanguage("Francais", "[WEEKDAYSABBR]\n1=Lu\n");
    EXPECT_EQ(Load("Francais"), "Francais");
    EXPECT_EQ(Texts::WeekDayAbbrs[1], "Lu");
    Texts::WeekDayAbbrs[1] = "Mo";
    EXPECT_EQ(AllTexts(), expected);
    EXPECT_TRUE(alerts_.Messages.empty());
}

TEST_F(LanguageFiles, SwitchingBackToEnglishRestoresEveryText) {
    const std::vector<std::string> english = EnglishTexts();
    WriteLanguage("Full", "[CALENDARS]\n1=J\n5=M\n[JGMONTHS]\n3=Mars\n[JMONTHS]\n6=Ader\n"
                          "[MMONTHS]\n12=Hijja\n[WEEKDAYS]\n7=Dimanche\n[LABELS]\n12=Lune\n"
                          "[STRINGS]\n25=Choisir\n");
    Load("Full");
    EXPECT_NE(AllTexts(), english);
    EXPECT_EQ(Load("English (Default)"), "English (Default)");
    EXPECT_EQ(AllTexts(), english);
}

TEST_F(LanguageFiles, JulianAndGregorianMonthsChangeTogether) {
    WriteLanguage("Francais", "[JGMONTHS]\n1=Janvier\n12=D\xC3\xA9"
                              "cembre\n");
    Load("Francais");
    for (int cal : {Calc::Julian, Calc::Gregorian}) {
        EXPECT_EQ(Texts::MonthNames[cal][1], "Janvier");
        EXPECT_EQ(Texts::MonthNames[cal][2], "February");
        EXPECT_EQ(Texts::MonthNames[cal][12], "Décembre");
    }
}

TEST_F(LanguageFiles, EveryTableReadsItsSectionUpToItsSize) {
    WriteLanguage("Test", "[CALENDARS]\n 5 = \"Mois\" \n6=Beyond\n"
                          "[JMONTHS]\n1=Tichri\n6=Ader\n13=Thirteen\n"
                          "[MMONTHS]\n1=Mouharram\n"
                          "[WEEKDAYS]\n7=Dimanche   \n"
                          "[labels]\n12=Lune\n13=Beyond\n"
                          "[Strings]\n25=Choisir\n26=Beyond\n"
                          "[OTHER]\n1=Other\n");
    Load("Test");
    EXPECT_EQ(Texts::CalendarNames[5], "Mois");
    EXPECT_EQ(Texts::MonthNames[Calc::Jewish][1], "Tichri");
    EXPECT_EQ(Texts::MonthNames[Calc::Jewish][6], "Ader");
    EXPECT_EQ(Texts::MonthNames[Calc::Jewish][13], "");
    EXPECT_EQ(Texts::AdarName, "Ader");
    EXPECT_EQ(Texts::MonthNames[Calc::Moslem][1], "Mouharram");
    EXPECT_EQ(Texts::WeekDayNames[7], "Dimanche");
    EXPECT_EQ(Texts::LabelTexts[12], "Lune");
    EXPECT_EQ(Texts::StringTexts[25], "Choisir");
}

TEST_F(LanguageFiles, EightBitFileIsReadAsWindows1252) {
    WriteLanguage("Deutsch", "[LABELS]\r\n4=Hedschra \x97 15. Juli 622\r\n"
                             "[WEEKDAYS]\r\n1=Montag\r\n6=Samstag\r\n7=Sonntag\r\n"
                             "[JGMONTHS]\r\n3=M\xE4rz\r\n");
    Load("Deutsch");
    EXPECT_EQ(Texts::LabelTexts[4], "Hedschra — 15. Juli 622");
    EXPECT_EQ(Texts::MonthNames[Calc::Gregorian][3], "März");
}

TEST_F(LanguageFiles, MissingFileIsReportedAndEnglishStays) {
    const std::vector<std::string> english = EnglishTexts();
    EXPECT_EQ(Load("Klingon"), "English (Default)");
    ASSERT_EQ(alerts_.Messages.size(), 1u);
    EXPECT_EQ(alerts_.Messages[0].Text, Program() + "/Klingon.lng\n\nFile not found");
    EXPECT_EQ(alerts_.Messages[0].Title, "Orvanta");
    EXPECT_EQ(AllTexts(), english);
}

TEST_F(LanguageFiles, MissingFileAfterAnotherLanguageGivesEnglishAgain) {
    const std::vector<std::string> english = EnglishTexts();
    WriteLanguage("Francais", "[STRINGS]\n23=Fichier introuvable\n");
    Load("Francais");
    Load("Klingon");
    ASSERT_EQ(alerts_.Messages.size(), 1u);
    EXPECT_TRUE(alerts_.Messages[0].Text.endsWith("\n\nFile not found"));
    EXPECT_EQ(AllTexts(), english);
}

TEST_F(LanguageFiles, EnglishDefaultInOtherLetterCaseIsAFileName) {
    EXPECT_EQ(Load("english (default)"), "English (Default)");
    ASSERT_EQ(alerts_.Messages.size(), 1u);
    EXPECT_EQ(alerts_.Messages[0].Text, Program() + "/english (default).lng\n\nFile not found");

    WriteLanguage("ENGLISH (DEFAULT)", "[CALENDARS]\n1=Julian\n");
    EXPECT_EQ(Load("english (default)"), "english (default)");
    EXPECT_EQ(Texts::CalendarNames[1], "Julian");
    EXPECT_EQ(alerts_.Messages.size(), 1u);
}

// The options window offers "German" for "german.lng"; the file must be found
// under that name on a file system that minds letter case.
TEST_F(LanguageFiles, FileIsFoundWhateverTheLetterCaseOfItsName) {
    WriteLanguage("german", "[WEEKDAYS]\n1=Montag\n");
    EXPECT_EQ(Load("German"), "German");
    EXPECT_EQ(Texts::WeekDayNames[1], "Montag");
    EXPECT_TRUE(alerts_.Messages.empty());
}

class NamesWithPaths : public LanguageFiles, public testing::WithParamInterface<const char *> {};

TEST_P(NamesWithPaths, CountAsMissingFiles) {
    const QByteArray evil = "[CALENDARS]\n1=Outside\n";
    Write(root_.filePath("outside/Evil.lng"), evil);
    Write(root_.filePath("Evil.lng"), evil);
    Write(Program() + "/sub/Evil.lng", evil);
    Write(Program() + "/..Evil.lng", evil);
    QString name = GetParam();
    name.replace("ROOT", root_.path());
    EXPECT_EQ(Load(name), "English (Default)");
    ASSERT_EQ(alerts_.Messages.size(), 1u);
    EXPECT_EQ(alerts_.Messages[0].Text, Program() + "/" + name + ".lng\n\nFile not found");
    EXPECT_EQ(Texts::CalendarNames[1], "Julian calendar");
}

INSTANTIATE_TEST_SUITE_P(Names, NamesWithPaths,
                         testing::Values("../outside/Evil", "..\\outside\\Evil", "../Evil", "..",
                                         "sub/Evil", "ROOT/outside/Evil", "..Evil"));

TEST(ReadIni, EntryOrDefault) {
    QTemporaryDir folder;
    const QString path = folder.filePath("t.lng");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("[S]\n1=text\n2=\n3=\"\"\n4=\"  padded  \"\n5=\"   \"\n6=ab") +
               QByteArray("\0cd\n", 4));
    file.close();
    const platform::IniFile ini = platform::IniFile::Load(path).value();
    EXPECT_EQ(Start::ReadIni(ini, "S", " 1", "d"), "text");
    EXPECT_EQ(Start::ReadIni(ini, "S", "2", "d"), "d");
    EXPECT_EQ(Start::ReadIni(ini, "S", "3", "d"), "d");
    EXPECT_EQ(Start::ReadIni(ini, "S", "4", "d"), "  padded");
    // Blanks in quotes are text, so they are not missing: the entry becomes empty.
    EXPECT_EQ(Start::ReadIni(ini, "S", "5", "d"), "");
    EXPECT_EQ(Start::ReadIni(ini, "S", "6", "d"), "ab");
    EXPECT_EQ(Start::ReadIni(ini, "S", "7", "d"), "d");
    EXPECT_EQ(Start::ReadIni(ini, "T", "1", "d"), "d");
}

class JewishMonthNames : public LanguageFiles {
  protected:
    // Today's tables for a Gregorian date, as start-up computes them.
    static void ConvertGregorian(int day, int month, int year) {
        Calc::CalDates[Calc::Gregorian][Calc::Day] = day;
        Calc::CalDates[Calc::Gregorian][Calc::Month] = month;
        Calc::CalDates[Calc::Gregorian][Calc::Year] = year;
        Calc::FromGregorian();
        Calc::ToJulian();
        Calc::ToJewish();
    }

    static std::vector<std::string> Names() {
        return {std::begin(Texts::MonthNames[Calc::Jewish]) + 1,
                std::end(Texts::MonthNames[Calc::Jewish])};
    }
    static std::vector<int> Lengths() {
        std::vector<int> lengths;
        for (int month = 1; month <= 13; ++month)
            lengths.push_back(Calc::MonthDays(Calc::Jewish, month));
        return lengths;
    }

    void SetUp() override {
        LanguageFiles::SetUp();
        Calc::StartEngine({});
        WriteLanguage("Francais", "[JMONTHS]\n1=Tichri\n2=Hechvan\n3=Kislev\n4=Tevet\n"
                                  "5=Chevat\n6=Ader\n7=Nissan\n8=Iyar\n9=Sivan\n10=Tamouz\n"
                                  "11=Av\n12=Eloul\n");
    }
};

// 1 January 2024 lies in 5784, a leap year of 383 days.
TEST_F(JewishMonthNames, LeapYearFormsBothAdarsFromTheNewName) {
    QString english = QString::fromLatin1(Texts::EnglishDefault);
    Start::LoadLanguage(english);
    ConvertGregorian(1, 1, 2024);
    ASSERT_TRUE(Calc::JewishLeap);
    const std::vector<int> leapLengths = Lengths();

    Load("Francais");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Tichri", "Hechvan", "Kislev", "Tevet", "Chevat",
                                                 "Ader I", "Ader II", "Nissan", "Iyar", "Sivan",
                                                 "Tamouz", "Av", "Eloul"}));
    EXPECT_EQ(Lengths(), leapLengths);
    EXPECT_TRUE(Calc::JewishLeap);

    Load("English (Default)");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Tishri", "Heshvan", "Kislev", "Tevet", "Shevat",
                                                 "Adar I", "Adar II", "Nisan", "Iyar", "Sivan",
                                                 "Tammuz", "Av", "Elul"}));
    EXPECT_EQ(Lengths(), leapLengths);
}

// 1 December 2024 lies in 5785, a common year.
TEST_F(JewishMonthNames, CommonYearKeepsTwelveMonths) {
    QString english = QString::fromLatin1(Texts::EnglishDefault);
    Start::LoadLanguage(english);
    ConvertGregorian(1, 12, 2024);
    ASSERT_FALSE(Calc::JewishLeap);

    Load("Francais");
    EXPECT_EQ(Texts::MonthNames[Calc::Jewish][6], "Ader");
    EXPECT_EQ(Texts::MonthNames[Calc::Jewish][7], "Nissan");
    EXPECT_EQ(Texts::MonthNames[Calc::Jewish][13], "");
    EXPECT_EQ(Calc::MonthDays(Calc::Jewish, 13), 0);
}

// Before start-up has converted a date the engine knows no Jewish year; the
// load must leave the month lengths alone.
TEST_F(JewishMonthNames, LoadBeforeAnyDateLeavesTheLayoutCommon) {
    const std::vector<int> lengths = Lengths();
    Load("Francais");
    EXPECT_EQ(Texts::MonthNames[Calc::Jewish][6], "Ader");
    EXPECT_EQ(Texts::MonthNames[Calc::Jewish][13], "");
    EXPECT_EQ(Lengths(), lengths);
    EXPECT_FALSE(Calc::JewishLeap);
}

// What lies at "Zero.lng" in the program folder.
enum class NotALanguageFile {
    LinkToZeroDevice,
    NamedPipe,
    LinkToNamedPipe,
    Folder,
    OverOneMegabyte
};

class NotLanguageFiles : public LanguageFiles,
                         public testing::WithParamInterface<NotALanguageFile> {
  protected:
    void Make(const QString &path) {
        const QByteArray bytes = QFile::encodeName(path);
        switch (GetParam()) {
        case NotALanguageFile::LinkToZeroDevice:
            ASSERT_EQ(::symlink("/dev/zero", bytes.constData()), 0);
            break;
        case NotALanguageFile::NamedPipe:
            ASSERT_EQ(::mkfifo(bytes.constData(), 0600), 0);
            break;
        case NotALanguageFile::LinkToNamedPipe:
            ASSERT_EQ(::mkfifo(QFile::encodeName(root_.filePath("pipe")).constData(), 0600), 0);
            ASSERT_EQ(
                ::symlink(QFile::encodeName(root_.filePath("pipe")).constData(), bytes.constData()),
                0);
            break;
        case NotALanguageFile::Folder:
            ASSERT_TRUE(QDir().mkdir(path));
            break;
        case NotALanguageFile::OverOneMegabyte:
            Write(path, "[CALENDARS]\n1=Big\n" + QByteArray(platform::IniFile::MaxFileBytes, ' '));
            break;
        }
    }
};

// Start-up used to read a link to the zero device until memory ran out, and
// to wait for ever on a named pipe.
TEST_P(NotLanguageFiles, CountAsMissingUnderTheirExactNameAndAnyOther) {
    Make(Program() + "/Zero.lng");
    for (const char *name : {"Zero", "ZERO"}) {
        EXPECT_EQ(Load(name), "English (Default)") << name;
        EXPECT_EQ(Texts::CalendarNames[1], "Julian calendar");
    }
    EXPECT_EQ(alerts_.Messages.size(), 2u);
    EXPECT_EQ(Start::LanguageNames(), QStringList({"English (Default)"}));
}

INSTANTIATE_TEST_SUITE_P(Kinds, NotLanguageFiles,
                         testing::Values(NotALanguageFile::LinkToZeroDevice,
                                         NotALanguageFile::NamedPipe,
                                         NotALanguageFile::LinkToNamedPipe,
                                         NotALanguageFile::Folder,
                                         NotALanguageFile::OverOneMegabyte));

TEST_F(LanguageFiles, LinkToALanguageFileAndAFileOfExactlyOneMegabyteLoad) {
    Write(root_.filePath("kept/Real.lng"), "[CALENDARS]\n1=Linked\n");
    ASSERT_EQ(::symlink(QFile::encodeName(root_.filePath("kept/Real.lng")).constData(),
                        QFile::encodeName(Program() + "/Linked.lng").constData()),
              0);
    const QByteArray big = "[CALENDARS]\n1=Big\n";
    WriteLanguage("Big", big + QByteArray(platform::IniFile::MaxFileBytes - big.size(), ' '));
    EXPECT_EQ(Load("Linked"), "Linked");
    EXPECT_EQ(Texts::CalendarNames[1], "Linked");
    EXPECT_EQ(Load("Big"), "Big");
    EXPECT_EQ(Texts::CalendarNames[1], "Big");
    EXPECT_EQ(Start::LanguageNames(), QStringList({"English (Default)", "Big", "Linked"}));
}

// A stored name of megabytes once took half a minute and gigabytes to refuse.
TEST_F(LanguageFiles, NameLongerThanAnyFileNameIsMissingAtOnce) {
    WriteLanguage(QString(250, u'a'), "[CALENDARS]\n1=Long\n");
    EXPECT_EQ(Load(QString(250, u'A')), QString(250, u'A'));
    EXPECT_EQ(Texts::CalendarNames[1], "Long");
    const QString huge(4 * 1024 * 1024, u'a');
    EXPECT_EQ(Load(huge), "English (Default)");
    ASSERT_EQ(alerts_.Messages.size(), 1u);
    EXPECT_LT(alerts_.Messages[0].Text.size(), 1000);
    EXPECT_TRUE(alerts_.Messages[0].Text.endsWith(".lng\n\nFile not found"));
}

class LanguageList : public LanguageFiles {};

TEST_F(LanguageList, OffersOnlyNamesTheLoaderAccepts) {
    for (const char *name : {"a..b.lng", "back\\slash.lng", "..lng", "Good.lng"})
        Write(Program() + "/" + name, "[CALENDARS]\n1=x\n");
    EXPECT_EQ(Start::LanguageNames(), QStringList({"English (Default)", "Good"}));
}

TEST_F(LanguageList, EnglishFirstThenEveryLanguageFile) {
    for (const char *name : {"german.lng", "FRENCH.LNG", "ukrainian.Lng", ".lng", "notes.txt",
                             "GERMAN.lng", "english (default).lng", "\xC3\xA9mile.lng"})
        Write(Program() + "/" + QString::fromUtf8(name), "");
    QDir(Program()).mkdir("folder.lng");
    EXPECT_EQ(Start::LanguageNames(), QStringList({"English (Default)", "English (default)",
                                                   "French", "German", "Ukrainian", "Émile"}));
}

TEST_F(LanguageList, EmptyFolderOffersEnglishOnly) {
    EXPECT_EQ(Start::LanguageNames(), QStringList({"English (Default)"}));
}

} // namespace
