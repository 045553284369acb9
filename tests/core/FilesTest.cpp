#include "platform/core/Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FilesInFolder : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        for (const char *name : {"German.lng", "french.LNG", "notes.txt", ".lng", "a.lng.bak"})
            Touch(name);
        ASSERT_TRUE(QDir(folder_.path()).mkdir("Folder.lng"));
    }

    void Touch(const QString &name) {
        QFile file(folder_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir folder_;
};

TEST_F(FilesInFolder, FileExistsOnlyForFiles) {
    EXPECT_TRUE(platform::FileExists(folder_.filePath("German.lng")));
    EXPECT_FALSE(platform::FileExists(folder_.filePath("Folder.lng")));
    EXPECT_FALSE(platform::FileExists(folder_.filePath("Absent.lng")));
}

TEST_F(FilesInFolder, ListingMatchesTheExtensionInAnyLetterCase) {
    EXPECT_EQ(platform::ListFiles(folder_.path(), "*.lng"),
              QStringList({".lng", "french.LNG", "German.lng"}));
}

TEST_F(FilesInFolder, ListingOfAMissingFolderIsEmpty) {
    EXPECT_TRUE(platform::ListFiles(folder_.filePath("absent"), "*.lng").isEmpty());
}

TEST_F(FilesInFolder, FindFileIgnoresLetterCase) {
    EXPECT_EQ(platform::FindFile(folder_.path(), "French.lng"), folder_.filePath("french.LNG"));
    EXPECT_EQ(platform::FindFile(folder_.path(), "GERMAN.LNG"), folder_.filePath("German.lng"));
    EXPECT_EQ(platform::FindFile(folder_.path(), "Italian.lng"), "");
    EXPECT_EQ(platform::FindFile(folder_.path(), "Folder.lng"), "");
}

TEST_F(FilesInFolder, FindFilePrefersTheExactName) {
    Touch("german.lng");
    EXPECT_EQ(platform::FindFile(folder_.path(), "german.lng"), folder_.filePath("german.lng"));
    EXPECT_EQ(platform::FindFile(folder_.path(), "German.lng"), folder_.filePath("German.lng"));
}

TEST_F(FilesInFolder, FindFileLooksOnlyInTheFolder) {
    QDir(folder_.path()).mkdir("sub");
    Touch("sub/Inner.lng");
    const QString sub = folder_.filePath("sub");
    EXPECT_EQ(platform::FindFile(folder_.path(), "sub/Inner.lng"), "");
    EXPECT_EQ(platform::FindFile(sub, "../German.lng"), "");
    EXPECT_EQ(platform::FindFile(sub, "..\\German.lng"), "");
    EXPECT_EQ(platform::FindFile(sub, ".."), "");
    EXPECT_EQ(platform::FindFile(sub, ""), "");
}

} // namespace
