// The print view: the editor's window that writes an employee's CV on a double-click.
#include "tests/records/EmployeeWindowFixture.h"

#include "common/BaseSetup.h"
#include "platform/forms/DataGrid.h"
#include "records/EmployeeControls.h"
#include "records/CustEdit.h"
#include "records/PntPravel.h"

#include <QComboBox>
#include <QFileInfo>

namespace tests {

using namespace records::employeeControls;
namespace {

using records::PntPravel;

class PrintView : public EmployeeWindowTest {
protected:
    void SetUp() override {
        BaseSetup::UserLevel = 9;
        addEmployee("E001", "Alice", {{"FileName", "'alice.bmp'"}, {"DOB", "'1980-01-01'"}, {"Age", "0"}});
        storePhoto("E001");
        execute("INSERT INTO familytree (empid, DOB, Age) VALUES ('E001', '2000-01-01', 0)");
        // Every age statement leaves one line per row it updates (one row in each table here).
        execute("CREATE TABLE agelog (tbl TEXT)");
        for (const QString table : {"employee", "familytree"}) {
            execute(QStringLiteral("CREATE TRIGGER %1_age AFTER UPDATE OF Age ON %1 "
                                   "BEGIN INSERT INTO agelog VALUES ('%1'); END").arg(table));
        }
    }
    long ageRuns(const char* table) const {
        return number(QStringLiteral("SELECT count(*) FROM agelog WHERE tbl='%1'").arg(table));
    }
    QString workbook() const { return QFileInfo(folder.driveC() + "/Pravel.xls").absoluteFilePath(); }

    void expectResting(PntPravel& window) const {
        EXPECT_TRUE(window.isShown(DataGrid4));
        EXPECT_EQ(window.text(CinDe), "Details");
        EXPECT_FALSE(window.isShown(SSTab1));
    }
};

TEST_F(PrintView, DesignDiffersFromTheEditorsOnlyWhereItShould) {
    auto& window = forms::get<PntPravel>();
    EXPECT_EQ(window.windowTitle(), "Printing Pravel - Double Click to Generate Pravel.xls");
    for (const forms::ControlName hidden : {cinAd, Cinsa2, CinSa, CinEd, CinCa, CinDel, CinDe}) {
        EXPECT_FALSE(window.isShown(hidden)) << hidden;
    }
    EXPECT_TRUE(window.isShown(CinCls));
    EXPECT_EQ(window.text(Label4), "Work Address :");
    EXPECT_EQ(window.combo(Nat)->count(), 1);
    EXPECT_EQ(window.combo(Nat)->itemText(0), "Malaysian");
    EXPECT_FALSE(window.grid(DataGrid4)->isColumnHidden("lnk"));
    EXPECT_TRUE(window.grid(DataGrid4)->isColumnHidden("aid"));
}

TEST_F(PrintView, DoubleClickWritesTheCvAndReturnsToTheList) {
    auto& window = forms::get<PntPravel>();
    doubleClickList(window);

    expectResting(window);
    EXPECT_EQ(BaseSetup::CurrentEmpId, "E001");
    EXPECT_TRUE(BaseSetup::EmpPicturePath.endsWith("alice.bmp"));
    EXPECT_TRUE(QFileInfo::exists(workbook()));
    EXPECT_EQ(ageRuns("employee"), 2);
    EXPECT_EQ(ageRuns("familytree"), 2);
    EXPECT_EQ(number("SELECT Age FROM familytree"), QDate::currentDate().year() - 2000);
    EXPECT_EQ(prompts(), QStringList{"Open Pravel.xls File ?"});
    // The detail grids behind the list show what the editor's hide.
    EXPECT_FALSE(window.grid(DataGrid1)->isColumnHidden("lnk"));
    EXPECT_FALSE(window.grid(DataGrid1)->isColumnHidden("N"));
}

TEST_F(PrintView, CvIsOfTheDoubleClickedRowWhateverTheEditorOpened) {
    addEmployee("E002", "Bob", {{"FileName", "'bob.bmp'"}});
    storePhoto("E002");
    auto& editor = forms::get<records::CustEdit>();
    editor.press(CinDe);
    ASSERT_EQ(BaseSetup::CurrentEmpId, "E001");

    auto& window = forms::get<PntPravel>();
    moveTo(window, "E002");
    doubleClickList(window);
    EXPECT_EQ(BaseSetup::CurrentEmpId, "E002");
    EXPECT_TRUE(BaseSetup::EmpPicturePath.endsWith("bob.bmp"));
    EXPECT_TRUE(QFileInfo::exists(workbook()));
    expectResting(window);
}

TEST_F(PrintView, LevelOneGetsTheSameWindow) {
    BaseSetup::UserLevel = 1;
    auto& window = forms::get<PntPravel>();
    EXPECT_TRUE(window.isControlEnabled(CinEd));
    doubleClickList(window);
    expectResting(window);
    EXPECT_EQ(BaseSetup::CurrentEmpId, "E001");
    EXPECT_TRUE(window.isControlEnabled(Image1));
    EXPECT_TRUE(window.isShown(Label24));
}

TEST_F(PrintView, EmptyListIgnoresTheDoubleClick) {
    execute("DELETE FROM employee");
    auto& window = forms::get<PntPravel>();
    doubleClickList(window);
    expectResting(window);
    EXPECT_TRUE(services.boxes.shown.empty());
    EXPECT_EQ(ageRuns("employee") + ageRuns("familytree"), 0);
    EXPECT_EQ(BaseSetup::CurrentEmpId, "");
}

TEST_F(PrintView, FailedRunStillEndsOnTheListSoTheNextRunPrintsItsOwnRow) {
    addEmployee("E002", "Bob");
    auto& window = forms::get<PntPravel>();
    execute("DELETE FROM employee WHERE empid='E002'");   // still listed, no longer stored
    moveTo(window, "E002");
    doubleClickList(window);
    expectResting(window);
    EXPECT_EQ(services.boxes.shown.back().icon, forms::Icon::Critical);
    EXPECT_FALSE(QFileInfo::exists(workbook()));

    moveTo(window, "E001");
    doubleClickList(window);
    EXPECT_EQ(BaseSetup::CurrentEmpId, "E001");
    EXPECT_TRUE(QFileInfo::exists(workbook()));
    expectResting(window);
}

}  // namespace
}  // namespace tests
