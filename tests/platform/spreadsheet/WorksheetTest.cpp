#include "platform/spreadsheet/Application.h"
#include "platform/spreadsheet/WorkbookError.h"
#include "tests/platform/spreadsheet/ValuePrinting.h"

#include <gtest/gtest.h>

namespace tests {

using namespace spreadsheet;

namespace {

class WorksheetTest : public ::testing::Test {
protected:
    Application xl;
    Workbook& book = xl.workbooks().add();
    Worksheet& sheet = book.worksheets(1);
};

}  // namespace

TEST(AddressTest, ParsesCellsRowsAndColumnsAndRefusesTheRest) {
    EXPECT_EQ(parseCellRange("J9:A7"), (CellRect{7, 1, 9, 10}));
    EXPECT_EQ(parseCellRange("$AB$2"), (CellRect{2, 28, 2, 28}));
    EXPECT_EQ(parseRows("1:23"), (CellRect{1, 1, 23, kMaxColumns}));
    EXPECT_EQ(parseColumns("A:C"), (CellRect{1, 1, kMaxRows, 3}));
    for (const char* bad : {"", "7A", "A0", "A", "1:23", "A1:", "XFE1", "A1048577"}) {
        EXPECT_THROW(parseCellRange(bad), WorkbookError) << bad;
    }
    EXPECT_THROW(parseRows("A1"), WorkbookError);
    EXPECT_THROW(parseColumns("1"), WorkbookError);
    EXPECT_EQ(rectName(parseCellRange("AA10:XFD100")), "AA10:XFD100");
}

TEST_F(WorksheetTest, NewWorkbooksHaveTheSetNumberOfSheetsAndRefuseOtherPositions) {
    EXPECT_EQ(book.worksheetCount(), 6);
    EXPECT_THROW(book.worksheets(7), WorkbookError);
    EXPECT_THROW(book.worksheets(0), WorkbookError);
    setSheetsInNewWorkbook(3);
    Workbook& small = xl.workbooks().add();
    setSheetsInNewWorkbook(6);
    EXPECT_EQ(small.worksheetCount(), 3);
    EXPECT_THROW(small.worksheets(4), WorkbookError);
}

TEST_F(WorksheetTest, ValuesKeepTheirKindAndWholeColumnFormatsReachLaterCells) {
    sheet.range("A3").setValue(QDate(1970, 5, 31));
    sheet.range("A4").setValue("x");
    sheet.range("A4").setValue(db::Value());
    EXPECT_EQ(sheet.cell("A3").value, db::Value(QDate(1970, 5, 31)));
    EXPECT_EQ(sheet.cell("A3").style.numberFormat, "dd/mm/yyyy");   // a date shows as one
    EXPECT_TRUE(sheet.cell("A4").value.isNull());
    EXPECT_THROW(sheet.range("A5").setValue(QByteArray("\x01\x02")), WorkbookError);
    EXPECT_THROW(sheet.rows("1:2").setValue("x"), WorkbookError);

    sheet.range("D14").setValue("written before");
    sheet.columns("D").setNumberFormat("dd/mm/yyyy");
    sheet.range("D15").setValue("written after");
    for (const char* cell : {"D14", "D15", "D900"}) EXPECT_EQ(sheet.cell(cell).style.numberFormat, "dd/mm/yyyy");
    EXPECT_EQ(sheet.cell("E14").style.numberFormat, kGeneralFormat);

    EXPECT_THROW(sheet.range("A1").setHorizontalAlignment(xlTop), WorkbookError);
    EXPECT_THROW(sheet.range("A1").borderAround(xlContinuous, xlThin, 3), WorkbookError);
    EXPECT_THROW(sheet.range("A1").borders(11), WorkbookError);
    EXPECT_THROW(sheet.rows("1:3").font().setBold(true), WorkbookError);
    EXPECT_THROW(sheet.columns("A").setRowHeight(20), WorkbookError);
}

TEST_F(WorksheetTest, AColumnOfTheStandardWidthWidensForADateAndASetWidthStays) {
    sheet.range("C8").setValue("a text");
    sheet.range("G8").setValue(db::Value());
    EXPECT_FALSE(sheet.columnWidth(3));
    EXPECT_FALSE(sheet.columnWidth(7));
    sheet.range("C8").setValue(QDate(2001, 2, 3));
    EXPECT_EQ(sheet.columnWidth(3), kShortDateWidth);
    sheet.columns("C").setColumnWidth(30);
    sheet.range("C9").setValue(QDate(2001, 2, 3));
    EXPECT_EQ(sheet.columnWidth(3), 30);   // wider on purpose
    sheet.columns("D").setColumnWidth(5);
    sheet.range("D9").setValue(QDate(2001, 2, 3));
    EXPECT_EQ(sheet.columnWidth(4), 5);    // narrower on purpose
}

TEST_F(WorksheetTest, MergingKeepsTheFirstValueAndRefusesOverlaps) {
    sheet.range("C45").setValue("first");
    sheet.range("D45").setValue("dropped");
    sheet.range("C45:I45").merge();
    sheet.range("C45:I45").merge();   // the same area again changes nothing
    sheet.range("C46").merge();       // one cell is no merge
    EXPECT_EQ(sheet.cell("C45").value, db::Value("first"));
    EXPECT_TRUE(sheet.cell("D45").value.isNull());
    EXPECT_EQ(sheet.mergedAreas(), std::vector<CellRect>{parseCellRange("C45:I45")});
    try {
        sheet.range("I44:J45").merge();
        FAIL() << "an overlapping merge was accepted";
    } catch (const WorkbookError& error) {
        EXPECT_EQ(error.description(), "Cannot merge I44:J45: it overlaps the merged cells C45:I45.");
    }
    EXPECT_EQ(sheet.mergedAreas().size(), 1u);
}

TEST_F(WorksheetTest, OnlyTheActiveSheetCanBeSelectedAndNothingAnswersAfterQuit) {
    xl.range("H1").select();
    EXPECT_EQ(sheet.selection(), parseCellRange("H1"));
    EXPECT_THROW(book.worksheets(2).range("A1").select(), WorkbookError);
    xl.quit();
    EXPECT_THROW(xl.range("A1"), WorkbookError);
    EXPECT_THROW(xl.workbooks().add(), WorkbookError);
}

}  // namespace tests
