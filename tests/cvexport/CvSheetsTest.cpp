#include "tests/cvexport/CvFixture.h"

#include "platform/spreadsheet/Constants.h"

#include <gtest/gtest.h>

namespace tests {

using namespace spreadsheet;

namespace {

const BorderLine kThinLine{xlContinuous, xlThin};

void expectFilled(const Worksheet& sheet, const QString& range, bool filled) {
    const CellRect rect = parseCellRange(range);
    for (int column = rect.firstColumn; column <= rect.lastColumn; ++column) {
        EXPECT_EQ(sheet.cell(rect.firstRow, column).style.interiorColor == 16776960u, filled)
            << cellName(rect.firstRow, column).toStdString();
    }
}

// The frame around a table (and its header row) and the lines between its columns, on its border cells.
void expectTableFrame(const Worksheet& sheet, const QString& table, const QStringList& innerLines) {
    const CellRect rect = parseCellRange(table);
    for (int row = rect.firstRow; row <= rect.lastRow; ++row) {
        EXPECT_EQ(sheet.cell(row, rect.firstColumn).style.edge(xlEdgeLeft), kThinLine) << row;
        EXPECT_EQ(sheet.cell(row, rect.lastColumn).style.edge(xlEdgeRight), kThinLine) << row;
    }
    for (int column = rect.firstColumn; column <= rect.lastColumn; ++column) {
        EXPECT_EQ(sheet.cell(rect.firstRow, column).style.edge(xlEdgeTop), kThinLine) << column;
        EXPECT_EQ(sheet.cell(rect.firstRow, column).style.edge(xlEdgeBottom), kThinLine) << column;
        EXPECT_EQ(sheet.cell(rect.firstRow + 1, column).style.edge(xlEdgeBottom), BorderLine{}) << column;
        EXPECT_EQ(sheet.cell(rect.lastRow, column).style.edge(xlEdgeBottom), kThinLine) << column;
    }
    for (const QString& line : innerLines) {
        const CellRect column = parseCellRange(line);
        for (int row = column.firstRow; row <= column.lastRow; ++row) {
            EXPECT_EQ(sheet.cell(row, column.firstColumn).style.edge(xlEdgeRight), kThinLine) << qPrintable(line);
        }
    }
}

void expectColumnWidths(const Worksheet& sheet, std::initializer_list<std::pair<int, double>> widths) {
    for (const auto& [column, width] : widths) EXPECT_EQ(sheet.columnWidth(column), width) << column;
}

}  // namespace

TEST_F(CvTest, PersonalSheetHoldsEveryLabelAndValueWithItsFormats) {
    BaseSetup::EmpPicturePath = writePhoto("photo.jpg");
    run();
    const Worksheet& s = sheet(1);

    expectValues(1, {{"A7", "PERSONAL INFORMATION"}, {"A22", "CONTACT INFORMATION "}, {"A37", "OTHERS INFORMATION "}});
    EXPECT_TRUE(style(1, "A7").bold);
    EXPECT_FALSE(style(1, "B7").bold);
    expectFilled(s, "A7:J7", true);
    expectFilled(s, "A37:J37", true);
    expectFilled(s, "K22", false);

    expectLabelRows(1, {{9, "Name", "Siti Aminah"}, {10, "NRIC No. (New)", "800715-14-5566"},
                        {11, "NRIC No. (Old)", "A1234567"}, {12, "Passport No.", "P998877"}, {13, "Gender", "Female"},
                        {14, "Date of Birth", QDate(1980, 7, 15)}, {15, "Nationality", "Malaysian"},
                        {16, "Race", "Malay"}, {17, "Religion", "Islam"}, {18, "Marital Status", "Married"},
                        {19, "No. of Children", 2.0}, {20, "Dialect", "Kelantan"},
                        {24, "Address (Permanent)", "12 Jalan Mawar"}, {29, "Address (Current)", "5 Lorong Dua"},
                        {34, "Mobile No.", "012-345 6789"}, {35, "E-mail", "siti@example.com"},
                        {39, "Hobbies", "Reading"}, {41, "Uniform", "Girl Guides"}, {42, "Club/Associates", "Rotary"},
                        {43, "Sports", "Badminton"}, {44, "Others", "Choir"},
                        {45, "Memberships", "Institute of Engineers"}, {46, "Achievement", "Best employee 2019"}});
    expectValues(1, {{"E12", "Exp. Date"}, {"F12", ":"}, {"G12", QDate(2030, 1, 31)}, {"E14", "Age"}, {"F14", ":"},
                     {"G14", 45}, {"C25", "Taman Indah"}, {"C26", "43000 Kajang"}, {"C27", "03-8733 1111"},
                     {"C30", "Bangsar"}, {"C31", "59100 Kuala Lumpur"}, {"C32", "03-2282 2222"},
                     {"A40", "Extra-Curricular"}, {"B40", db::Value()}, {"C40", db::Value()}});
    EXPECT_TRUE(style(1, "A40").bold);

    EXPECT_EQ(style(1, "G12").numberFormat, "dd/mm/yyyy");
    EXPECT_EQ(style(1, "C14").numberFormat, "dd/mm/yyyy");
    for (const char* left : {"C14", "G12", "C19", "G14"}) EXPECT_EQ(style(1, left).horizontalAlignment, xlLeft) << left;
    EXPECT_EQ(style(1, "C13").horizontalAlignment, xlGeneral);
    for (const char* top : {"A45", "B45", "A46", "B46"}) EXPECT_EQ(style(1, top).verticalAlignment, xlTop) << top;
    EXPECT_TRUE(style(1, "C45").wrapText);
    EXPECT_TRUE(style(1, "C46").wrapText);
    EXPECT_EQ(s.mergedAreas(), (std::vector<CellRect>{parseCellRange("C45:I45"), parseCellRange("C46:I46")}));

    for (int row : {1, 23, 36, 44}) EXPECT_EQ(s.rowHeight(row), 16) << row;
    for (int row : {24, 35, 45}) EXPECT_FALSE(s.rowHeight(row)) << row;
    expectColumnWidths(s, {{1, 17.57}, {2, 1.5}, {3, 10}, {4, 5.43}, {6, 1.5}, {7, 10}});
    EXPECT_FALSE(s.columnWidth(5));

    ASSERT_EQ(s.pictures().count(), 1);
    EXPECT_EQ(QPoint(s.pictures().at(0).column, s.pictures().at(0).row), QPoint(8, 1));
    EXPECT_EQ(s.pictures().at(0).pixelSize, QSize(90, 120));
}

TEST_F(CvTest, EmptyEmployeeColumnsGiveLabelsWithEmptyCells) {
    folder.exec("UPDATE employee SET Spouse = NULL, Hobbies = NULL, ProfMem = NULL, DOB = NULL");
    run();
    expectLabelRows(1, {{39, "Hobbies", db::Value()}, {45, "Memberships", db::Value()}, {14, "Date of Birth", db::Value()}});
    expectLabelRows(2, {{4, "Spouse Name", db::Value()}});
    EXPECT_EQ(style(1, "C14").numberFormat, "dd/mm/yyyy");
}

TEST_F(CvTest, FamilySheetHoldsTheSpouseAndFramesTheFamilyList) {
    folder.exec("INSERT INTO familytree (empid, Name, n, Age, DOB, relationship, occupation, contactno) VALUES "
                "('E1', 'Nur Aisyah', ' ', 12, '2013-04-09', 'Daughter', 'Student', '-');"
                "INSERT INTO familytree (empid, Name, n, Age, DOB, relationship) VALUES ('E1', 'Adam', ' ', 9, NULL, 'Son')");
    run();
    const Worksheet& s = sheet(2);

    expectValues(2, {{"A1", "FAMILY BACKGROUND"}, {"A3", "Spouse"}, {"A12", "Family Tree"}});
    expectFilled(s, "A1:G1", true);
    expectFilled(s, "H1", false);
    EXPECT_TRUE(style(2, "A3").bold && style(2, "A12").bold);
    EXPECT_FALSE(style(2, "A3").interiorColor);
    expectLabelRows(2, {{4, "Spouse Name", "Ahmad Zaki"}, {5, "Occupation", "Teacher"}, {6, "Company", "SMK Kajang"},
                        {7, "Address", "12 Jalan Mawar, Taman Indah"}, {8, "Tel No.", "03-8733 1112"},
                        {9, "Mobile No.", "019-876 5432"}, {10, "E-mail", "zaki@example.com"}});
    EXPECT_EQ(s.mergedAreas(), std::vector<CellRect>{parseCellRange("C7:F7")});
    EXPECT_TRUE(style(2, "C7").wrapText);
    for (const char* top : {"A7", "B7", "C7"}) EXPECT_EQ(style(2, top).verticalAlignment, xlTop) << top;
    EXPECT_EQ(s.rowHeight(7), 51);
    for (int row : {1, 6, 8, 40}) EXPECT_EQ(s.rowHeight(row), 16) << row;
    EXPECT_FALSE(s.rowHeight(41));

    expectValues(2, {{"A13", "Name"}, {"B13", " "}, {"C13", "Age"}, {"D13", "DOB"}, {"E13", "Relationship"},
                     {"F13", "Occupation"}, {"G13", "ContactNo"}, {"A14", "Nur Aisyah"}, {"B14", " "},
                     {"D14", QDate(2013, 4, 9)}, {"E15", "Son"}, {"D15", db::Value()}, {"A16", db::Value()}});
    for (const char* date : {"D14", "D29", "D2", "D500"}) EXPECT_EQ(style(2, date).numberFormat, "dd/mm/yyyy") << date;
    for (const char* centred : {"C14", "C29", "D14", "D29"}) EXPECT_EQ(style(2, centred).horizontalAlignment, xlCenter);
    EXPECT_EQ(style(2, "C30").horizontalAlignment, xlGeneral);
    EXPECT_EQ(style(2, "C13").horizontalAlignment, xlGeneral);
    expectTableFrame(s, "A13:G29", {"B13:B29", "C13:C29", "D13:D29", "E13:E29", "F13:F29"});
    EXPECT_EQ(style(2, "A20").edge(xlEdgeRight), BorderLine{});   // no line after the first column
    expectColumnWidths(s, {{1, 17.57}, {3, 3.57}, {4, 13.43}, {5, 11.43}, {6, 17.86}, {7, 12.71}});
    EXPECT_FALSE(s.columnWidth(2));
}

TEST_F(CvTest, SkillAndAcademicSheetsFrameTheirListsAndUseSmallPrintUnderTheHeaders) {
    folder.exec("INSERT INTO workingskill (empid, skill, years, ProficiencyLevel) VALUES ('E1', 'C++', '10', 'Expert');"
                "INSERT INTO languagedialect (empid, LanguageDialect, written, spoken) VALUES ('E1', 'Malay', 'Good', 'Fair');"
                "INSERT INTO academic (empid, Period, institution) VALUES ('E1', '1998-2002', 'UTM');"
                "INSERT INTO training (empid, Period, coursename, certificatename) VALUES ('E1', '2010', 'PMP', 'PMP')");
    run();

    expectValues(3, {{"A1", "TOP SKILL"}, {"A26", "LANGUAGE / DIALECT / LOGHAT"}, {"C4", "ProficiencyLevel"},
                     {"A5", "C++"}, {"B29", "Written"}, {"C30", "Fair"}});
    expectFilled(sheet(3), "A1:E1", true);
    expectFilled(sheet(3), "A26:E26", true);
    expectTableFrame(sheet(3), "A4:C24", {"A4:A24", "B4:B24"});
    expectTableFrame(sheet(3), "A29:C40", {"A29:A40", "B29:B40"});
    expectColumnWidths(sheet(3), {{1, 23.29}, {2, 14.43}, {3, 28.86}});

    expectValues(4, {{"A1", "ACADEMIC QUALIFICATION"}, {"A22", "TRAINING / COURSES ATTENDED"}, {"B3", "Institution"},
                     {"B4", "UTM"}, {"C24", "CertificateName"}, {"B25", "PMP"}});
    expectFilled(sheet(4), "A1:D1", true);
    expectFilled(sheet(4), "A22:D22", true);
    expectFilled(sheet(4), "E1", false);
    expectTableFrame(sheet(4), "A3:D19", {"A3:A19", "B3:B19", "C3:C19"});
    expectTableFrame(sheet(4), "A24:D44", {"A24:A44", "B24:B44", "C24:C44"});
    for (const char* small : {"A4", "D19", "A25", "D44"}) EXPECT_EQ(style(4, small).fontSize, 8) << small;
    for (const char* normal : {"A3", "A20", "A24", "E30", "A45"}) EXPECT_EQ(style(4, normal).fontSize, kDefaultFontSize);
    expectColumnWidths(sheet(4), {{1, 17.29}, {2, 28.14}, {3, 26.29}, {4, 16.57}});
}

TEST_F(CvTest, AnEmployeeWithoutDetailRowsGetsHeaderRowsInsideTheFrames) {
    run();
    expectValues(2, {{"A13", "Name"}, {"B13", " "}, {"A14", db::Value()}});
    expectValues(3, {{"A4", "Skill"}, {"A5", db::Value()}, {"A29", "LanguageDialect"}, {"A30", db::Value()}});
    expectValues(4, {{"A3", "Period"}, {"A4", db::Value()}, {"D24", "Result"}, {"A25", db::Value()}});
    expectTableFrame(sheet(4), "A24:D44", {"A24:A44"});

    expectValues(5, {{"A1", "EMPLOYMENT HISTORY"}, {"A3", db::Value()}});
    expectValues(6, {{"A1", "PROJECT REFERENCE"}, {"A3", db::Value()}});
    EXPECT_TRUE(sheet(5).rowHeights().empty());
    EXPECT_TRUE(sheet(6).rowHeights().empty());
    expectFilled(sheet(5), "A1:H1", true);
    expectFilled(sheet(5), "I1", false);
    expectFilled(sheet(6), "A1:I1", true);
    expectColumnWidths(sheet(5), {{1, 17.57}, {2, 1.5}, {6, 1.5}});
    expectColumnWidths(sheet(6), {{1, 17.57}, {2, 1.5}});
}

}  // namespace tests
