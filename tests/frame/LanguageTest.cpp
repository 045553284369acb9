#include "frame/Language.h"

#include "engine/Calc.h"
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

class LanguageFiles : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(root_.path()).mkpath("program"));
        platform::SetProgramFolder(Program());
        Calc::Reset();
        Texts::LoadEnglish();
        english_ = AllTexts();
    }
    void TearDown() override { platform::SetProgramFolder({}); }

    QString Program() const { return root_.filePath("program"); }

    static void Write(const QString &path, const QByteArray &bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    void WriteLanguage(const QString &name, const QByteArray &bytes) {
        Write(Program() + "/" + name + ".lng", bytes);
    }

    // The name as LoadLanguage leaves it.
    static QString Load(QString name) {
        Start::LoadLanguage(name);
        return name;
    }

    // Refused: English stays, one message names the file looked for.
    void ExpectRefused(const QString &name) {
        EXPECT_EQ(Load(name), Texts::EnglishDefault) << name.left(80).toStdString();
        ASSERT_EQ(alerts_.Messages.size(), 1u);
        EXPECT_EQ(alerts_.Messages[0].Text, Program() + "/" + name + ".lng\n\nFile not found");
        EXPECT_EQ(alerts_.Messages[0].Title, "Orvanta");
        EXPECT_EQ(AllTexts(), english_);
        alerts_.Messages.clear();
    }

    QTemporaryDir root_;
    platform::AlertRecorder alerts_;
    std::vector<std::string> english_;
};

// Every section read up to its table's size and no further (which key lands where
// is the shipped languages' test), blanks and quotes taken off, an 8-bit file read
// as Windows-1252, and every text the file lacks left English.
TEST_F(LanguageFiles, FileChangesOnlyItsEntriesAndEnglishRestoresAll) {
    WriteLanguage("Test", "[CALENDARS]\r\n 5 = \"Mois\" \r\n6=Beyond\r\n"
                          "[JMONTHS]\n6=Ader\n12=Eloul\n13=Thirteen\n"
                          "[WEEKDAYS]\n7=Dimanche   \n[weekdaysabbr]\n7=Di\n"
                          "[labels]\n12=Hedschra \x97 15. Juli 622\n13=Beyond\n"
                          "[Strings]\n26=Beyond\n1=\n2=\"\"\n3=\"  padded  \"\n"
                          "4=\"   \"\n5=ab" +
                              QByteArray("\0cd\n", 4) +
                              "6=\"\n7=a=b\n;8=commented\n8=first\n8=second\n9=" +
                              QByteArray(254, 'y') + "TAIL\n[OTHER]\n1=Other\n");
    const std::string longValue(254, 'y'); // longer values are cut
    const std::pair<std::string *, const char *> changed[] = {
        {&Texts::CalendarNames[5], "Mois"},
        {&Texts::MonthNames[Calc::Jewish][6], "Ader"},
        {&Texts::AdarName, "Ader"},
        {&Texts::MonthNames[Calc::Jewish][12], "Eloul"},
        {&Texts::WeekDayNames[7], "Dimanche"},
        {&Texts::WeekDayAbbrs[7], "Di"},
        {&Texts::LabelTexts[12], "Hedschra — 15. Juli 622"},
        // Blanks in quotes are text, so they are not missing: the entry becomes empty.
        {&Texts::StringTexts[3], "  padded"},
        {&Texts::StringTexts[4], ""},
        {&Texts::StringTexts[5], "ab"},
        {&Texts::StringTexts[6], "\""},
        {&Texts::StringTexts[7], "a=b"},
        {&Texts::StringTexts[8], "first"},
        {&Texts::StringTexts[9], longValue.c_str()}};
    EXPECT_EQ(Load("Test"), "Test");
    EXPECT_TRUE(alerts_.Messages.empty());
    for (const auto &[text, expected] : changed)
        EXPECT_EQ(*text, expected);
    // Nothing else moved.
    const std::vector<std::string> texts = AllTexts();
    size_t moved = 0;
    for (size_t i = 0; i < texts.size(); ++i)
        moved += texts[i] != english_[i];
    EXPECT_EQ(moved, std::size(changed));
    Load("Test");
    EXPECT_EQ(Load("English (Default)"), "English (Default)");
    EXPECT_EQ(AllTexts(), english_);
}

TEST_F(LanguageFiles, MissingFilesAndNamesWithPathsAreRefused) {
    const QByteArray evil = "[CALENDARS]\n1=Outside\n";
    for (const QString &path : {root_.filePath("outside/Evil.lng"), root_.filePath("Evil.lng"),
                                Program() + "/sub/Evil.lng", Program() + "/..Evil.lng"})
        Write(path, evil);
    WriteLanguage("Francais", "[STRINGS]\n23=Fichier introuvable\n");
    Load("Francais");
    // The message is in English again, as everything else.
    ExpectRefused("Klingon");
    for (const QString &name :
         {QString("../outside/Evil"), QString("..\\outside\\Evil"), QString("../Evil"),
          QString(".."), QString("sub/Evil"), root_.filePath("outside/Evil"), QString("..Evil")})
        ExpectRefused(name);
}

