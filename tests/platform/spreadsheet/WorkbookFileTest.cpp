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
        const QString path = folder.file(name);
        EXPECT_TRUE(image.save(path, format));
        return path;
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
    Picture inserted = sheet.pictures().insert(picture("photo.jpg", "JPG", {120, 160}));
    inserted.select();
    ASSERT_EQ(sheet.pictures().count(), 1);
    const PlacedPicture& placed = sheet.pictures().at(0);
    EXPECT_EQ(placed.row, 1);
    EXPECT_EQ(placed.column, 8);
    EXPECT_EQ(placed.pixelSize, QSize(120, 160));
    EXPECT_EQ(sheet.pictures().selected(), 0);

    // A BMP is kept as a PNG of the same picture; anything else is refused.
    sheet.pictures().insert(picture("photo.bmp", "BMP"));
    EXPECT_TRUE(sheet.pictures().at(1).bytes.startsWith("\x89PNG"));
    EXPECT_EQ(sheet.pictures().at(1).pixelSize, QSize(40, 30));
    QFile text(folder.file("notes.jpg"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    for (const QString& bad : {QString(), folder.file("notes.jpg"), folder.file("missing.jpg")}) {
        EXPECT_FALSE(Pictures::isInsertable(bad)) << bad.toStdString();
        EXPECT_THROW(sheet.pictures().insert(bad), WorkbookError) << bad.toStdString();
    }
    EXPECT_EQ(sheet.pictures().count(), 2);
}

TEST_F(WorkbookFileTest, QueryTablesWriteTheHeaderAndTheRowsAtTheirDestination) {
    folder.exec("INSERT INTO familytree (empid, Name, n, Age, DOB, relationship) VALUES "
                "('E1', 'Ann', ' ', 40, '1985-03-02', 'Wife');"
                "INSERT INTO familytree (empid, Name, n, Age, DOB, relationship) VALUES "
                "('E1', 'Bob', ' ', NULL, NULL, 'Son');"
                "INSERT INTO familytree (empid, Name) VALUES ('E2', 'Other')");
    sheet.range("A17").setValue("below the list");
    QueryTable& table =
        sheet.queryTables().add(connection(), sheet.range("B13"),
                                "SELECT Name,n,Age,DOB,Relationship FROM familytree where empid='E1'");
    table.setRefreshStyle(xlInsertEntireRows);
    EXPECT_TRUE(table.refresh(false));

    EXPECT_EQ(table.resultRowCount(), 2);
    EXPECT_EQ(sheet.cell("B13").value, db::Value("Name"));
    EXPECT_EQ(sheet.cell("F13").value, db::Value("Relationship"));   // as the query names it
    EXPECT_EQ(sheet.cell("B14").value, db::Value("Ann"));
    EXPECT_EQ(sheet.cell("C14").value, db::Value(" "));
    EXPECT_EQ(sheet.cell("D14").value.toInt(), 40);
    EXPECT_EQ(sheet.cell("E14").value, db::Value(QDate(1985, 3, 2)));
    EXPECT_TRUE(sheet.cell("D15").value.isNull());
    EXPECT_TRUE(sheet.cell("E15").value.isNull());
    EXPECT_TRUE(sheet.cell("B16").value.isNull());
    EXPECT_EQ(sheet.cell("A17").value, db::Value("below the list"));   // nothing shifted

    EXPECT_THROW(table.setRefreshStyle(5), WorkbookError);
    EXPECT_THROW(sheet.queryTables().add("ODBC;DSN=x", sheet.range("A1"), "select 1"), WorkbookError);
    EXPECT_THROW(sheet.queryTables().add(connection(), book.worksheets(2).range("A1"), "select 1"), WorkbookError);
    QueryTable& missing = sheet.queryTables().add(
        "OLEDB;Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + folder.file("nothing.mdb") + ";", sheet.range("A30"),
        "select 1");
    EXPECT_ANY_THROW(missing.refresh(false));
}

TEST_F(WorkbookFileTest, SavingWritesAWorkbookWithEverySheetMergeAndPicture) {
    sheet.range("A7").setValue("PERSONAL INFORMATION");
    sheet.range("C9").setValue(42);
    sheet.range("C14").setValue(QDate(1970, 1, 2));
    sheet.range("C45").setValue("long text");
    sheet.range("C45:I45").merge();
    sheet.range("A13:G29").borderAround(xlContinuous, xlThin, xlColorIndexAutomatic);
    sheet.range("A7:J7").interior().setColor(16776960);
    sheet.rows("1:23").setRowHeight(16);
    sheet.columns("D").setNumberFormat("dd/mm/yyyy");
    sheet.columns("A").setColumnWidth(17.57);
    xl.range("H1").select();
    sheet.pictures().insert(picture("photo.png", "PNG"));
    book.worksheets(6).range("A1").setValue("last sheet");

    book.saveAs("C:\\Pravel.xls");

    EXPECT_EQ(book.fullName(), savedPath());
    EXPECT_TRUE(services.boxes.shown.empty());
    testsupport::XlsxReader file(savedPath());
    ASSERT_TRUE(file.isOpen());
    EXPECT_EQ(file.sheetNames(), QStringList({"Sheet1", "Sheet2", "Sheet3", "Sheet4", "Sheet5", "Sheet6"}));
    const auto cells = file.cells(1);
    EXPECT_EQ(cells.value("A7"), "PERSONAL INFORMATION");
    EXPECT_EQ(cells.value("C9"), "42");
    EXPECT_EQ(cells.value("C14"), "25570");   // 2 January 1970 as a day number
    EXPECT_EQ(file.cells(6).value("A1"), "last sheet");
    EXPECT_EQ(file.mergedRanges(1), QStringList({"C45:I45"}));
    EXPECT_EQ(file.pictureAnchors(1), QStringList({"0,7"}));
    EXPECT_TRUE(file.parts().contains("xl/media/image1.png"));
    EXPECT_EQ(filesOnDriveC(), QStringList({"Pravel.xls"}));   // no temporary file left
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
    EXPECT_EQ(testsupport::XlsxReader(savedPath()).cells(1).value("A1"), "new");
    EXPECT_EQ(filesOnDriveC(), QStringList({"Pravel.xls"}));
}

TEST_F(WorkbookFileTest, ASaveThatCannotBeCompletedLeavesNoFileBehind) {
    EXPECT_THROW(book.saveAs("C:\\no such folder\\Pravel.xls"), WorkbookError);
    // A folder in the way: the workbook is written in full, but cannot take the name.
    ASSERT_TRUE(QDir(folder.driveC()).mkdir("Pravel.xls"));
    services.boxes.answers = {forms::Answer::Yes};
    EXPECT_THROW(book.saveAs("C:\\Pravel.xls"), WorkbookError);
    EXPECT_TRUE(filesOnDriveC().isEmpty());
}

TEST_F(WorkbookFileTest, AVisibleApplicationShowsASavedFileThroughTheDesktop) {
    book.saveAs("C:\\Pravel.xls");
    Application shown;
    EXPECT_THROW(shown.workbooks().open("C:\\Pravel.xls"), WorkbookError);
    shown.setVisible(true);
    EXPECT_THROW(shown.workbooks().open("C:\\Missing.xls"), WorkbookError);
    shown.workbooks().open("C:\\Pravel.xls");
    EXPECT_EQ(services.opener.opened, QStringList({savedPath()}));
}
