// Add panels, their calendars and the spouse and hobby saves.
#include "records/EmployeeControls.h"
#include "DetailListsWindow.h"

#include "platform/db/DbError.h"
#include "platform/forms/MonthCalendar.h"

#include <QTabWidget>

namespace tests {

using namespace records::employeeControls;


namespace {

struct Input {
    forms::ControlName input;
    const char* column;
    const char* text;
};

struct PanelCase {
    forms::ControlName addLabel;
    forms::ControlName frame;
    forms::ControlName save;
    const char* table;
    std::vector<Input> inputs;
};

}  // namespace

TEST_F(DetailListsTest, EachPanelSaveStoresItsInputsWithTheOwnerAndLnk) {
    const std::vector<PanelCase> cases = {
        {Label24, Frame1, Command1, "familytree",
         {{Fname, "Name", "Cara O'Neil"}, {text19, "relationship", "Daughter"}, {Fdob, "DOB", "05/03/1980"},
          {Fgender, "gender", "Female"}, {FOccupy, "occupation", "Pupil"}, {Contact, "contactno", "555"}}},
        {Label51, Frame4, Command6, "academic",
         {{Period1, "Period", "1990-1994"}, {Institute1, "institution", "Uni"},
          {Level1, "LevelObtained", "BSc"}, {Grade1, "grade", "A"}}},
        {Label52, Frame5, Command8, "training",
         {{Period2, "Period", "2001"}, {Institute2, "coursename", "Welding"},
          {Level2, "certificatename", "Cert"}, {Grade2, "result", "Pass"}}},
        {Label63, Frame6, Command10, "workingskill",
         {{SL11, "skill", "C++"}, {SL21, "years", "12"}, {SL31, "ProficiencyLevel", "9"}}},
        {Label66, Frame7, Command12, "languagedialect",
         {{SL12, "LanguageDialect", "Malay"}, {SL22, "spoken", "8"}, {SL32, "written", "7"}}},
        {Label73, Frame10, Command14, "employment",
         {{EP11, "CompanyName", "Acme"}, {Ep21, "positiontitle", "Clerk"}, {Ep31, "PositionLevel", "Junior"},
          {Ep41, "Specialisation", "Files"}, {Ep51, "Industry", "Paper"}, {Ep61, "DateJoined", "02/01/2000"},
          {Ep71, "Dateleft", "31/12/2004"}, {Ep81, "workdescription", "Filing\nand more"},
          {Ep91, "reasonleft", "Moved"}}},
        {Label74, Frame11, Command16, "project",
         {{Ep12, "ProjectName", "Bridge"}, {Ep22, "Client", "City"}, {Ep32, "Duration", "2 years"},
          {Ep42, "TeamSize", "5"}, {Ep52, "Role", "Lead"}, {Ep62, "SoftwarePlateform", "Linux"},
          {Ep72, "OtherSkill", "Talking"}}},
    };
    DetailsWindow window;
    window.openEmployee("E1");
    for (const PanelCase& panel : cases) {
        SCOPED_TRACE(panel.table);
        window.press(panel.addLabel);
        EXPECT_TRUE(window.isShown(panel.frame));
        for (const Input& input : panel.inputs) window.setText(input.input, input.text);
        window.press(panel.save);

        const QString row = QStringLiteral("select * from %1 where empid='E1'").arg(panel.table);
        for (const Input& input : panel.inputs) {
            EXPECT_EQ(stored(row, input.column).toString(), input.text) << input.column;
        }
        EXPECT_EQ(stored(row, "lnk").toInt(), 1);
        EXPECT_EQ(storedCount(panel.table), 1);
        EXPECT_EQ(services.boxes.shown.back().prompt, "Record Added");
        EXPECT_FALSE(window.isShown(panel.frame));
    }
    EXPECT_EQ(stored("select * from familytree", "n").toString(), " ");
    EXPECT_EQ(services.boxes.shown.size(), cases.size());
}

TEST_F(DetailListsTest, FamilyMemberShowsAgeZeroUntilTheNextReloadWhileTheStoredAgeCountsYearsOnly) {
    folder.exec("insert into familytree (empid, Name, DOB, Age) values ('E2', 'Other', '2000-12-31', 99)");
    DetailsWindow window;
    window.openEmployee("E1");
    window.press(Label24);
    window.press(Command4);
    EXPECT_TRUE(window.isShown(Calendar3));
    window.calendar(Calendar3)->pick(QDate(1980, 3, 5));
    EXPECT_EQ(window.text(Fdob), "05/03/1980");
    EXPECT_FALSE(window.isShown(Calendar3));
    window.setText(Fname, "Dora");
    window.press(Command1);

    forms::DataGrid* grid = window.grid(DataGrid1);
    ASSERT_EQ(window.rows(DataGrid1).recordCount(), 1);
    EXPECT_EQ(grid->displayText(0, "DOB"), "05/Mar/1980");
    EXPECT_EQ(grid->displayText(0, "Age"), "0");
    EXPECT_EQ(stored("select * from familytree where Name='Dora'", "Age").toInt(), yearsSince(1980));
    // The statement covers every family row, not only the new one.
    EXPECT_EQ(stored("select * from familytree where Name='Other'", "Age").toInt(), yearsSince(2000));

    window.openEmployee("E1");
    EXPECT_EQ(grid->displayText(0, "Age"), QString::number(yearsSince(1980)));
}

TEST_F(DetailListsTest, PanelOpenedAgainKeepsItsValuesButStartsItsDatesAfresh) {
    DetailsWindow window;
    window.openEmployee("E1");
    window.press(Label24);
    EXPECT_EQ(window.text(Fdob), "01/01/1900");
    window.setText(Fname, "Eve");
    window.calendar(Calendar3)->pick(QDate(1999, 9, 9));
    window.press(Command1);
    window.press(Label24);
    EXPECT_EQ(window.text(Fname), "Eve");
    EXPECT_EQ(window.text(Fdob), "01/01/1900");

    window.press(Label73);
    EXPECT_EQ(window.text(Ep61), "01/01/1900");
    EXPECT_EQ(window.text(Ep71), "01/01/1900");
    window.setText(EP11, "Acme");
    window.calendar(Calendar5)->pick(QDate(2001, 2, 3));
    window.calendar(Calendar4)->pick(QDate(2002, 4, 5));
    EXPECT_EQ(window.text(Ep61), "03/02/2001");
    EXPECT_EQ(window.text(Ep71), "05/04/2002");
    window.press(Command15);   // closed unsaved
    EXPECT_FALSE(window.isShown(Frame10));
    EXPECT_EQ(storedCount("employment"), 0);
    window.press(Label73);
    EXPECT_EQ(window.text(EP11), "Acme");
    EXPECT_EQ(window.text(Ep61), "01/01/1900");
    EXPECT_EQ(window.text(Ep71), "01/01/1900");
}

TEST_F(DetailListsTest, EmploymentCalendarsCloseWithTheirPanelButTheFamilyCalendarStays) {
    DetailsWindow window;
    window.openEmployee("E1");
    window.QWidget::show();
    window.press(Label23);
    auto* tabs = window.tabs(SSTab1);

    tabs->setCurrentIndex(3);
    window.press(Label73);
    window.press(Command18);
    auto* joined = window.calendar(Calendar5);
    EXPECT_TRUE(joined->isVisible());
    window.press(Command15);
    EXPECT_FALSE(joined->isVisible());
    window.press(Label73);
    EXPECT_TRUE(joined->isVisible());

    tabs->setCurrentIndex(0);
    window.press(Label24);
    window.press(Command4);
    window.press(Command5);
    EXPECT_FALSE(window.isShown(Frame1));
    EXPECT_TRUE(window.calendar(Calendar3)->isVisible());
}

TEST_F(DetailListsTest, RefusedRowLeavesNothingPendingAndThePanelOpen) {
    DetailsWindow window;
    window.openEmployee("E1");
    window.press(Label24);
    window.setText(Fdob, "not a date");
    EXPECT_THROW(window.press(Command1), db::DbError);
    db::Recordset& family = window.rows(DataGrid1);
    EXPECT_FALSE(family.editing());
    EXPECT_EQ(family.recordCount(), 0);
    EXPECT_TRUE(window.isShown(Frame1));
    EXPECT_TRUE(services.boxes.shown.empty());

    // The next save stores one row, not the refused one as well.
    window.setText(Fdob, "01/02/1970");
    window.press(Command1);
    EXPECT_EQ(storedCount("familytree"), 1);
}

TEST_F(DetailListsTest, SpouseAndHobbySavesWriteTheirColumnsOnTheCurrentEmployeeOnly) {
    DetailsWindow window;
    window.openEmployee("E1");
    const forms::ControlName spouse[] = {Spouse, SOccupation, SCompany, SAddress, STel, ShandPhone, Semail};
    const forms::ControlName hobbies[] = {Hobbies, Uniform, Club, Sports, Others, ProfMem, Awards};
    const auto typed = [](forms::ControlName name) { return QStringLiteral("O'H %1").arg(name.toString()).left(15); };
    for (const auto name : spouse) window.setText(name, typed(name));
    for (const auto name : hobbies) window.setText(name, QStringLiteral("%1 typed").arg(name.toString()));

    window.press(Label47);
    EXPECT_EQ(services.boxes.shown.back().prompt, "Spouse Information saved");
    const QString ann = "select * from employee where empid='E1'";
    for (const auto name : spouse) EXPECT_EQ(stored(ann, name.toString()).toString(), typed(name));
    EXPECT_TRUE(stored(ann, "Hobbies").isNull());

    window.press(Label48);
    EXPECT_EQ(services.boxes.shown.back().prompt, "Hobbies & Curricular Information saved");
    for (const auto name : hobbies) {
        EXPECT_EQ(stored(ann, name.toString()).toString(), QStringLiteral("%1 typed").arg(name.toString()));
    }
    EXPECT_EQ(stored(ann, "lnk").toInt(), 7);
    EXPECT_TRUE(stored("select * from employee where empid='E2'", "Spouse").isNull());
}

TEST_F(DetailListsTest, PrintViewProfileWritesNoLnkAndComputesTheFamilyAge) {
    DetailsWindow window({.writesLnk = false, .hidesLnk = false, .formatsEmploymentDates = false});
    window.openEmployee("E1");
    window.press(Label24);
    window.calendar(Calendar3)->pick(QDate(1980, 3, 5));
    window.press(Command1);
    window.press(Label63);
    window.setText(SL11, "Typing");
    window.press(Command10);

    const QString member = "select * from familytree where empid='E1'";
    EXPECT_TRUE(stored(member, "lnk").isNull());
    EXPECT_EQ(stored(member, "Age").toInt(), yearsSince(1980));
    EXPECT_TRUE(stored("select * from workingskill where empid='E1'", "lnk").isNull());
}

// Another user deleted the employee while the tabs were open: a row for it would be an orphan.
TEST_F(DetailListsTest, ARowForAnEmployeeDeletedMeanwhileIsRefused) {
    DetailsWindow window;
    window.openEmployee("E1");
    folder.exec(QStringLiteral("delete from employee where empid='E1'"));
    window.press(Label63);
    window.setText(SL11, "Welding");
    window.press(Command10);
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_TRUE(services.boxes.shown[0].prompt.contains("E1"));
    EXPECT_EQ(storedCount("workingskill"), 0);
}

}  // namespace tests
