#include "common/PictureFiles.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/TestPictures.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace tests {

namespace {


void writeAll(const QString& path, const QByteArray& bytes) { ASSERT_TRUE(writeFile(path, bytes)); }

class PictureFiles : public ::testing::Test {
protected:
    PictureFiles() {
        folder.exec("INSERT INTO employee (empid, FileName) VALUES ('E1', 'photo.bmp')");
        connection.open("Data Source=" + folder.databasePath());
        reopen();
    }

    void reopen() {
        if (rs.isOpen()) rs.close();
        rs.open("SELECT * FROM employee where empid='E1'", &connection, db::adOpenKeyset);
    }

    // Stores the file on the row and reads the row back.
    void store(const QString& path) {
        ASSERT_TRUE(SaveFileToDB(path, &rs, "LImage"));
        rs.update();
        reopen();
    }

    ProgramFolder folder;
    db::Connection connection;
    db::Recordset rs;
};

TEST_F(PictureFiles, RoundTripIsByteForByteThroughWindowsFormPaths) {
    QDir(folder.path()).mkpath("pictures");
    const QByteArray picture = bmpBytes(7, 5, qRgb(10, 0, 255)) + QByteArray("\0\xff\0", 3);
    writeAll(folder.file("pictures/Face.BMP"), picture);

    store(folder.path() + "\\pictures\\face.bmp");   // found without regard to case
    EXPECT_EQ(rs.actualSize("LImage"), picture.size());

    ASSERT_TRUE(LoadFileFromDB(folder.path() + "\\out.bmp", &rs, "LImage"));
    EXPECT_EQ(readFile(folder.file("out.bmp")), picture);
    EXPECT_FALSE(rs.editing());   // loading changes nothing in the recordset
}

TEST_F(PictureFiles, SecondPictureReplacesTheFirstAndLoadingReplacesALongerFile) {
    const QByteArray first = bmpBytes(20, 20, qRgb(1, 2, 3));
    const QByteArray second = bmpBytes(2, 1, qRgb(4, 5, 6));
    ASSERT_GT(first.size(), second.size());
    writeAll(folder.file("first.bmp"), first);
    writeAll(folder.file("second.bmp"), second);

    store(folder.file("first.bmp"));
    store(folder.file("second.bmp"));
    EXPECT_EQ(rs.actualSize("LImage"), second.size());

    // The target holds the longer first picture: afterwards it is the stored value exactly.
    writeAll(folder.file("target.bmp"), first);
    ASSERT_TRUE(LoadFileFromDB(folder.file("target.bmp"), &rs, "LImage"));
    EXPECT_EQ(readFile(folder.file("target.bmp")), second);
}

TEST_F(PictureFiles, NullValueWritesNoFile) {
    EXPECT_FALSE(LoadFileFromDB(folder.file("none.bmp"), &rs, "LImage"));
    EXPECT_FALSE(QFile::exists(folder.file("none.bmp")));

    writeAll(folder.file("kept.bmp"), "old picture");
    EXPECT_FALSE(LoadFileFromDB(folder.file("kept.bmp"), &rs, "LImage"));
    EXPECT_EQ(readFile(folder.file("kept.bmp")), QByteArray("old picture"));
}

TEST_F(PictureFiles, MissingHiddenOrUnreadableSourceLeavesTheFieldAsItWas) {
    writeAll(folder.file("stored.bmp"), "stored");
    store(folder.file("stored.bmp"));
    writeAll(folder.file(".hidden.bmp"), "hidden");
    QDir(folder.path()).mkpath("adir.bmp");

    EXPECT_FALSE(SaveFileToDB(folder.file("missing.bmp"), &rs, "LImage"));
    EXPECT_FALSE(SaveFileToDB(folder.file(".hidden.bmp"), &rs, "LImage"));
    EXPECT_FALSE(SaveFileToDB(folder.file("adir.bmp"), &rs, "LImage"));
    EXPECT_FALSE(SaveFileToDB(QString(), &rs, "LImage"));
    EXPECT_FALSE(rs.editing());
    EXPECT_EQ(rs.field("LImage").toBytes(), QByteArray("stored"));
}

TEST_F(PictureFiles, NoRecordsetNoRowNoSuchFieldOrUnwritableTargetGivesFalse) {
    writeAll(folder.file("pic.bmp"), "picture");
    store(folder.file("pic.bmp"));
    const QString out = folder.file("out.bmp");

    for (const char* field : {"", "NoSuchColumn"}) {
        EXPECT_FALSE(SaveFileToDB(folder.file("pic.bmp"), &rs, field)) << field;
        EXPECT_FALSE(LoadFileFromDB(out, &rs, field)) << field;
    }
    EXPECT_FALSE(SaveFileToDB(folder.file("pic.bmp"), nullptr, "LImage"));
    EXPECT_FALSE(LoadFileFromDB(out, nullptr, "LImage"));

    rs.moveNext();   // at its end
    EXPECT_FALSE(SaveFileToDB(folder.file("pic.bmp"), &rs, "LImage"));
    EXPECT_FALSE(LoadFileFromDB(out, &rs, "LImage"));

    rs.close();
    EXPECT_FALSE(SaveFileToDB(folder.file("pic.bmp"), &rs, "LImage"));
    EXPECT_FALSE(LoadFileFromDB(out, &rs, "LImage"));
    EXPECT_FALSE(QFile::exists(out));

    reopen();   // a target that cannot be written
    EXPECT_FALSE(LoadFileFromDB(folder.path() + "\\no folder\\pic.bmp", &rs, "LImage"));
}

}  // namespace

}  // namespace tests
