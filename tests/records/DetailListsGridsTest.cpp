// The seven detail grids: reloads, tab closing with its commit, read-only lists and sorting.
#include "records/EmployeeControls.h"
#include "DetailListsWindow.h"

#include <array>

namespace tests {

using namespace records::employeeControls;


namespace {

constexpr std::array kGrids = {DataGrid1, DataGrid2, DataGrid3, DataGrid5, DataGrid6, DataGrid7, DataGrid8};
constexpr std::array kLinkLabels = {Label47, Label48, Label24, Label51, Label52, Label63, Label66, Label73, Label74};

void seedDetails(const ProgramFolder& folder) {
    folder.exec(
        "insert into familytree (empid, Name, DOB, n, Age, lnk) values ('E1', 'Kid', '1980-03-05', ' ', 1, 1);"
        "insert into academic (empid, Period, institution) values ('E1', '1999', 'Zeta College');"
        "insert into academic (empid, Period, institution) values ('E1', '1995', 'Alpha School');"
        "insert into workingskill (empid, skill, years) values ('E1', 'Welding', '3');"
        "insert into employment (empid, CompanyName, DateJoined, Dateleft) "
        "values ('E1', 'Acme', '1999-03-01', '2004-12-31');"
        "insert into academic (empid, Period, institution) values ('E2', '2010', 'Not Ann''s')");
}

}  // namespace

TEST_F(DetailListsTest, EmployeeWithoutDetailRowsHasEmptyGridsAndEveryCloseLabelOnlyClosesTheTabs) {
    DetailsWindow window;
    window.openEmployee("E1");
    for (const forms::ControlName grid : kGrids) {
        EXPECT_EQ(window.rows(grid).recordCount(), 0) << grid;
        EXPECT_EQ(window.grid(grid)->model()->rowCount(), 0) << grid;
    }
    for (const forms::ControlName close : {Label84, Label85, Label86, Label87}) {
        window.press(Label23);
        EXPECT_TRUE(window.isShown(SSTab1));
        EXPECT_FALSE(window.isControlEnabled(CinDe));
        window.press(close);
        EXPECT_FALSE(window.isShown(SSTab1)) << close;
        EXPECT_TRUE(window.isControlEnabled(CinDe)) << close;
    }
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(DetailListsTest, ReloadShowsOnlyTheEmployeesRowsWithTheEditorsColumnSettings) {
    seedDetails(folder);
    DetailsWindow window;
    EXPECT_EQ(window.rows(DataGrid2).recordCount(), 0);   // Text1 is empty at load
    window.openEmployee("E1");
    EXPECT_EQ(window.rows(DataGrid2).recordCount(), 2);

    forms::DataGrid* family = window.grid(DataGrid1);
    for (const char* hidden : {"bid", "lnk", "N"}) EXPECT_TRUE(family->isColumnHidden(hidden)) << hidden;
    EXPECT_FALSE(family->isColumnHidden("Empid"));
    EXPECT_EQ(family->displayText(0, "dob"), "05/Mar/1980");
    EXPECT_EQ(window.grid(DataGrid7)->displayText(0, "datejoined"), "01/Mar/1999");
    EXPECT_EQ(window.grid(DataGrid7)->displayText(0, "dateleft"), "31/Dec/2004");
    EXPECT_TRUE(window.grid(DataGrid8)->isColumnHidden("hid"));

    window.openEmployee("E2");
    ASSERT_EQ(window.rows(DataGrid2).recordCount(), 1);
    EXPECT_EQ(window.grid(DataGrid2)->displayText(0, "institution"), "Not Ann's");
    EXPECT_EQ(window.rows(DataGrid1).recordCount(), 0);
}

TEST_F(DetailListsTest, IdHoldingAQuoteFindsItsOwnRows) {
    folder.exec("insert into employee (empid, empname) values ('O''N', 'Quoted');"
                "insert into project (empid, ProjectName) values ('O''N', 'Dam')");
    DetailsWindow window;
    window.openEmployee("O'N");
    ASSERT_EQ(window.rows(DataGrid8).recordCount(), 1);
    window.press(Label51);
    window.press(Command6);
    EXPECT_EQ(stored("select * from academic", "empid").toString(), "O'N");
}

TEST_F(DetailListsTest, CloseLabelCommitsTheEditsOfItsOwnTabOnly) {
    seedDetails(folder);
    DetailsWindow window;
    window.openEmployee("E1");
    window.press(Label23);
    window.editCell(DataGrid2, 0, "institution", "Beta Academy");
    window.editCell(DataGrid5, 0, "skill", "Painting");

    window.press(Label85);
    EXPECT_FALSE(window.isShown(SSTab1));
    EXPECT_EQ(storedCount("academic where institution='Beta Academy'"), 1);
    EXPECT_EQ(stored("select * from workingskill", "skill").toString(), "Welding");

    window.openEmployee("E1");
    EXPECT_EQ(storedCount("academic where institution='Zeta College'"), 0);
    EXPECT_EQ(window.grid(DataGrid2)->displayText(0, "institution"), "Beta Academy");
    // The other tab's edit is written by the reload instead of being lost.
    EXPECT_EQ(window.grid(DataGrid5)->displayText(0, "skill"), "Painting");
}

TEST_F(DetailListsTest, ReadOnlyReloadHidesTheLinksAndLocksTheGridsButStillSortsAndCloses) {
    seedDetails(folder);
    DetailsWindow window;
    window.openEmployee("E1", true);
    for (const forms::ControlName label : kLinkLabels) EXPECT_FALSE(window.isShown(label)) << label;
    for (const forms::ControlName grid : kGrids) {
        EXPECT_FALSE(window.grid(grid)->allowUpdate()) << grid;
        EXPECT_FALSE(window.grid(grid)->allowDelete()) << grid;
    }
    EXPECT_TRUE(window.grid(DataGrid7)->isColumnHidden("lnk"));
    EXPECT_NE(window.grid(DataGrid7)->displayText(0, "datejoined"), "01/Mar/1999");
    EXPECT_EQ(window.grid(DataGrid1)->displayText(0, "dob"), "05/Mar/1980");

    // Sorting twice by the same header stays ascending.
    forms::DataGrid* academic = window.grid(DataGrid2);
    const int period = window.columnOf(DataGrid2, "Period");
    for (int click = 0; click < 2; ++click) {
        emit academic->headClick(period);
        EXPECT_EQ(academic->displayText(0, "Period"), "1995");
        EXPECT_EQ(academic->displayText(1, "Period"), "1999");
    }
    EXPECT_EQ(window.rows(DataGrid2).sort(), "Period asc");
    EXPECT_TRUE(services.boxes.shown.empty());

    window.press(Label23);
    window.press(Label86);
    EXPECT_FALSE(window.isShown(SSTab1));
    window.openEmployee("E2", true);
    EXPECT_FALSE(window.isShown(Label24));
}

TEST_F(DetailListsTest, PrintViewProfileShowsLnkAndNAndLeavesEmploymentDatesUnformatted) {
    seedDetails(folder);
    DetailsWindow window({.writesLnk = false, .hidesLnk = false, .formatsEmploymentDates = false});
    window.openEmployee("E1");
    for (const forms::ControlName grid : kGrids) EXPECT_FALSE(window.grid(grid)->isColumnHidden("lnk")) << grid;
    EXPECT_FALSE(window.grid(DataGrid1)->isColumnHidden("N"));
    EXPECT_TRUE(window.grid(DataGrid1)->isColumnHidden("bid"));
    EXPECT_EQ(window.grid(DataGrid1)->displayText(0, "dob"), "05/Mar/1980");
    EXPECT_NE(window.grid(DataGrid7)->displayText(0, "datejoined"), "01/Mar/1999");
}

}  // namespace tests
