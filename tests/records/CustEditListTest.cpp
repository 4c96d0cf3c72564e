// The editor as loaded and its employee list: combos, columns, sort and the double-click.
#include "tests/records/EmployeeWindowFixture.h"

#include "common/BaseSetup.h"
#include "platform/forms/DataGrid.h"
#include "records/EmployeeControls.h"
#include "records/CustEdit.h"
#include "records/EmpImg.h"

#include <QComboBox>

namespace tests {

using namespace records::employeeControls;
namespace {

using records::CustEdit;

class CustEditList : public EmployeeWindowTest {
protected:
    void SetUp() override {
        BaseSetup::UserLevel = 5;
        addEmployee("E001", "Zed", {{"Address1", "'  Jalan 1  '"}, {"Spouse", "' Sue '"}, {"Child", "3"}});
        addEmployee("E002", "Amy");
        addEmployee("E003", "Max");
    }
};

TEST_F(CustEditList, LoadFillsTheCombosKeepingTheirDesignTextsAndHidesTheListIds) {
    auto& window = forms::get<CustEdit>();
    QStringList relations;
    for (int i = 0; i < window.combo(text19)->count(); ++i) relations << window.combo(text19)->itemText(i);
    EXPECT_EQ(relations, QStringList({"Daughter", "Son", "Sister", "Brother", "Mother", "Father"}));
    EXPECT_EQ(window.combo(Nat)->count(), 14);
    EXPECT_EQ(window.combo(Nat)->findText("Malaysian"), -1);
    EXPECT_EQ(window.text(Nat), "Malaysian");
    EXPECT_EQ(window.text(text19), "Son ");
    EXPECT_EQ(window.text(Fgender), "Male");

    auto* grid = window.grid(DataGrid4);
    EXPECT_TRUE(grid->isColumnHidden("aid"));
    EXPECT_TRUE(grid->isColumnHidden("lnk"));
    EXPECT_FALSE(grid->isColumnHidden("empname"));
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(CustEditList, HeaderClickSortsAscendingEveryTime) {
    auto& window = forms::get<CustEdit>();
    auto& list = window.employeeList();
    const int field = list.fieldIndex("empname");
    for (int click = 0; click < 2; ++click) {
        emit window.grid(DataGrid4)->headClick(listColumn(window, "empname"));
        EXPECT_EQ(list.valueAt(0, field).toString(), "Amy");
        EXPECT_EQ(list.valueAt(2, field).toString(), "Zed");
    }
}

TEST_F(CustEditList, DoubleClickOpensTheRowAsDetailsDoes) {
    auto& window = forms::get<CustEdit>();
    doubleClickList(window);
    EXPECT_EQ(window.text(Text1), "E001");
    EXPECT_EQ(window.text(Text2), "Zed");
    EXPECT_EQ(window.text(Text3), "Jalan 1");
    EXPECT_EQ(window.text(Spouse), "Sue");
    EXPECT_EQ(window.text(Text11), "3");
    EXPECT_EQ(BaseSetup::CurrentEmpId, "E001");
    EXPECT_EQ(window.text(CinDe), "Browse");
    EXPECT_FALSE(window.isShown(DataGrid4));
    EXPECT_FALSE(forms::isLoaded<records::EmpImg>());
}

}  // namespace
}  // namespace tests
