#include "platform/spreadsheet/WorkbookError.h"
#include "tests/platform/spreadsheet/DiskFillingUp.h"
#include "tests/platform/spreadsheet/WorkbookFixture.h"
#include "tests/platform/spreadsheet/XlsxReader.h"
#include "tests/support/TestPictures.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

namespace tests {

using namespace spreadsheet;

namespace {

class WorkbookFileTest : public WorkbookFixture {
protected:
    QString picture(const QString& name, const char* format, QSize size = {40, 30}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        EXPECT_TRUE(image.save(folder.file(name), format));
        return folder.file(name);
    }
    QString connection() const { return "OLEDB;Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + folder.path() + "\\maindb.mdb;"; }
};

}  // namespace

TEST_F(WorkbookFileTest, PicturesGoToTheSelectedCellAtTheirOwnSize) {
    xl.range("H1").select();
    sheet.pictures().insert(picture("photo.jpg", "JPG", {120, 160})).select();
    EXPECT_EQ(sheet.pictures().selected(), 0);
    // A BMP is kept as a PNG of the same picture; anything else is refused.
    sheet.pictures().insert(picture("photo.bmp", "BMP"));
    ASSERT_EQ(sheet.pictures().count(), 2);
    EXPECT_EQ(sheet.pictures().at(0).row, 1);
    EXPECT_EQ(sheet.pictures().at(0).column, 8);
    EXPECT_EQ(sheet.pictures().at(0).pixelSize, QSize(120, 160));
    EXPECT_TRUE(sheet.pictures().at(1).bytes.startsWith("\x89PNG"));

    QFile text(folder.file("notes.jpg"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    for (const QString& bad : {QString(), folder.file("notes.jpg"), folder.file("missing.jpg")}) {
        EXPECT_FALSE(Pictures::isInsertable(bad)) << bad.toStdString();
        EXPECT_THROW(sheet.pictures().insert(bad), WorkbookError) << bad.toStdString();
    }
}

TEST_F(WorkbookFileTest, QueryTablesWriteTheHeaderAndTheRowsAtTheirDestination) {
    // Another program may store a date as a dd/mm/yyyy text: a date column gives it as a date all the same.
    folder.exec("CREATE TABLE relatives (id INTEGER PRIMARY KEY, owner TEXT, Name TEXT, Age INTEGER, DOB DATETIME,"
                " relationship TEXT);"
                "INSERT INTO relatives (owner, Name, Age, DOB, relationship) VALUES ('E1', 'Ann', 40, '1985-03-02', 'Wife');"
                "INSERT INTO relatives (owner, Name, DOB, relationship) VALUES ('E1', 'Bob', NULL, 'Son');"
                "INSERT INTO relatives (owner, Name, DOB, relationship) VALUES ('E1', '02/03/1985', '2/3/1985', 'no date');"
                "INSERT INTO relatives (owner, Name, DOB) VALUES ('E1', 'Dan', 'unknown');"
                "INSERT INTO relatives (owner, Name) VALUES ('E2', 'Other')");
    sheet.range("A17").setValue("below the list");
    QueryTable& table = sheet.queryTables().add(connection(), sheet.range("B13"),
                                                "SELECT Name,Age,DOB,Relationship FROM relatives where owner='E1'");
    table.setRefreshStyle(xlInsertEntireRows);
    EXPECT_TRUE(table.refresh(false));

    EXPECT_EQ(sheet.cell("B13").value, db::Value("Name"));
    EXPECT_EQ(sheet.cell("E13").value, db::Value("Relationship"));   // as the query names it
    EXPECT_EQ(sheet.cell("C14").value.toInt(), 40);
    EXPECT_EQ(sheet.cell("D14").value, db::Value(QDate(1985, 3, 2)));
    EXPECT_TRUE(sheet.cell("D15").value.isNull());
    EXPECT_EQ(sheet.cell("D16").value, db::Value(QDate(1985, 3, 2)));
    EXPECT_EQ(sheet.cell("B16").value, db::Value("02/03/1985"));   // a text column keeps its text
    EXPECT_EQ(sheet.cell("D17").value, db::Value("unknown"));      // as does a date column that holds no date
    EXPECT_TRUE(sheet.cell("B18").value.isNull());
    EXPECT_EQ(sheet.cell("A17").value, db::Value("below the list"));   // nothing shifted

    EXPECT_THROW(table.setRefreshStyle(5), WorkbookError);
    EXPECT_THROW(sheet.queryTables().add("ODBC;DSN=x", sheet.range("A1"), "select 1"), WorkbookError);
    EXPECT_THROW(sheet.queryTables().add(connection(), book.worksheets(2).range("A1"), "select 1"), WorkbookError);
    const QString nowhere = "OLEDB;Data Source=" + folder.file("nothing.mdb") + ";";
    EXPECT_ANY_THROW(sheet.queryTables().add(nowhere, sheet.range("A30"), "select 1").refresh(false));
}

TEST_F(WorkbookFileTest, AnExistingFileIsReplacedOnlyWhenTheQuestionSaysSo) {
    ASSERT_TRUE(writeFile(savedPath(), "earlier workbook"));
    sheet.range("A1").setValue("new");
    QStringList asked;
    auto answer = [&](bool replace) {
        return [&asked, replace](const QString& fileName) {
            asked << fileName;
            return replace;
        };
    };

    try {
        book.saveAs("C:\\Pravel.xls", answer(false));
        FAIL() << "saved over the earlier file without leave";
    } catch (const WorkbookError& error) {
        EXPECT_TRUE(error.description().contains(savedPath())) << error.description().toStdString();
    }
    EXPECT_EQ(asked, QStringList({"C:\\Pravel.xls"}));
    EXPECT_EQ(readFile(savedPath()), "earlier workbook");

    book.saveAs("C:\\Pravel.xls", answer(true));
    EXPECT_EQ(XlsxReader(savedPath()).cells(1).value("A1"), "new");
    EXPECT_EQ(filesOnDriveC(), QStringList({"Pravel.xls"}));   // no temporary file left

    // No question where nothing would be replaced.
    asked.clear();
    book.saveAs("C:\\Other.xls", answer(false));
    EXPECT_TRUE(asked.isEmpty());
}

TEST_F(WorkbookFileTest, AReadOnlyFileIsNeverReplaced) {
    ASSERT_TRUE(writeFile(savedPath(), "earlier workbook"));
    QFile::setPermissions(savedPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    bool asked = false;
    try {
        book.saveAs("C:\\Pravel.xls", [&](const QString&) { return asked = true; });
        FAIL() << "a read-only file was replaced";
    } catch (const WorkbookError& error) {
        EXPECT_EQ(error.description(), "\"" + savedPath() + "\" is read-only, so it was not replaced. Make it writable, "
                                       "or remove it, and try again.");
    }
    EXPECT_FALSE(asked);
    EXPECT_EQ(readFile(savedPath()), "earlier workbook");
    EXPECT_EQ(filesOnDriveC(), QStringList({"Pravel.xls"}));
}

TEST_F(WorkbookFileTest, ASaveThatFailsPartWayLeavesTheEarlierFileAsItWasAndNothingElse) {
    const QByteArray earlier = "an earlier workbook, byte for byte";
    ASSERT_TRUE(writeFile(savedPath(), earlier));
    for (int row = 1; row <= 400; ++row) sheet.range(QString("A%1").arg(row)).setValue(QString("row %1 of the sheet").arg(row));

    for (std::size_t room : {std::size_t{0}, std::size_t{3000}}) {
        DiskFillingUp disk(room);
        try {
            save();
            FAIL() << "saved on a full disk";
        } catch (const WorkbookError& error) {
            EXPECT_EQ(error.description(), "\"" + savedPath() + "\" could not be saved: the disk is full. Free some "
                                           "space on it and try again. The earlier file is unchanged.");
        }
        EXPECT_EQ(readFile(savedPath()), earlier) << room;
        EXPECT_EQ(filesOnDriveC(), QStringList({"Pravel.xls"})) << room;
    }
    save();   // with room enough
    EXPECT_GT(QFileInfo(savedPath()).size(), 3000);
}

TEST_F(WorkbookFileTest, ASaveThatCannotBeCompletedSaysWhyAndLeavesNoFileBehind) {
    auto failureOf = [&](const QString& fileName) {
        try {
            book.saveAs(fileName, [](const QString&) { return true; });
        } catch (const WorkbookError& error) {
            return error.description();
        }
        return QString();
    };
    EXPECT_EQ(failureOf("C:\\no such folder\\Pravel.xls"),
              "\"" + folder.driveC() + "/no such folder/Pravel.xls\" could not be saved: its folder does not exist.");

    // A folder in the way: the workbook is written in full, but cannot take the name.
    ASSERT_TRUE(QDir(folder.driveC()).mkdir("Pravel.xls"));
    EXPECT_EQ(failureOf("C:\\Pravel.xls"), "\"" + savedPath() + "\" could not be saved: a folder of that name is in the way.");
    EXPECT_EQ(filesOnDriveC(), QStringList({"Pravel.xls"}));
    ASSERT_TRUE(QDir(folder.driveC()).rmdir("Pravel.xls"));

    // More than a cell holds: the sentence names the cell.
    sheet.range("C24").setValue(QString(40000, 'a'));
    EXPECT_EQ(failureOf("C:\\Pravel.xls"), "\"" + savedPath() + "\" could not be saved (cell C24 of Sheet1): it is "
                                           "longer than the 32,767 characters a cell holds.");
    EXPECT_TRUE(filesOnDriveC().isEmpty());
}

}  // namespace tests