// A stored name of megabytes once took half a minute and gigabytes to refuse.
TEST_F(LanguageFiles, NameLongerThanAnyFileNameIsMissingAtOnce) {
    WriteLanguage(QString(250, u'a'), "[CALENDARS]\n1=Long\n");
    EXPECT_EQ(Load(QString(250, u'A')), QString(250, u'A'));
    EXPECT_EQ(Texts::CalendarNames[1], "Long");
    EXPECT_EQ(Load(QString(4 * 1024 * 1024, u'a')), Texts::EnglishDefault);
    ASSERT_EQ(alerts_.Messages.size(), 1u);
    EXPECT_LT(alerts_.Messages[0].Text.size(), 1000);
    EXPECT_TRUE(alerts_.Messages[0].Text.endsWith(".lng\n\nFile not found"));
}

// Start-up used to read a link to the zero device until memory ran out, and to
// wait for ever on a named pipe. All of them at once: none is offered.
TEST_F(LanguageFiles, WhatIsNoLanguageFileCountsAsMissingAndIsNotOffered) {
    const auto at = [&](const char *name) { return QFile::encodeName(Program() + "/" + name); };
    const QByteArray pipe = QFile::encodeName(root_.filePath("pipe"));
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", at("Zero.lng").constData()), 0);
    ASSERT_EQ(::mkfifo(at("Pipe.lng").constData(), 0600), 0);
    ASSERT_EQ(::symlink(pipe.constData(), at("LinkedPipe.lng").constData()), 0);
    ASSERT_TRUE(QDir().mkdir(at("Folder.lng")));
    WriteLanguage("Big", "[CALENDARS]\n1=Big\n" + QByteArray(platform::IniFile::MaxFileBytes, ' '));
    for (const char *name : {"Zero", "ZERO", "Pipe", "LinkedPipe", "Folder", "Big"})
        ExpectRefused(name);
    EXPECT_EQ(Start::LanguageNames(), QStringList({"English (Default)"}));
}

// The list offers English first, then each loadable file once, named as the
// loader finds it whatever the letter case; a name spelt exactly as a file's is
// that file, and a link to a file and a file of exactly the limit load. The
// default name is the built-in English only when spelt exactly so.
TEST_F(LanguageFiles, ListOffersWhatTheLoaderAccepts) {
    Write(root_.filePath("kept/Real.lng"), "[CALENDARS]\n1=Linked\n");
    ASSERT_TRUE(QFile::link(root_.filePath("kept/Real.lng"), Program() + "/linked.lng"));
    const QByteArray big = "[CALENDARS]\n1=Big\n";
    WriteLanguage("Big", big + QByteArray(platform::IniFile::MaxFileBytes - big.size(), ' '));
    WriteLanguage("german", "[CALENDARS]\n1=Julianisch\n");
    WriteLanguage("GERMAN", "[CALENDARS]\n1=JULIANISCH\n");
    WriteLanguage("English (Default)", "[CALENDARS]\n1=Not this\n");
    Write(Program() + "/FRENCH.LNG", "[CALENDARS]\n1=Julien\n");
    for (const char *name :
         {".lng", "notes.txt", "\xC3\xA9mile.lng", "a..b.lng", "back\\slash.lng", "..lng"})
        Write(Program() + "/" + QString::fromUtf8(name), "");
    QDir(Program()).mkdir("folder.lng");
    EXPECT_EQ(Start::LanguageNames(), QStringList({"English (Default)", "Big", "English (default)",
                                                   "French", "German", "Linked", "Émile"}));
    const char *const loads[][2] = {{"Linked", "Linked"},
                                    {"Big", "Big"},
                                    {"French", "Julien"},
                                    {"GERMAN", "JULIANISCH"},
                                    {"german", "Julianisch"},
                                    {"English (Default)", "Julian calendar"},
                                    {"english (default)", "Not this"}};
    for (const auto &[name, text] : loads) {
        EXPECT_EQ(Load(name), name);
        EXPECT_EQ(Texts::CalendarNames[1], text) << name;
    }
    EXPECT_TRUE(alerts_.Messages.empty());
}

// Months 1 .. 13 of the Jewish column, comma-separated.
std::string JewishMonths(bool lengths) {
    std::string text;
    for (int m = 1; m <= 13; ++m) {
        if (m > 1) text += ',';
        text += lengths ? std::to_string(Calc::MonthDays(Calc::Jewish, m))
                        : Texts::MonthNames[Calc::Jewish][m];
    }
    return text;
}

// A leap year's Adar I and Adar II are formed from the new Adar name, with the
// months after them one place on. A change of language moves the names, never
// the lengths.
TEST_F(LanguageFiles, JewishMonthNamesFollowTheYearsLayout) {
    WriteLanguage("Francais", "[JMONTHS]\n1=Tichri\n5=Chevat\n6=Ader\n7=Nissan\n12=Eloul\n");
    Calc::InitCalendarTables();
    const struct {
        int32_t jd;
        const char *names;
    } years[] = {
        {2460311, "Tichri,Heshvan,Kislev,Tevet,Chevat,Ader I,Ader II,Nissan,Iyar,Sivan,Tammuz,Av,"
                  "Eloul"}, // 1 January 2024, 5784 a leap year
        {2460646, "Tichri,Heshvan,Kislev,Tevet,Chevat,Ader,Nissan,Iyar,Sivan,Tammuz,Av,Eloul,"},
    };
    for (const auto &year : years) {
        Load("Francais");
        Calc::CurrentJD = year.jd;
        Calc::ToJulian();
        Calc::ToJewish();
        // The year's layout moves the names as loaded; a reload lays them out again.
        EXPECT_EQ(JewishMonths(false), year.names);
        Load("English (Default)");
        const std::string lengths = JewishMonths(true);
        Load("Francais");
        EXPECT_EQ(JewishMonths(false), year.names);
        EXPECT_EQ(JewishMonths(true), lengths);
    }
}

} // namespace
