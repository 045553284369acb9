#include "platform/core/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

class SettingsStore : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        platform::SetSettingsFile(File());
    }
    void TearDown() override { platform::SetSettingsFile({}); }

    QString File() const { return folder_.filePath(QStringLiteral("Orvanta.conf")); }
    static void Write(const QString &path, const QByteArray &bytes, qint64 size = -1) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        ASSERT_TRUE(size < 0 || file.resize(size));
    }
    static QString Read(const char *section, const char *key) {
        return platform::ReadSetting(section, key, "default");
    }

    QTemporaryDir folder_;
};

// Values are texts, whatever they look like: a comma once made a list that read back
// empty, and a leading "@" a serialized object. QSettings, which wrote the store
// before, is the reference for the file's format both ways.
TEST_F(SettingsStore, ValuesComeBackAsWrittenAndAsQSettingsReadsThem) {
    QStringList values =
        QString("Deutsch, Schweiz|@String(x)|Español \U0001D11E||  leading|trailing  |"
                "semi;colon|#hash|a=b|quote\"d\"|back\\slash\\|two\nlines\r\n")
            .split(u'|');
    values.append(QString(QChar(1)) + "1f");
    // A store in a folder not made yet is made, on a first run.
    platform::SetSettingsFile(folder_.filePath("a/b/Orvanta.conf"));
    std::vector<platform::SettingValue> written;
    for (const QString &value : values)
        written.push_back({"Startup", QStringLiteral("Value%1").arg(written.size()), value});
    platform::WriteSettings(written);
    {
        QSettings earlier(File(), QSettings::IniFormat);
        for (const platform::SettingValue &value : written)
            earlier.setValue("Moon/" + value.Key, value.Value);
    }
    const QSettings reference(platform::SettingsFile(), QSettings::IniFormat);
    for (const platform::SettingValue &value : written) {
        EXPECT_EQ(platform::ReadSetting("Startup", value.Key, "default"), value.Value);
        // QSettings reads an escape's hex digits as far as they go; ours stops at
        // four, so a control character before a hex digit is ours alone.
        if (!value.Value.startsWith(QChar(1))) {
            EXPECT_EQ(reference.value("Startup/" + value.Key).toString(), value.Value);
        }
    }
    platform::SetSettingsFile(File());
    for (const platform::SettingValue &value : written)
        EXPECT_EQ(platform::ReadSetting("Moon", value.Key, "default"), value.Value);
}

TEST_F(SettingsStore, HandWrittenValuesAreTakenAsTextAndKeysKeepTheirCase) {
    Write(File(), "; comment\n[Startup]\nLanguage = Deutsch, Schweiz \nOther=@String(x)\n"
                  "[Moon]\r\nTop=5\r\nTop=6\r\n");
    EXPECT_EQ(Read("Startup", "Language"), "Deutsch, Schweiz");
    EXPECT_EQ(Read("Startup", "Other"), "@String(x)");
    EXPECT_EQ(Read("Moon", "Top"), "6");
    EXPECT_EQ(Read("moon", "top"), "default");
}

// A writer killed part-way must not leave a torn file: a second name for the old
// file shows it was replaced by a finished copy, not rewritten in place.
TEST_F(SettingsStore, ABatchReplacesTheFileOnce) {
    platform::WriteSetting("Startup", "Calendar1", "4");
    ASSERT_EQ(::link(QFile::encodeName(File()).constData(),
                     QFile::encodeName(folder_.filePath("old.conf")).constData()),
              0);
    const int replacements = platform::SettingsFileReplacements();
    platform::WriteSettings({{"Moon", "Top", "1"}, {"Moon", "Left", "2"}, {"Julian", "Top", "3"}});
    EXPECT_EQ(platform::SettingsFileReplacements(), replacements + 1);
    EXPECT_EQ(Read("Startup", "Calendar1"), "4");
    EXPECT_EQ(Read("Moon", "Left"), "2");
    EXPECT_EQ(Read("Julian", "Top"), "3");
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({"Orvanta.conf", "old.conf"}));
    platform::SetSettingsFile(folder_.filePath("old.conf"));
    EXPECT_EQ(Read("Startup", "Calendar1"), "4");
    EXPECT_EQ(Read("Moon", "Left"), "default");
}

// Dotfiles kept in a repository are links: the link stays, its target changes.
TEST_F(SettingsStore, LinkToARegularFileIsWrittenAtItsTarget) {
    const QString target = folder_.filePath("dotfiles/orvanta.ini");
    ASSERT_TRUE(QDir().mkpath(folder_.filePath("dotfiles")));
    Write(target, "[Startup]\nWindow=2\n");
    ASSERT_TRUE(QFile::link(target, File()));
    platform::WriteSetting("Moon", "Top", "7");
    EXPECT_EQ(QFileInfo(File()).symLinkTarget(), target);
    EXPECT_EQ(Read("Startup", "Window"), "2");
    EXPECT_EQ(Read("Moon", "Top"), "7");
    EXPECT_EQ(QDir(folder_.filePath("dotfiles")).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({"orvanta.ini"}));
}

// Writing once replaced a device node with a regular file, and reading a named
// pipe waited for ever. A link to a device is refused as a link to a pipe is; a
// test that links to a real device would replace it, as root, the moment the
// refusal broke.
TEST_F(SettingsStore, WhatIsNoRegularFileReadsAsDefaultsAndIsNeverWritten) {
    const QByteArray pipe = QFile::encodeName(folder_.filePath("pipe"));
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    const std::function<int(const char *)> kinds[] = {
        [](const char *at) { return ::mkfifo(at, 0600); },
        [&](const char *at) { return ::symlink(pipe.constData(), at); },
        [&](const char *at) { return ::symlink((pipe + "-gone").constData(), at); },
        [](const char *at) { return ::mkdir(at, 0700); },
    };
    for (const auto &make : kinds) {
        const QString file = folder_.filePath(QStringLiteral("kind%1.conf").arg(&make - kinds));
        SCOPED_TRACE(file.toStdString());
        const QByteArray path = QFile::encodeName(file);
        ASSERT_EQ(make(path.constData()), 0);
        platform::SetSettingsFile(file);
        struct stat before {};
        ASSERT_EQ(::lstat(path.constData(), &before), 0);

        EXPECT_EQ(Read("Moon", "Top"), "default");
        testing::internal::CaptureStderr();
        platform::WriteSettings({{"Moon", "Top", "1"}, {"Moon", "Left", "2"}});
        const std::string said = testing::internal::GetCapturedStderr();

        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find("not saved"), std::string::npos) << said;
        struct stat after {};
        ASSERT_EQ(::lstat(path.constData(), &after), 0);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(Read("Moon", "Top"), "default");
    }
}

// Over the size limit (a sparse file, so the test writes nothing of it) a store
// reads as an empty one instead of filling memory.
TEST_F(SettingsStore, HugeFileReadsAsDefaults) {
    Write(File(), "[Moon]\nTop=5\n", platform::MaxSettingsBytes + 1);
    EXPECT_EQ(Read("Moon", "Top"), "default");
}

TEST_F(SettingsStore, DefaultLocationIsTheUsersConfigurationFolder) {
    // Every other test names its store, so the variable need not be put back.
    platform::SetSettingsFile({});
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder_.path()));
    EXPECT_EQ(platform::SettingsFile(), folder_.path() + "/Orvanta/Orvanta.conf");
}

} // namespace
