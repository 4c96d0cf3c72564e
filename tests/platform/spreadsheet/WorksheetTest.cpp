#include "platform/spreadsheet/Application.h"
#include "platform/spreadsheet/WorkbookError.h"
#include "tests/platform/spreadsheet/ValuePrinting.h"

#include <gtest/gtest.h>

using namespace spreadsheet;

namespace {

class WorksheetTest : public ::testing::Test {
protected:
    Application xl;
    Workbook& book = xl.workbooks().add();
    Worksheet& sheet = book.worksheets(1);
};

BorderLine thin() { return BorderLine{xlContinuous, xlThin}; }
BorderLine none() { return BorderLine{}; }

}  // namespace

TEST(AddressTest, ParsesCellsRowsAndColumnsAndRefusesTheRest) {
    EXPECT_EQ(parseCellRange("C14"), (CellRect{14, 3, 14, 3}));
    EXPECT_EQ(parseCellRange("A7:J7"), (CellRect{7, 1, 7, 10}));
    EXPECT_EQ(parseCellRange("J9:A7"), (CellRect{7, 1, 9, 10}));
    EXPECT_EQ(parseCellRange("$AB$2"), (CellRect{2, 28, 2, 28}));
    EXPECT_EQ(parseRows("1:23"), (CellRect{1, 1, 23, kMaxColumns}));
    EXPECT_EQ(parseColumns("D"), (CellRect{1, 4, kMaxRows, 4}));
    EXPECT_EQ(parseColumns("A:C"), (CellRect{1, 1, kMaxRows, 3}));
    for (const char* bad : {"", "7A", "A0", "A", "1:23", "A1:", "XFE1", "A1048577"}) {
        EXPECT_THROW(parseCellRange(bad), WorkbookError) << bad;
    }
    EXPECT_THROW(parseRows("A1"), WorkbookError);
    EXPECT_THROW(parseColumns("1"), WorkbookError);
    EXPECT_EQ(rectName(parseCellRange("AA10:ZZ100")), "AA10:ZZ100");
    EXPECT_EQ(columnName(16384), "XFD");
}

TEST_F(WorksheetTest, NewWorkbooksHaveTheSetNumberOfSheetsAndRefuseOtherPositions) {
    EXPECT_EQ(book.worksheetCount(), 6);
    EXPECT_THROW(book.worksheets(7), WorkbookError);
    EXPECT_THROW(book.worksheets(0), WorkbookError);
    setSheetsInNewWorkbook(3);
    Workbook& small = xl.workbooks().add();
    setSheetsInNewWorkbook(6);
    EXPECT_EQ(small.worksheetCount(), 3);
    EXPECT_NO_THROW(small.worksheets(3));
    EXPECT_THROW(small.worksheets(4), WorkbookError);
}

TEST_F(WorksheetTest, ValuesKeepTheirKindAndNullEmptiesACell) {
    sheet.range("A1").setValue("Name");
    sheet.range("A2").setValue(3.5);
    sheet.range("A3").setValue(QDate(1970, 5, 31));
    sheet.range("A4").setValue("x");
    sheet.range("A4").setValue(db::Value());
    EXPECT_EQ(sheet.cell("A1").value, db::Value("Name"));
    EXPECT_EQ(sheet.range("A2").value(), db::Value(3.5));
    EXPECT_EQ(sheet.cell("A3").value.type(), db::Value::Type::Date);
    EXPECT_EQ(sheet.cell("A3").style.numberFormat, "dd/mm/yyyy");   // a date shows as one
    EXPECT_TRUE(sheet.cell("A4").value.isNull());
    EXPECT_THROW(sheet.range("A5").setValue(QByteArray("\x01\x02")), WorkbookError);
    EXPECT_THROW(sheet.rows("1:2").setValue("x"), WorkbookError);
}

TEST_F(WorksheetTest, BorderAroundFramesOnlyTheOuterEdges) {
    sheet.range("A13:G29").borderAround(xlContinuous, xlThin, xlColorIndexAutomatic);
    const CellStyle corner = sheet.cell("A13").style;
    EXPECT_EQ(corner.edge(xlEdgeLeft), thin());
    EXPECT_EQ(corner.edge(xlEdgeTop), thin());
    EXPECT_EQ(corner.edge(xlEdgeRight), none());
    EXPECT_EQ(sheet.cell("G29").style.edge(xlEdgeRight), thin());
    EXPECT_EQ(sheet.cell("G29").style.edge(xlEdgeBottom), thin());
    EXPECT_EQ(sheet.cell("D20").style, CellStyle{});   // inside untouched
    EXPECT_EQ(sheet.cell("D29").style.edge(xlEdgeBottom), thin());
    EXPECT_EQ(sheet.cell("D30").style, CellStyle{});   // outside untouched

    sheet.range("B13:B29").borders(xlEdgeRight).setLineStyle(xlContinuous);
    EXPECT_EQ(sheet.cell("B20").style.edge(xlEdgeRight), thin());
    EXPECT_EQ(sheet.cell("B20").style.edge(xlEdgeLeft), none());

    EXPECT_THROW(sheet.range("A1").borderAround(xlContinuous, xlThin, 3), WorkbookError);
    EXPECT_THROW(sheet.range("A1").borderAround(7, xlThin, xlColorIndexAutomatic), WorkbookError);
    EXPECT_THROW(sheet.range("A1").borders(11), WorkbookError);
}

