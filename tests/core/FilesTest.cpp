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

TEST_F(FilesInFolder, FindFilePrefersTheExactName) {
    Touch("german.lng");
    EXPECT_EQ(platform::FindFile(folder_.path(), "german.lng"), folder_.filePath("german.lng"));
    EXPECT_EQ(platform::FindFile(folder_.path(), "German.lng"), folder_.filePath("German.lng"));
}

} // namespace
