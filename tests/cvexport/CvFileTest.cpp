#include "tests/cvexport/CvFixture.h"

#include "tests/platform/spreadsheet/XlsxReader.h"

#include <gtest/gtest.h>

namespace tests {

using forms::Answer;

namespace {

// The saved CV read back as a spreadsheet program reads it.
class CvFileTest : public CvTest {
protected:
    FileCellFormat format(const XlsxReader& file, int sheet, const char* address) {
        const auto found = file.format(sheet, address);
        EXPECT_TRUE(found) << "no cell " << address << " on sheet " << sheet;
        return found.value_or(FileCellFormat{});
    }
    // Border lines as left, top, bottom, right, on top of a format.
    static FileCellFormat lined(FileCellFormat base, const char* left, const char* top, const char* bottom, const char* right) {
        base.left = left;
        base.top = top;
        base.bottom = bottom;
        base.right = right;
        return base;
    }
    static void expectWidths(const XlsxReader& file, int sheet, std::initializer_list<std::pair<int, double>> widths) {
        for (const auto& [column, width] : widths) {
            EXPECT_NEAR(file.columnWidth(sheet, column).value_or(0), width, 1 / 7.0) << "sheet " << sheet << " column " << column;
        }
    }
    static QString dayNumber(const QDate& date) { return QString::number(QDate(1899, 12, 30).daysTo(date)); }
};

}  // namespace

TEST_F(CvFileTest, EverySheetShowsItsFormatsInTheSavedFile) {
    folder.exec("INSERT INTO familytree (empid, Name, DOB) VALUES ('E1', 'Nur', '2013-04-09');"
                "INSERT INTO academic (empid, Period) VALUES ('E1', '1998');"
                "INSERT INTO employment (empid, CompanyName, DateJoined, Dateleft, workdescription) "
                "VALUES ('E1', 'Acme', '2001-02-03', '2005-06-30', 'Built things');"
                "INSERT INTO project (empid, ProjectName, Role) VALUES ('E1', 'Payroll', 'Lead')");
    services.boxes.answers = {Answer::No};
    run();
    const XlsxReader file(savedPath());
    ASSERT_TRUE(file.isOpen());

    // Section titles: the title cell bold, the cyan fill (red 0, green 255, blue 255) over the title's range alone.
    FileCellFormat filled;
    filled.fill = "FF00FFFF";
    FileCellFormat title = filled;
    title.bold = true;
    for (const auto& [sheet, titleCell, lastFilled, firstUnfilled] :
         std::initializer_list<std::tuple<int, const char*, const char*, const char*>>{
             {1, "A7", "J7", "K7"}, {1, "A37", "J37", "K37"}, {2, "A1", "G1", "H1"}, {3, "A26", "E26", "F26"},
             {4, "A22", "D22", "E22"}, {5, "A1", "H1", "I1"}, {6, "A1", "I1", "J1"}}) {
        EXPECT_EQ(format(file, sheet, titleCell), title) << sheet << titleCell;
        EXPECT_EQ(format(file, sheet, lastFilled), filled) << sheet << lastFilled;
        EXPECT_FALSE(file.format(sheet, firstUnfilled)) << sheet << firstUnfilled;
    }

    // Personal sheet: the dates and the numbers aligned left, the long texts at the top and wrapped.
    FileCellFormat date;
    date.numberFormat = "dd/mm/yyyy";
    date.horizontal = "left";
    EXPECT_EQ(format(file, 1, "C14"), date);
    EXPECT_EQ(format(file, 1, "G12"), date);
    EXPECT_EQ(format(file, 1, "C19").horizontal, "left");
    EXPECT_EQ(format(file, 1, "G14").horizontal, "left");
    EXPECT_EQ(format(file, 1, "A45").vertical, "top");
    EXPECT_TRUE(format(file, 1, "C46").wrap);
    EXPECT_TRUE(format(file, 1, "A40").bold);
    expectWidths(file, 1, {{1, 17.57}, {2, 1.5}, {3, 10}, {4, 5.43}, {6, 1.5}, {7, 10}});
    for (int row : {1, 23, 36, 44}) EXPECT_EQ(file.rowHeight(1, row), 16) << row;
    EXPECT_FALSE(file.rowHeight(1, 24));

    // Family: the frame and column lines, the centred age and date of birth, the spouse's address.
    EXPECT_EQ(format(file, 2, "A13"), lined({}, "thin", "thin", "thin", ""));
    EXPECT_EQ(format(file, 2, "G13"), lined({}, "", "thin", "thin", "thin"));
    EXPECT_EQ(format(file, 2, "A29"), lined({}, "thin", "", "thin", ""));
    EXPECT_EQ(format(file, 2, "G29"), lined({}, "", "", "thin", "thin"));
    FileCellFormat centredDate;
    centredDate.horizontal = "center";
    centredDate.numberFormat = "dd/mm/yyyy";
    EXPECT_EQ(format(file, 2, "D14"), lined(centredDate, "", "", "", "thin"));
    EXPECT_EQ(file.cells(2).value("D14"), dayNumber(QDate(2013, 4, 9)));
    FileCellFormat spouseAddress;
    spouseAddress.vertical = "top";
    spouseAddress.wrap = true;
    EXPECT_EQ(format(file, 2, "C7"), spouseAddress);
    EXPECT_EQ(file.rowHeight(2, 7), 51);
    expectWidths(file, 2, {{1, 17.57}, {3, 3.57}, {4, 13.43}, {5, 11.43}, {6, 17.86}, {7, 12.71}});

    // Skills and academic: frames, and small print under the academic header row.
    EXPECT_EQ(format(file, 3, "A24"), lined({}, "thin", "", "thin", "thin"));
    FileCellFormat small;
    small.fontSize = 8;
    EXPECT_EQ(format(file, 4, "A4"), lined(small, "thin", "", "", "thin"));
    EXPECT_EQ(format(file, 4, "D44"), lined(small, "", "", "thin", "thin"));
    EXPECT_EQ(format(file, 4, "A3"), lined({}, "thin", "thin", "thin", "thin"));
    expectWidths(file, 3, {{1, 23.29}, {2, 14.43}, {3, 28.86}});
    expectWidths(file, 4, {{1, 17.29}, {2, 28.14}, {3, 26.29}, {4, 16.57}});

    // Employment: the two dates, wide enough to show, and the description at the top and wrapped.
    FileCellFormat blockDate;
    blockDate.numberFormat = "dd/mm/yyyy";
    EXPECT_EQ(format(file, 5, "C8"), blockDate);
    EXPECT_EQ(format(file, 5, "G8"), blockDate);
    EXPECT_EQ(format(file, 5, "C10"), spouseAddress);
    EXPECT_EQ(format(file, 5, "A10").vertical, "top");
    EXPECT_EQ(file.rowHeight(5, 10), 60);
    expectWidths(file, 5, {{1, 17.57}, {2, 1.5}, {3, 10}, {6, 1.5}, {7, 10}});

    // Projects: the three long rows.
    for (const char* address : {"C7", "C8", "C9"}) EXPECT_EQ(format(file, 6, address), spouseAddress) << address;
    EXPECT_EQ(file.rowHeight(6, 7), 60);
    EXPECT_EQ(file.rowHeight(6, 8), 35);
    EXPECT_EQ(file.rowHeight(6, 9), 35);
    expectWidths(file, 6, {{1, 17.57}, {2, 1.5}});
}

TEST_F(CvFileTest, ValuesStoredByAnotherProgramShowAsStored) {
    folder.exec("UPDATE employee SET empname = 'lit_x0041_eral', DOB = '15/07/1980', Pedate = '1900-01-01', Child = 9e999;"
                "INSERT INTO familytree (empid, Name, DOB) VALUES ('E1', 'Nur', '09/04/2013');"
                "INSERT INTO employment (empid, CompanyName, DateJoined, Dateleft) VALUES ('E1', 'Acme', '3/2/2001', '1900-01-01')");
    services.boxes.answers = {Answer::No};
    run();
    const XlsxReader file(savedPath());
    const auto personal = file.cells(1);
    EXPECT_EQ(personal.value("C9"), "lit_x0041_eral");
    EXPECT_EQ(personal.value("C14"), dayNumber(QDate(1980, 7, 15)));   // a dd/mm/yyyy text, still a date
    EXPECT_EQ(file.kind(1, "C14"), "number");
    EXPECT_EQ(personal.value("G12"), "01/01/1900");   // the new-record date, before the days all programs share
    EXPECT_EQ(file.kind(1, "G12"), "text");
    EXPECT_EQ(personal.value("C19"), "inf");          // no number the file can hold
    EXPECT_EQ(file.kind(1, "C19"), "text");
    EXPECT_EQ(file.cells(2).value("D14"), dayNumber(QDate(2013, 4, 9)));
    EXPECT_EQ(file.cells(5).value("C8"), dayNumber(QDate(2001, 2, 3)));
    EXPECT_EQ(file.cells(5).value("G8"), "01/01/1900");
}

}  // namespace tests