TEST_F(WorksheetTest, FormatsReachEveryCellOfTheRangeAndWholeColumnsReachLaterCellsToo) {
    sheet.range("A7").font().setBold(true);
    sheet.range("A7:J7").interior().setColor(16776960);
    sheet.range("A4:D19").font().setSize(8);
    sheet.range("C14:C29").setHorizontalAlignment(xlCenter);
    sheet.range("A45").setVerticalAlignment(xlTop);
    EXPECT_TRUE(sheet.cell("A7").style.bold);
    EXPECT_FALSE(sheet.cell("B7").style.bold);
    EXPECT_EQ(sheet.cell("J7").style.interiorColor, 16776960u);
    EXPECT_FALSE(sheet.cell("K7").style.interiorColor);
    EXPECT_EQ(sheet.cell("D19").style.fontSize, 8);
    EXPECT_EQ(sheet.cell("D20").style.fontSize, kDefaultFontSize);
    EXPECT_EQ(sheet.cell("C29").style.horizontalAlignment, xlCenter);
    EXPECT_EQ(sheet.cell("A45").style.verticalAlignment, xlTop);

    sheet.range("D14").setValue("written before");
    sheet.columns("D").setNumberFormat("dd/mm/yyyy");
    sheet.range("D15").setValue("written after");
    EXPECT_EQ(sheet.cell("D14").style.numberFormat, "dd/mm/yyyy");
    EXPECT_EQ(sheet.cell("D15").style.numberFormat, "dd/mm/yyyy");
    EXPECT_EQ(sheet.cell("D900").style.numberFormat, "dd/mm/yyyy");
    EXPECT_EQ(sheet.cell("E14").style.numberFormat, kGeneralFormat);

    EXPECT_THROW(sheet.range("A1").setHorizontalAlignment(xlTop), WorkbookError);
    EXPECT_THROW(sheet.range("A1").setVerticalAlignment(xlLeft), WorkbookError);
    EXPECT_THROW(sheet.range("A1").interior().setColor(-1), WorkbookError);
    EXPECT_THROW(sheet.rows("1:3").font().setBold(true), WorkbookError);
}

TEST_F(WorksheetTest, RowHeightsAndColumnWidthsFollowTheRangeTheyAreSetThrough) {
    sheet.rows("1:23").setRowHeight(16);
    sheet.range("C7").setRowHeight(51);
    sheet.columns("A").setColumnWidth(17.57);
    sheet.range("C3:D3").setColumnWidth(10);
    EXPECT_EQ(sheet.rowHeight(1), 16);
    EXPECT_EQ(sheet.rowHeight(23), 16);
    EXPECT_EQ(sheet.rowHeight(7), 51);
    EXPECT_FALSE(sheet.rowHeight(24));
    EXPECT_EQ(sheet.columnWidth(1), 17.57);
    EXPECT_EQ(sheet.columnWidth(4), 10);
    EXPECT_FALSE(sheet.columnWidth(2));
    EXPECT_THROW(sheet.range("A1").setRowHeight(410), WorkbookError);
    EXPECT_THROW(sheet.columns("A").setRowHeight(20), WorkbookError);
}

TEST_F(WorksheetTest, MergingKeepsTheFirstValueAndRefusesOverlaps) {
    sheet.range("C45").setValue("first");
    sheet.range("D45").setValue("dropped");
    sheet.range("C45:I45").merge();
    sheet.range("C45:I45").merge();   // the same area again changes nothing
    sheet.range("C46").merge();       // one cell is no merge
    EXPECT_EQ(sheet.cell("C45").value, db::Value("first"));
    EXPECT_TRUE(sheet.cell("D45").value.isNull());
    ASSERT_EQ(sheet.mergedAreas().size(), 1u);
    EXPECT_EQ(sheet.mergedAreas()[0], parseCellRange("C45:I45"));
    try {
        sheet.range("I44:J45").merge();
        FAIL() << "an overlapping merge was accepted";
    } catch (const WorkbookError& error) {
        EXPECT_EQ(error.description(), "Cannot merge I44:J45: it overlaps the merged cells C45:I45.");
    }
    EXPECT_EQ(sheet.mergedAreas().size(), 1u);
}

TEST_F(WorksheetTest, OnlyTheActiveSheetCanBeSelectedAndTheApplicationAddressesIt) {
    xl.range("H1").select();
    EXPECT_EQ(sheet.selection(), parseCellRange("H1"));
    EXPECT_THROW(book.worksheets(2).range("A1").select(), WorkbookError);
    xl.quit();
    EXPECT_THROW(xl.range("A1"), WorkbookError);
    EXPECT_THROW(xl.workbooks().add(), WorkbookError);
}
