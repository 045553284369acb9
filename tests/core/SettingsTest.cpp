#include "platform/core/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
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

// Values are texts, whatever they look like: a comma once made a list that
// read back empty, and a leading "@" a serialized object.
const QString TrickyValues[] = {"English (Default)",
                                "-32768",
                                "Deutsch, Schweiz",
                                "@at",
                                "@String(x)",
                                "Español \U0001D11E",
                                "",
                                "  padded  ",
                                "semi;colon",
                                "#hash",
                                "a=b",
                                "quote\"d\"",
                                "back\\slash\\",
                                "two\nlines\r\n",
                                QString(QChar(1)) + "1f"};

TEST_F(SettingsStore, ValuesComeBackAsWritten) {
    for (const QString &value : TrickyValues) {
        platform::WriteSetting("Startup", "Language", value);
        EXPECT_EQ(platform::ReadSetting("Startup", "Language", "default"), value);
    }
}

TEST_F(SettingsStore, FilesOfTheEarlierStoreReadTheSame) {
    for (const QString &value : TrickyValues) {
        {
            QSettings earlier(File(), QSettings::IniFormat);
            earlier.setValue("Startup/Language", value);
        }
        EXPECT_EQ(platform::ReadSetting("Startup", "Language", "default"), value)
            << Contents().constData();
    }
}

TEST_F(SettingsStore, HandWrittenValuesAreTakenAsText) {
    QFile file(File());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("; comment\n[Startup]\nLanguage = Deutsch, Schweiz \nOther=@String(x)\n"
               "[Moon]\r\nTop=5\r\nTop=6\r\n");
    file.close();
    EXPECT_EQ(platform::ReadSetting("Startup", "Language", "d"), "Deutsch, Schweiz");
    EXPECT_EQ(platform::ReadSetting("Startup", "Other", "d"), "@String(x)");
    EXPECT_EQ(platform::ReadSetting("Moon", "Top", "d"), "6");
}

TEST_F(SettingsStore, ABatchReplacesTheFileOnce) {
    const int before = platform::SettingsFileReplacements();
    platform::WriteSettings({{"Moon", "Top", "1"}, {"Moon", "Left", "2"}, {"Julian", "Top", "3"}});
    EXPECT_EQ(platform::SettingsFileReplacements(), before + 1);
    EXPECT_EQ(platform::ReadSetting("Moon", "Left", "d"), "2");
    EXPECT_EQ(platform::ReadSetting("Julian", "Top", "d"), "3");
}

// Dotfiles kept in a repository are links: the link stays, its target changes.
TEST_F(SettingsStore, LinkToARegularFileIsWrittenAtItsTarget) {
    const QString target = folder_.filePath("dotfiles/orvanta.ini");
    ASSERT_TRUE(QDir().mkpath(folder_.filePath("dotfiles")));
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Startup]\nWindow=2\n");
    }
    ASSERT_TRUE(QFile::link(target, File()));
    platform::WriteSetting("Moon", "Top", "7");
    EXPECT_TRUE(QFileInfo(File()).isSymLink());
    EXPECT_EQ(QFileInfo(File()).symLinkTarget(), target);
    EXPECT_EQ(platform::ReadSetting("Startup", "Window", "d"), "2");
    EXPECT_EQ(platform::ReadSetting("Moon", "Top", "d"), "7");
    EXPECT_EQ(QDir(folder_.filePath("dotfiles")).entryList(QDir::Files | QDir::Hidden),
              QStringList({"orvanta.ini"}));
}

enum class NotARegularFile { NamedPipe, LinkToNamedPipe, LinkToDevice, DanglingLink, Folder };

class UnwritableStore : public SettingsStore,
                        public testing::WithParamInterface<NotARegularFile> {};

// Writing once replaced a device node with a regular file, and reading a named
// pipe waited for ever.
TEST_P(UnwritableStore, ReadsAsDefaultsAndIsNeverWritten) {
    const QByteArray path = QFile::encodeName(File());
    const QByteArray pipe = QFile::encodeName(folder_.filePath("pipe"));
    switch (GetParam()) {
    case NotARegularFile::NamedPipe:
        ASSERT_EQ(::mkfifo(path.constData(), 0600), 0);
        break;
    case NotARegularFile::LinkToNamedPipe:
        ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
        ASSERT_EQ(::symlink(pipe.constData(), path.constData()), 0);
        break;
    case NotARegularFile::LinkToDevice:
        ASSERT_EQ(::symlink("/dev/null", path.constData()), 0);
        break;
    case NotARegularFile::DanglingLink:
        ASSERT_EQ(::symlink(pipe.constData(), path.constData()), 0);
        break;
    case NotARegularFile::Folder:
        ASSERT_TRUE(QDir().mkdir(File()));
        break;
    }
    struct stat before {};
    ASSERT_EQ(::lstat(path.constData(), &before), 0);

    EXPECT_EQ(platform::ReadSetting("Moon", "Top", "default"), "default");
    testing::internal::CaptureStderr();
    platform::WriteSettings({{"Moon", "Top", "1"}, {"Moon", "Left", "2"}});
    const std::string said = testing::internal::GetCapturedStderr();

    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("not saved"), std::string::npos) << said;
    struct stat after {};
    ASSERT_EQ(::lstat(path.constData(), &after), 0);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(platform::ReadSetting("Moon", "Top", "default"), "default");
}

INSTANTIATE_TEST_SUITE_P(Kinds, UnwritableStore,
                         testing::Values(NotARegularFile::NamedPipe,
                                         NotARegularFile::LinkToNamedPipe,
                                         NotARegularFile::LinkToDevice,
                                         NotARegularFile::DanglingLink, NotARegularFile::Folder));

// A writer killed part-way leaves its copy and its lock; the next start clears
// them, and nothing else.
TEST_F(SettingsStore, LeftoversOfAKilledWriteAreCleaned) {
    platform::WriteSetting("Moon", "Top", "7");
    QStringList kept{"Orvanta.conf", "Orvanta.conf.backup", "Orvanta.conf.Ab3xZ9.keep",
                     "notes.txt"};
    for (const QString &name : {kept[1], kept[2], kept[3], QString("Orvanta.conf.Ab3xZ9"),
                                QString("Orvanta.conf.q1W2e3")}) {
        QFile file(folder_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    {
        QFile lock(File() + ".lock");
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write("999999999\nOrvanta\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    }
    platform::CleanSettingsFolder();
    kept.sort();
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), kept);
    EXPECT_EQ(platform::ReadSetting("Moon", "Top", "d"), "7");
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
