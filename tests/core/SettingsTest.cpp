#include "platform/core/Settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class SettingsStore : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        platform::SetSettingsFile(File());
    }
    void TearDown() override { platform::SetSettingsFile({}); }

    QString File() const { return folder_.filePath(QStringLiteral("Orvanta.conf")); }

    QByteArray Contents() const {
        QFile file(File());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder_;
};

TEST_F(SettingsStore, MissingKeyGivesTheDefaultAndWritesNothing) {
    EXPECT_EQ(platform::ReadSetting("Startup", "Language", "English (Default)"),
              "English (Default)");
    EXPECT_FALSE(QFile::exists(File()));
    platform::WriteSetting("Startup", "Window", "3");
    EXPECT_EQ(platform::ReadSetting("Startup", "Language", "x"), "x");
    EXPECT_EQ(platform::ReadSetting("Julian", "Window", "y"), "y");
}

TEST_F(SettingsStore, ValuesComeBackAsWritten) {
    const QString values[] = {"English (Default)", "-32768",     "a, b",       "@at",
                              "Español",           "",           "  padded  ", "semi;colon",
                              "quote\"d",          "back\\slash"};
    for (const QString &value : values) {
        platform::WriteSetting("Startup", "Language", value);
        EXPECT_EQ(platform::ReadSetting("Startup", "Language", "default"), value);
    }
}

TEST_F(SettingsStore, SectionsAndKeysAreStoredUnderTheirOwnNames) {
    platform::WriteSetting("Startup", "Calendar1", "2");
    platform::WriteSetting("Moslem", "FirstWeekDay", "6");
    platform::WriteSetting("Moon", "Top", "-15");
    const QByteArray contents = Contents();
    EXPECT_TRUE(contents.contains("[Startup]\nCalendar1=2\n")) << contents.constData();
    EXPECT_TRUE(contents.contains("[Moslem]\nFirstWeekDay=6\n")) << contents.constData();
    EXPECT_TRUE(contents.contains("[Moon]\nTop=-15\n")) << contents.constData();
}

TEST_F(SettingsStore, KeysKeepTheirLetterCase) {
    platform::WriteSetting("Startup", "ShowTips", "0");
    EXPECT_EQ(platform::ReadSetting("Startup", "ShowTips", "1"), "0");
    EXPECT_EQ(platform::ReadSetting("startup", "showtips", "1"), "1");
}

// QSettings files keys without a section under "General"; a section of that
// name must still be one of its own.
TEST_F(SettingsStore, SectionNamedGeneralIsASectionLikeAnyOther) {
    platform::WriteSetting("General", "Top", "5");
    EXPECT_EQ(platform::ReadSetting("General", "Top", "0"), "5");
    EXPECT_EQ(platform::ReadSetting("", "Top", "0"), "0");
}

TEST_F(SettingsStore, AWriteIsOnDiskWhenItReturns) {
    platform::WriteSetting("Julian", "Left", "1200");
    const QSettings fresh(File(), QSettings::IniFormat);
    EXPECT_EQ(fresh.value("Julian/Left").toString(), "1200");
    EXPECT_TRUE(Contents().contains("Left=1200"));
}

TEST_F(SettingsStore, StoreInAFolderNotYetMadeIsCreated) {
    const QString nested = folder_.filePath(QStringLiteral("a/b/Orvanta.conf"));
    platform::SetSettingsFile(nested);
    platform::WriteSetting("Startup", "Window", "2");
    EXPECT_TRUE(QFile::exists(nested));
    EXPECT_EQ(platform::ReadSetting("Startup", "Window", "0"), "2");
}

// A writer that is killed part-way must not leave a torn file. A second
// name for the old file shows whether it was rewritten in place: only a
// finished copy renamed over it leaves that name's contents alone.
TEST_F(SettingsStore, AWriteReplacesTheFileInsteadOfRewritingIt) {
    platform::WriteSetting("Startup", "Calendar1", "4");
    const QByteArray before = Contents();
    const QString oldName = folder_.filePath(QStringLiteral("old.conf"));
    ASSERT_EQ(::link(QFile::encodeName(File()).constData(), QFile::encodeName(oldName).constData()),
              0);

    platform::WriteSetting("Startup", "Calendar2", "3");

    QFile old(oldName);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), before);
    EXPECT_EQ(platform::ReadSetting("Startup", "Calendar1", "1"), "4");
    EXPECT_EQ(platform::ReadSetting("Startup", "Calendar2", "2"), "3");
    const QStringList left = QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    EXPECT_EQ(left, QStringList({"Orvanta.conf", "old.conf"}));
}

TEST_F(SettingsStore, DefaultLocationIsTheUsersConfigurationFolder) {
    platform::SetSettingsFile({});
    const bool wasSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder_.path()));
    const QString file = platform::SettingsFile();
    if (wasSet)
        qputenv("XDG_CONFIG_HOME", saved);
    else
        qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(file, folder_.path() + "/Orvanta/Orvanta.conf");
}

} // namespace
