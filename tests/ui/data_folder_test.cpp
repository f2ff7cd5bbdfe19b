#include "ui/data_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(DataFolderPath, FollowsTheXdgDataHomeWhenItIsAbsolute) {
    EXPECT_EQ(dataFolderPath(QStringLiteral("/data/me"), QStringLiteral("/home/me")),
              QStringLiteral("/data/me/sanpo"));
    // A trailing slash makes no second one.
    EXPECT_EQ(dataFolderPath(QStringLiteral("/data/me/"), QStringLiteral("/home/me")),
              QStringLiteral("/data/me/sanpo"));
}

TEST(DataFolderPath, FallsBackToTheHomeWhenTheXdgDataHomeIsUnsetOrRelative) {
    const QString fallback = QStringLiteral("/home/me/.local/share/sanpo");
    EXPECT_EQ(dataFolderPath(QString(), QStringLiteral("/home/me")), fallback);
    EXPECT_EQ(dataFolderPath(QStringLiteral("data"), QStringLiteral("/home/me")), fallback);
    EXPECT_EQ(dataFolderPath(QStringLiteral("./.local/share"), QStringLiteral("/home/me")),
              fallback);
    EXPECT_EQ(dataFolderPath(QStringLiteral("~/data"), QStringLiteral("/home/me")), fallback);
}

TEST(DataFolderPath, IsUnknownWithoutAnAbsoluteHome) {
    EXPECT_EQ(dataFolderPath(QString(), QString()), std::nullopt);
    EXPECT_EQ(dataFolderPath(QStringLiteral("data"), QStringLiteral("home/me")), std::nullopt);
    // An absolute data home needs no home.
    EXPECT_EQ(dataFolderPath(QStringLiteral("/data"), QString()), QStringLiteral("/data/sanpo"));
}

// Each test leaves the working directory where it found it.
class EnterFolder : public ::testing::Test {
protected:
    void TearDown() override { QDir::setCurrent(start_); }
    QTemporaryDir dir_;
    QString start_ = QDir::currentPath();
};

TEST_F(EnterFolder, CreatesMissingFoldersAndWorksInThem) {
    ASSERT_TRUE(dir_.isValid());
    const QString target = dir_.filePath(QStringLiteral("two words/deeper/sanpo"));
    EXPECT_EQ(enterFolder(target), std::nullopt);
    EXPECT_TRUE(QFileInfo(target).isDir());
    EXPECT_EQ(QDir::currentPath(), QFileInfo(target).canonicalFilePath());
}

TEST_F(EnterFolder, KeepsWhatAnExistingFolderHolds) {
    ASSERT_TRUE(dir_.isValid());
    const QString target = dir_.filePath(QStringLiteral("sanpo"));
    ASSERT_TRUE(QDir().mkpath(target + QStringLiteral("/SOUND")));
    QFile data(target + QStringLiteral("/jouhou.mrdt"));
    ASSERT_TRUE(data.open(QIODevice::WriteOnly));
    data.write("VER011\r\n");
    data.close();
    EXPECT_EQ(enterFolder(target), std::nullopt);
    EXPECT_EQ(QDir::currentPath(), QFileInfo(target).canonicalFilePath());
    EXPECT_EQ(QFileInfo(QStringLiteral("jouhou.mrdt")).size(), 8);
    EXPECT_TRUE(QFileInfo(QStringLiteral("SOUND")).isDir());
}

TEST_F(EnterFolder, SaysWhyWhenAFileIsInTheWay) {
    ASSERT_TRUE(dir_.isValid());
    const QString blocker = dir_.filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    for (const QString& target : {blocker, blocker + QStringLiteral("/sanpo")}) {
        const auto why = enterFolder(target);
        ASSERT_TRUE(why.has_value()) << target.toStdString();
        EXPECT_FALSE(why->isEmpty());
        EXPECT_EQ(QDir::currentPath(), start_);
    }
}
