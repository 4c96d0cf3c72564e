#include "platform/spreadsheet/Constants.h"
#include "tests/platform/spreadsheet/WorkbookFixture.h"
#include "tests/platform/spreadsheet/XlsxReader.h"

#include <QDate>

#include <gtest/gtest.h>

#include <limits>

namespace tests {

using namespace spreadsheet;

namespace {

class XlsxFileTest : public WorkbookFixture {
protected:
    // Puts each value in its cell, saves, and expects every cell to read back as the text given, held
    // as the kind given.
    void expectReadBack(std::initializer_list<std::tuple<const char*, db::Value, QString, const char*>> cells) {
        for (const auto& [address, value, shown, kind] : cells) sheet.range(address).setValue(value);
        save();
        const XlsxReader file(savedPath());
        const auto values = file.cells(1);
        for (const auto& [address, value, shown, kind] : cells) {
            EXPECT_EQ(values.value(address), shown) << address;
            EXPECT_EQ(file.kind(1, address), kind) << address;
        }
    }
};

}  // namespace

TEST_F(XlsxFileTest, TextsReadBackAsTyped) {
    // Spreadsheet programs read _xHHHH_ as the character HHHH: such sequences in the text itself are kept.
    expectReadBack({{"A1", "lit_x0041_eral", "lit_x0041_eral", "text"},
                    {"A2", "_x005F_x0041_", "_x005F_x0041_", "text"},
                    {"A3", "a_X004a_b and _x12_", "a_X004a_b and _x12_", "text"},
                    {"A4", QString("bell\x07rings"), QString("bell\x07rings"), "text"},
                    {"A5", "plain_text", "plain_text", "text"},
                    {"A6", "caf_x00e9_ au lait", "caf_x00e9_ au lait", "text"}});
}

TEST_F(XlsxFileTest, DatesFromMarchNineteenHundredAreDayNumbersEarlierOnesText) {
    // Before 1 March 1900 programs disagree on the day number, so such a date is written as its text.
    expectReadBack({{"A1", QDate(1899, 12, 31), "31/12/1899", "text"},
                    {"A2", QDate(1900, 1, 1), "01/01/1900", "text"},
                    {"A3", QDate(1900, 2, 28), "28/02/1900", "text"},
                    {"A4", QDate(1900, 3, 1), "61", "number"},
                    {"A5", QDate(1980, 7, 15), "29417", "number"}});
    const XlsxReader file(savedPath());
    for (const char* address : {"A2", "A5"}) EXPECT_EQ(file.format(1, address)->numberFormat, "dd/mm/yyyy") << address;
}

TEST_F(XlsxFileTest, NumbersTheFileCannotHoldAreWrittenAsText) {
    const double infinity = std::numeric_limits<double>::infinity();
    expectReadBack({{"A1", infinity, "inf", "text"},
                    {"A2", -infinity, "-inf", "text"},
                    {"A3", std::numeric_limits<double>::quiet_NaN(), "nan", "text"},
                    {"A4", 2.5, "2.5", "number"},
                    {"A5", 45, "45", "number"}});
}

TEST_F(XlsxFileTest, FormatsReadBackAsTheModelGivesThem) {
    sheet.range("A1").setValue("title");
    sheet.range("A1").font().setBold(true);
    sheet.range("A1:B1").interior().setColor(16776960);   // cyan: red 0, green 255, blue 255
    sheet.range("C1").interior().setColor(0x0080FF);     // orange: red 255, green 128, blue 0
    sheet.range("A2").font().setSize(8);
    sheet.range("A3").setHorizontalAlignment(xlLeft);
    sheet.range("A4").setHorizontalAlignment(xlCenter);
    sheet.range("A5").setVerticalAlignment(xlTop);
    sheet.range("A5").setWrapText(true);
    sheet.range("B8:C9").borderAround(xlContinuous, xlThin, xlColorIndexAutomatic);
    sheet.range("D8:D9").borders(xlEdgeRight).setLineStyle(xlContinuous);
    sheet.columns("E").setNumberFormat("dd/mm/yyyy");
    sheet.range("E10").setValue(QDate(2013, 4, 9));
    sheet.columns("B").setColumnWidth(17.57);
    sheet.columns("C").setColumnWidth(1.5);
    sheet.rows("4:5").setRowHeight(16);
    sheet.range("C7").setRowHeight(60);
    for (const char* address : {"A2", "A3", "A4", "A5", "B1", "C1", "B8", "C8", "B9", "C9", "D8", "D9"}) {
        sheet.range(address).setValue("x");
    }
    save();

    const XlsxReader file(savedPath());
    auto format = [&](const char* address) { return file.format(1, address).value_or(FileCellFormat{}); };
    FileCellFormat expected;
    expected.bold = true;
    expected.fill = "FF00FFFF";
    EXPECT_EQ(format("A1"), expected);
    expected.bold = false;
    EXPECT_EQ(format("B1"), expected);
    expected.fill = "FFFF8000";
    EXPECT_EQ(format("C1"), expected);

    EXPECT_EQ(format("A2").fontSize, 8);
    EXPECT_EQ(format("A3").horizontal, "left");
    EXPECT_EQ(format("A4").horizontal, "center");
    EXPECT_EQ(format("A5").vertical, "top");
    EXPECT_TRUE(format("A5").wrap);
    FileCellFormat centred;
    centred.horizontal = "center";
    EXPECT_EQ(format("A4"), centred);   // and nothing else

    // Lines as left, top, bottom, right.
    auto lines = [](const char* left, const char* top, const char* bottom, const char* right) {
        FileCellFormat framed;
        framed.left = left;
        framed.top = top;
        framed.bottom = bottom;
        framed.right = right;
        return framed;
    };
    EXPECT_EQ(format("B8"), lines("thin", "thin", "", ""));
    EXPECT_EQ(format("C8"), lines("", "thin", "", "thin"));
    EXPECT_EQ(format("B9"), lines("thin", "", "thin", ""));
    EXPECT_EQ(format("C9"), lines("", "", "thin", "thin"));
    EXPECT_EQ(format("D8"), lines("", "", "", "thin"));
    EXPECT_EQ(format("D9"), lines("", "", "", "thin"));
    EXPECT_EQ(format("E10").numberFormat, "dd/mm/yyyy");

    EXPECT_NEAR(file.columnWidth(1, 2).value_or(0), 17.57, 1 / 7.0);
    EXPECT_NEAR(file.columnWidth(1, 3).value_or(0), 1.5, 1 / 7.0);
    EXPECT_FALSE(file.columnWidth(1, 1));
    EXPECT_EQ(file.rowHeight(1, 4), 16);
    EXPECT_EQ(file.rowHeight(1, 5), 16);
    EXPECT_EQ(file.rowHeight(1, 7), 60);
    EXPECT_FALSE(file.rowHeight(1, 6));
}

}  // namespace tests
