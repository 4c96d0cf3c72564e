#include "platform/spreadsheet/Application.h"
#include "platform/spreadsheet/WorkbookError.h"
#include "tests/platform/spreadsheet/ValuePrinting.h"
#include "tests/platform/spreadsheet/XlsxReader.h"
#include "tests/support/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

using namespace spreadsheet;

namespace {

class WorkbookFileTest : public testsupport::ProgramTest {
protected:
    QString picture(const QString& name, const char* format, QSize size = {40, 30}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        EXPECT_TRUE(image.save(folder.file(name), format));
        return folder.file(name);
    }
    QString connection() const { return "OLEDB;Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + folder.path() + "\\maindb.mdb;"; }
    QString savedPath() const { return folder.driveC() + "/Pravel.xls"; }
    QStringList filesOnDriveC() const { return QDir(folder.driveC()).entryList(QDir::Files | QDir::Hidden); }

    Application xl;
    Workbook& book = xl.workbooks().add();
    Worksheet& sheet = book.worksheets(1);
};

}  // namespace

TEST_F(WorkbookFileTest, PicturesGoToTheSelectedCellAtTheirOwnSize) {
    xl.range("H1").select();
    sheet.pictures().insert(picture("photo.jpg", "JPG", {120, 160})).select();
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
    folder.exec("INSERT INTO familytree (empid, Name, Age, DOB, relationship) VALUES ('E1', 'Ann', 40, '1985-03-02', 'Wife');"
                "INSERT INTO familytree (empid, Name, relationship) VALUES ('E1', 'Bob', 'Son');"
                "INSERT INTO familytree (empid, Name) VALUES ('E2', 'Other')");
    sheet.range("A17").setValue("below the list");
    QueryTable& table = sheet.queryTables().add(connection(), sheet.range("B13"),
                                                "SELECT Name,Age,DOB,Relationship FROM familytree where empid='E1'");
    table.setRefreshStyle(xlInsertEntireRows);
    EXPECT_TRUE(table.refresh(false));

    EXPECT_EQ(table.resultRowCount(), 2);
    EXPECT_EQ(sheet.cell("B13").value, db::Value("Name"));
    EXPECT_EQ(sheet.cell("E13").value, db::Value("Relationship"));   // as the query names it
    EXPECT_EQ(sheet.cell("C14").value.toInt(), 40);
    EXPECT_EQ(sheet.cell("D14").value, db::Value(QDate(1985, 3, 2)));
    EXPECT_TRUE(sheet.cell("D15").value.isNull());
    EXPECT_TRUE(sheet.cell("B16").value.isNull());
    EXPECT_EQ(sheet.cell("A17").value, db::Value("below the list"));   // nothing shifted

    EXPECT_THROW(table.setRefreshStyle(5), WorkbookError);
    EXPECT_THROW(sheet.queryTables().add("ODBC;DSN=x", sheet.range("A1"), "select 1"), WorkbookError);
    EXPECT_THROW(sheet.queryTables().add(connection(), book.worksheets(2).range("A1"), "select 1"), WorkbookError);
    const QString nowhere = "OLEDB;Data Source=" + folder.file("nothing.mdb") + ";";
    EXPECT_ANY_THROW(sheet.queryTables().add(nowhere, sheet.range("A30"), "select 1").refresh(false));
}

TEST_F(WorkbookFileTest, AnExistingFileIsReplacedOnlyWhenTheUserAgrees) {
    QFile earlier(savedPath());
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier workbook");
    earlier.close();
    sheet.range("A1").setValue("new");

    services.boxes.answers = {forms::Answer::No};
    EXPECT_THROW(book.saveAs("C:\\Pravel.xls"), WorkbookError);
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_EQ(services.boxes.shown[0].buttons, forms::Buttons::YesNo);
    EXPECT_TRUE(services.boxes.shown[0].prompt.contains("C:\\Pravel.xls"));
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), "earlier workbook");
    earlier.close();

    services.boxes.answers = {forms::Answer::Yes};
    book.saveAs("C:\\Pravel.xls");
    EXPECT_EQ(book.fullName(), savedPath());
    EXPECT_EQ(testsupport::XlsxReader(savedPath()).cells(1).value("A1"), "new");
    EXPECT_EQ(filesOnDriveC(), QStringList({"Pravel.xls"}));   // no temporary file left
}

TEST_F(WorkbookFileTest, ASaveThatCannotBeCompletedLeavesNoFileBehind) {
    EXPECT_THROW(book.saveAs("C:\\no such folder\\Pravel.xls"), WorkbookError);
    // A folder in the way: the workbook is written in full, but cannot take the name.
    ASSERT_TRUE(QDir(folder.driveC()).mkdir("Pravel.xls"));
    services.boxes.answers = {forms::Answer::Yes};
    EXPECT_THROW(book.saveAs("C:\\Pravel.xls"), WorkbookError);
    EXPECT_TRUE(filesOnDriveC().isEmpty());
}
