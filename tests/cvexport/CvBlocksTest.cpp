#include "tests/cvexport/CvFixture.h"

#include "platform/spreadsheet/Constants.h"

#include <gtest/gtest.h>

namespace tests {

using namespace spreadsheet;

namespace {

class CvBlocksTest : public CvTest {
protected:
    // Records numbered from 1 so that every block shows which record it holds.
    void addEmployment(int count) {
        for (int i = 1; i <= count; ++i) {
            folder.exec(QString("INSERT INTO employment (empid, CompanyName, positiontitle, PositionLevel, Specialisation,"
                                " Industry, DateJoined, Dateleft, workdescription, reasonleft) VALUES ('E1', 'Company %1',"
                                " 'Title %1', 'Senior', 'Software', 'IT', '2001-02-%2', %3, 'Work %1', 'Reason %1')")
                            .arg(i)
                            .arg(i, 2, 10, QChar('0'))
                            .arg(i == 1 ? "NULL" : "'2005-06-30'"));
        }
    }
    void addProjects(int count) {
        for (int i = 1; i <= count; ++i) {
            folder.exec(QString("INSERT INTO project (empid, ProjectName, Client, Duration, TeamSize, Role,"
                                " SoftwarePlateform, OtherSkill) VALUES ('E1', 'Project %1', 'Client %1', '6 months',"
                                " '5', %2, 'Qt %1', 'Skill %1')")
                            .arg(i)
                            .arg(i == 1 ? QString("NULL") : QString("'Role %1'").arg(i)));
        }
    }

    void expectEmploymentBlock(int n) {
        const int r = 3 + 10 * (n - 1);
        const QString number = QString::number(n);
        const std::vector<std::pair<const char*, db::Value>> rows = {
            {"Company Name", "Company " + number}, {"Position Title", "Title " + number},
            {"Position Level", "Senior"},          {"Specialisation", "Software"}, {"Industry", "IT"}};
        Worksheet& s = sheet(5);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(s.cell(r + i, 1).value, db::Value(rows[i].first)) << r + i;
            EXPECT_EQ(s.cell(r + i, 2).value, db::Value(":")) << r + i;
            EXPECT_EQ(s.cell(r + i, 3).value, rows[i].second) << r + i;
        }
        EXPECT_EQ(s.cell(r + 5, 1).value, db::Value("Date Joined"));
        EXPECT_EQ(s.cell(r + 5, 3).value, db::Value(QDate(2001, 2, n)));
        EXPECT_EQ(s.cell(r + 5, 3).style.numberFormat, "dd/mm/yyyy");
        EXPECT_EQ(s.cell(r + 5, 5).value, db::Value("Date Left"));
        EXPECT_EQ(s.cell(r + 5, 6).value, db::Value(":"));
        EXPECT_EQ(s.cell(r + 5, 7).style.numberFormat, "dd/mm/yyyy");
        for (int column = 1; column <= 9; ++column) EXPECT_TRUE(s.cell(r + 6, column).value.isNull()) << r + 6;
        EXPECT_EQ(s.cell(r + 7, 1).value, db::Value("Work Description"));
        EXPECT_EQ(s.cell(r + 7, 3).value, db::Value("Work " + number));
        for (int column = 1; column <= 3; ++column) EXPECT_EQ(s.cell(r + 7, column).style.verticalAlignment, xlTop);
        EXPECT_TRUE(s.cell(r + 7, 3).style.wrapText);
        EXPECT_EQ(s.mergedAreas().at(n - 1), parseCellRange(QString("C%1:I%1").arg(r + 7)));
        EXPECT_EQ(s.rowHeight(r + 7), 60);
        EXPECT_FALSE(s.rowHeight(r + 6));
    }

