#include "platform/files/Paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tests {

namespace {

class PathsTest : public ::testing::Test {
protected:
    void touch(const QString& relative) {
        const QString path = dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString windows(const QString& relative) const {
        return QDir::toNativeSeparators(dir.path()).replace('/', '\\') + '\\' + relative;
    }
    ~PathsTest() override { files::setDriveCRoot(QString()); }

    QTemporaryDir dir;
};

TEST_F(PathsTest, FindsEveryPartWithoutRegardToCase) {
    touch("Data/MainDB.mdb");
    EXPECT_EQ(files::nativePath(windows("data\\maindb.mdb")), dir.filePath("Data/MainDB.mdb"));
    EXPECT_EQ(files::nativePath(dir.path() + "\\DATA\\MAINDB.MDB"), dir.filePath("Data/MainDB.mdb"));
}

TEST_F(PathsTest, PrefersTheExactNameAndKeepsMissingPartsAsGiven) {
    touch("a.txt");
    touch("A.TXT");
    EXPECT_EQ(files::nativePath(windows("A.TXT")), dir.filePath("A.TXT"));
    EXPECT_EQ(files::nativePath(windows("a.txt")), dir.filePath("a.txt"));
    EXPECT_EQ(files::nativePath(windows("New\\Pic.bmp")), dir.filePath("New/Pic.bmp"));
}

TEST_F(PathsTest, DriveCIsTheRedirectedRootOrElseHome) {
    files::setDriveCRoot(dir.path());
    touch("Quorvel/Report1.rpt");
    EXPECT_EQ(files::nativePath("C:\\Pravel.xls"), dir.filePath("Pravel.xls"));
    EXPECT_EQ(files::nativePath("c:\\quorvel\\report1.RPT"), dir.filePath("Quorvel/Report1.rpt"));
    files::setDriveCRoot(QString());
    EXPECT_EQ(files::driveCRoot(), QDir::homePath());
    EXPECT_EQ(files::nativePath("C:\\Pravel-no-such-file.xls"), QDir::homePath() + "/Pravel-no-such-file.xls");
}

TEST(ProgramFolder, IsWhatWasSet) {
    files::setProgramFolder("/x/build");
    EXPECT_EQ(files::programFolder(), "/x/build");
    files::setProgramFolder(QString());
}

}  // namespace

}  // namespace tests
