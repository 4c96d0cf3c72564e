// The record buttons move the editor between list, detail, adding and editing modes; every
// control of the mode table must end each action as the table says.
#include "tests/records/EmployeeWindowFixture.h"

#include "common/BaseSetup.h"
#include "platform/forms/DataGrid.h"
#include "records/EmployeeControls.h"
#include "records/CustEdit.h"
#include "records/PntPravel.h"
#include "tests/support/LabelFit.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <array>
#include <map>

namespace tests {

using namespace records::employeeControls;
namespace {

using records::CustEdit;

constexpr std::array<forms::ControlName, 15> kControls = {
    cinAd, CinEd, CinDel, CinSa, Cinsa2, CinCa, CinDe, CinCls, Command20, Label23, Text12, Text1, Text2, DataGrid4, SSTab1,
};

struct ControlState {
    bool enabled;
    bool shown;
    QString caption;
};
using Snapshot = std::map<QString, ControlState>;

Snapshot snapshot(const CustEdit& window) {
    Snapshot states;
    for (const auto& name : kControls) {
        states[name.toString()] = {window.isControlEnabled(name), window.isShown(name),
                                   name == CinDe ? window.text(name) : QString()};
    }
    return states;
}

// One column of the table, a cell per control in kControls' order: E/D enabled or disabled,
// V/H shown or hidden, "|caption" for CinDe, "-" unchanged. What a cell leaves out stays as before.
using Column = std::array<const char*, 15>;

void expectColumn(const Snapshot& before, const CustEdit& window, const Column& column, const char* action) {
    const Snapshot after = snapshot(window);
    for (size_t i = 0; i < kControls.size(); ++i) {
        const QString name = kControls[i].toString();
        const QString cell = QString::fromLatin1(column[i]);
        ControlState expected = before.at(name);
        const QString flags = cell.section('|', 0, 0);
        if (flags.contains('E')) expected.enabled = true;
        if (flags.contains('D')) expected.enabled = false;
        if (flags.contains('V')) expected.shown = true;
        if (flags.contains('H')) expected.shown = false;
        if (cell.contains('|')) expected.caption = cell.section('|', 1);
        const ControlState& actual = after.at(name);
        EXPECT_EQ(actual.enabled, expected.enabled) << action << ": enabled of " << name.toStdString();
        EXPECT_EQ(actual.shown, expected.shown) << action << ": shown of " << name.toStdString();
        EXPECT_EQ(actual.caption, expected.caption) << action << ": caption of " << name.toStdString();
    }
}

//                          cinAd CinEd CinDel CinSa Cinsa2 CinCa CinDe  CinCls Cmd20 Lbl23 Text12 Text1 Text2 Grid4 SSTab1
const Column kLoad        = {"E", "E", "E", "DV", "H", "D", "E|Details", "E", "V", "V", "H", "D", "E", "V", "H"};
const Column kNew         = {"D", "D", "D", "H", "V", "E", "D", "D", "H", "H", "V", "E", "E", "H", "H"};
const Column kSaveNew     = {"E", "E", "E", "DV", "H", "D", "E|Browse", "E", "-", "-", "-", "-", "D", "-", "-"};
const Column kDetails     = {"-", "E", "E", "D", "-", "D", "-|Browse", "E", "V", "V", "H", "-", "-", "H", "-"};
const Column kBrowse      = {"E", "E", "E", "-", "-", "-", "-|Details", "E", "V", "V", "H", "-", "-", "V", "H"};
const Column kEdit        = {"D", "D", "D", "E", "H", "E", "D|Browse", "D", "H", "-", "H", "D", "D", "H", "-"};
const Column kSaveEdit    = {"E", "E", "E", "D", "-", "D", "E", "E", "-", "-", "-", "-", "-", "-", "-"};
const Column kCancelAdd   = {"E", "E", "E", "DV", "H", "D", "E|Details", "E", "-", "-", "-", "-", "-", "V", "-"};
const Column kCancelEdit  = {"E", "E", "E", "D", "-", "D", "E", "E", "-", "-", "-", "-", "-", "-", "-"};

class CustEditModes : public EmployeeWindowTest {
protected:
    void SetUp() override {
        addEmployee("E001", "Alice", {{"DOB", "'1980-03-05'"}});
        addEmployee("E002", "Bob", {{"DOB", "'1975-01-01'"}});
        BaseSetup::UserLevel = 9;
    }
    void act(CustEdit& window, forms::ControlName button, const Column& column) {
        const Snapshot before = snapshot(window);
        window.press(button);
        expectColumn(before, window, column, button.text());
    }
};

TEST_F(CustEditModes, EveryActionLeavesTheControlsAsTheModeTableSays) {
    auto& window = forms::get<CustEdit>();
    Snapshot design;   // every control enabled and shown unless the load's column says otherwise
    for (const auto& name : kControls) design[name.toString()] = {true, true, QString()};
    expectColumn(design, window, kLoad, "load");

    act(window, CinDe, kDetails);
    act(window, CinDe, kBrowse);
    act(window, cinAd, kNew);
    act(window, CinCa, kCancelAdd);
    act(window, cinAd, kNew);
    window.setText(Text1, "E003");
    window.setText(Text12, "Carol");
    act(window, Cinsa2, kSaveNew);
    act(window, CinEd, kEdit);
    act(window, CinSa, kSaveEdit);
    act(window, CinEd, kEdit);
    act(window, CinCa, kCancelEdit);
    EXPECT_EQ(prompts(), QStringList({" Record adding cancelled by User", " New Employee Added",
                                      " Editing Cancelled by User"}));
}

TEST_F(CustEditModes, OnlyLevelOneIsReadOnlyAtLoadAndInDetail) {
    for (int level : {1, 5, 9}) {
        BaseSetup::UserLevel = level;
        const bool edits = level != 1;
        auto& window = forms::get<CustEdit>();
        for (const forms::ControlName button : {cinAd, CinEd, CinDel}) {
            EXPECT_EQ(window.isControlEnabled(button), edits) << button << " at level " << level;
        }
        window.press(CinDe);
        for (const forms::ControlName control : {Image1, CinEd, CinDel}) {
            EXPECT_EQ(window.isControlEnabled(control), edits) << control << " at level " << level;
        }
        // The read-only lists offer no add link.
        EXPECT_EQ(window.isShown(Label24), edits) << "at level " << level;
        window.press(CinCls);
        EXPECT_FALSE(forms::isLoaded<CustEdit>());
    }
}

TEST_F(CustEditModes, AnEmptyListOpensEditsAndDeletesNothing) {
    execute("DELETE FROM employee");
    auto& window = forms::get<CustEdit>();
    const Snapshot before = snapshot(window);
    for (const forms::ControlName button : {CinDe, CinEd, CinDel}) window.press(button);
    doubleClickList(window);
    const Column untouched = {"-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-"};
    expectColumn(before, window, untouched, "empty list");
    EXPECT_TRUE(services.boxes.shown.empty());
    EXPECT_EQ(BaseSetup::CurrentEmpId, "");
}

// What the user sees and clicks at a point of a frame: the topmost shown control there.
QWidget* topmostAt(const CustEdit& window, forms::ControlName frame, forms::ControlName control) {
    QWidget* inFrame = window.control(frame);
    QWidget* target = window.control(control);
    return inFrame->childAt(target->geometry().center());
}

TEST_F(CustEditModes, NewNameBoxAndDateButtonsLieOnTopOfTheBoxesTheyShare) {
    auto& window = forms::get<CustEdit>();
    window.showWindow();
    window.press(cinAd);
    EXPECT_EQ(topmostAt(window, Frame2, Text12), window.control(Text12));
    EXPECT_EQ(topmostAt(window, Frame3, Command2), window.control(Command2));
    EXPECT_EQ(topmostAt(window, Frame3, Command3), window.control(Command3));
}

}  // namespace
}  // namespace tests

namespace tests {
namespace {

// The load's 16800 by 9600 twips is the whole window in the main window's area, frame included.
TEST_F(CustEditModes, TheLoadSizesTheWholeWindow) {
    QMdiArea area;
    area.resize(1400, 900);
    forms::setMdiArea(&area);
    forms::get<CustEdit>().showWindow();
    ASSERT_EQ(area.subWindowList().size(), 1);
    EXPECT_EQ(area.subWindowList().front()->size(), QSize(forms::px(16800), forms::px(9600)));
    EXPECT_EQ(area.subWindowList().front()->pos().y(), 0);
    forms::destroyAll();
    forms::setMdiArea(nullptr);
}

TEST_F(CustEditModes, EveryLabelShowsItsWholeCaptionAtItsDesignedSize) {
    EXPECT_EQ(labelsThatDoNotFit(forms::get<CustEdit>()), QStringList());
    EXPECT_EQ(labelsThatDoNotFit(forms::get<records::PntPravel>()), QStringList());
}

}  // namespace
}  // namespace tests