    void expectProjectBlock(int n) {
        const int r = 3 + 10 * (n - 1);
        const QString number = QString::number(n);
        Worksheet& s = sheet(6);
        const std::vector<std::pair<const char*, db::Value>> rows = {
            {"Project Name", "Project " + number}, {"Client", "Client " + number}, {"Duration", "6 months"},
            {"Team Size", "5"}, {"Role", n == 1 ? db::Value() : db::Value("Role " + number)},
            {"Software & Plateform", "Qt " + number}, {"Other Skills", "Skill " + number}};
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(s.cell(r + i, 1).value, db::Value(rows[i].first)) << r + i;
            EXPECT_EQ(s.cell(r + i, 2).value, db::Value(":")) << r + i;
            EXPECT_EQ(s.cell(r + i, 3).value, rows[i].second) << r + i;
        }
        const double heights[] = {60, 35, 35};
        for (int i = 0; i < 3; ++i) {
            const int row = r + 4 + i;
            EXPECT_EQ(s.rowHeight(row), heights[i]) << row;
            EXPECT_TRUE(s.cell(row, 3).style.wrapText) << row;
            for (int column = 1; column <= 3; ++column) EXPECT_EQ(s.cell(row, column).style.verticalAlignment, xlTop);
            EXPECT_EQ(s.mergedAreas().at(3 * (n - 1) + i), parseCellRange(QString("C%1:H%1").arg(row)));
        }
        EXPECT_EQ(s.cell(r, 3).style, CellStyle{});
        for (int row = r + 7; row <= r + 9; ++row) EXPECT_TRUE(s.cell(row, 1).value.isNull()) << row;
    }

    // Nothing at all from the row on.
    static void expectNothingFrom(Worksheet& sheet, int row) {
        EXPECT_TRUE(sheet.cells().lower_bound({row, 1}) == sheet.cells().end()) << "cells from row " << row;
        EXPECT_TRUE(sheet.rowHeights().lower_bound(row) == sheet.rowHeights().end()) << "heights from row " << row;
    }
};

}  // namespace

TEST_F(CvBlocksTest, OneEmploymentRecordFillsRowsThreeToTen) {
    addEmployment(1);
    run();
    expectEmploymentBlock(1);
    // A Null date left: the cell stays empty but keeps its format, its label is written.
    EXPECT_TRUE(value(5, "G8").isNull());
    EXPECT_EQ(value(5, "E8"), db::Value("Date Left"));
    EXPECT_EQ(sheet(5).rowHeights(), (std::map<int, double>{{10, 60}}));
    expectNothingFrom(sheet(5), 11);
}

TEST_F(CvBlocksTest, TwelveEmploymentRecordsFillTenBlocksAndPassOverTheRest) {
    addEmployment(12);
    run();
    for (int n = 1; n <= 10; ++n) expectEmploymentBlock(n);
    EXPECT_EQ(value(5, "G98"), db::Value(QDate(2005, 6, 30)));
    EXPECT_EQ(value(5, "C100"), db::Value("Work 10"));
    EXPECT_EQ(sheet(5).mergedAreas().size(), 10u);
    expectNothingFrom(sheet(5), 101);
    EXPECT_EQ(value(5, "A1"), db::Value("EMPLOYMENT HISTORY"));
    EXPECT_TRUE(value(5, "A2").isNull());
}

TEST_F(CvBlocksTest, OneProjectRecordFillsRowsThreeToNine) {
    addProjects(1);
    run();
    expectProjectBlock(1);   // its Role is Null: empty, yet merged, wrapped, aligned top and 60 high
    EXPECT_EQ(sheet(6).rowHeights(), (std::map<int, double>{{7, 60}, {8, 35}, {9, 35}}));
    expectNothingFrom(sheet(6), 10);
}

TEST_F(CvBlocksTest, TwentyTwoProjectRecordsFillTwentyBlocksAndPassOverTheRest) {
    addProjects(22);
    run();
    for (int n = 1; n <= 20; ++n) expectProjectBlock(n);
    EXPECT_EQ(value(6, "C193"), db::Value("Project 20"));
    EXPECT_EQ(sheet(6).rowHeight(197), 60);
    EXPECT_EQ(sheet(6).rowHeight(199), 35);
    EXPECT_EQ(sheet(6).mergedAreas().size(), 60u);
    expectNothingFrom(sheet(6), 200);
    EXPECT_EQ(value(6, "A1"), db::Value("PROJECT REFERENCE"));
}

}  // namespace tests
