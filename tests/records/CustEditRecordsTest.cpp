// What the editor writes: new employees, edits and deletions, and the checks before them.
#include "tests/records/EmployeeWindowFixture.h"

#include "common/BaseSetup.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/MonthCalendar.h"
#include "records/EmployeeControls.h"
#include "records/CustEdit.h"

#include <QApplication>
#include <QDate>
#include <QFocusEvent>

namespace tests {

using namespace records::employeeControls;
namespace {

using records::CustEdit;

const QStringList kDetailTables = {"familytree", "academic", "training", "workingskill",
                                   "languagedialect", "employment", "project"};
const int kThisYear = QDate::currentDate().year();

class CustEditRecords : public EmployeeWindowTest {
protected:
    void SetUp() override { BaseSetup::UserLevel = 9; }

    CustEdit& startNew(const QString& empid, const QString& name) {
        auto& window = forms::get<CustEdit>();
        window.press(cinAd);
        window.setText(Text1, empid);
        window.setText(Text12, name);
        return window;
    }
    QString column(const QString& empid, const QString& name) const {
        return value(QStringLiteral("SELECT %1 FROM employee WHERE empid='%2'").arg(name, empid));
    }
    long employees() const { return number("SELECT count(*) FROM employee"); }
    long detailRows(const QString& empid) const {
        long rows = 0;
        for (const auto& table : kDetailTables) {
            rows += number(QStringLiteral("SELECT count(*) FROM %1 WHERE empid='%2'").arg(table, empid));
        }
        return rows;
    }
};

// ---- Save of a new employee ----

TEST_F(CustEditRecords, NewEmployeeIsStoredWithItsDefaultsAndComputedAge) {
    execute("INSERT INTO familytree (empid, DOB, Age) VALUES ('X', '1990-06-01', 0)");
    auto& window = startNew("E'10", "O'Brien");
    window.setText(Text3, "1 Jalan Baru");
    window.setText(Text11, "1a");
    window.press(Command2);
    window.calendar(Calendar1)->pick(QDate(1980, 3, 5));
    EXPECT_EQ(window.text(DOB), "05/03/1980");
    EXPECT_FALSE(window.isShown(Calendar1));
    window.press(Cinsa2);

    EXPECT_EQ(prompts(), QStringList{" New Employee Added"});
    EXPECT_EQ(column("E''10", "empname"), "O'Brien");
    EXPECT_EQ(column("E''10", "DOB"), "05/03/1980");
    EXPECT_EQ(column("E''10", "Pedate"), "01/01/1900");
    EXPECT_EQ(column("E''10", "Age").toInt(), kThisYear - 1980);
    EXPECT_EQ(column("E''10", "Child").toDouble(), 1.0);
    EXPECT_EQ(column("E''10", "Address1"), "1 Jalan Baru");
    EXPECT_EQ(column("E''10", "FileName"), "picture.bmp");
    EXPECT_EQ(column("E''10", "lnk"), "1");
    EXPECT_EQ(column("E''10", "Spouse || Semail || Hobbies || Awards"), "    ");
    EXPECT_EQ(number("SELECT Age FROM familytree WHERE empid='X'"), kThisYear - 1990);
}

TEST_F(CustEditRecords, BlankFirstCurrentAddressLineTakesThePermanentAddress) {
    auto& window = startNew("E012", "Eve");
    const std::pair<forms::ControlName, const char*> typed[] = {
        {Text13, "Lot 5"}, {Text14, "Taman"}, {Text15, "Kuching"},
        {Text7, "082-111"}, {Text3, "   "},   {Text4, "typed"}};
    for (const auto& [field, text] : typed) window.setText(field, text);
    window.press(Cinsa2);
    EXPECT_EQ(column("E012", "Address1 || Address2 || Address3 || Fax"), "Lot 5TamanKuching082-111");
}

TEST_F(CustEditRecords, IdOrNameAloneIsEnoughButNotNeither) {
    startNew("E020", "").press(Cinsa2);
    forms::unload<CustEdit>();
    startNew("", "Nameless").press(Cinsa2);
    forms::unload<CustEdit>();
    EXPECT_EQ(employees(), 2);

    auto& window = startNew(" ", " ");
    window.setText(Text13, "Lot 7");
    window.press(Cinsa2);
    EXPECT_EQ(employees(), 2);
    EXPECT_EQ(prompts().last(), " Please enter the Employee ID and Name");
    EXPECT_TRUE(window.isShown(Cinsa2));
    EXPECT_EQ(window.text(Text3), "Lot 7");   // the copy stays
}

// After a save-new the fields show the new employee, so Edit and Delete must act on it, not on
// the list's first row.
TEST_F(CustEditRecords, RelistShowsTheNewEmployeeInOrderWithLnkAndStandsOnIt) {
    addEmployee("E001", "Alice");
    addEmployee("E005", "Fay");
    auto& window = forms::get<CustEdit>();
    window.press(CinDe);
    startNew("E003", "Carol").press(Cinsa2);

    auto& list = window.employeeList();
    ASSERT_EQ(list.recordCount(), 3);
    EXPECT_EQ(list.valueAt(1, list.fieldIndex("empid")).toString(), "E003");
    EXPECT_EQ(list.field("empid").toString(), "E003");
    EXPECT_FALSE(window.grid(DataGrid4)->isColumnHidden("lnk"));
    EXPECT_TRUE(window.grid(DataGrid4)->isColumnHidden("aid"));
    EXPECT_EQ(BaseSetup::CurrentEmpId, "E001");

    services.boxes.answers = {forms::Answer::Yes};
    window.press(CinDel);
    EXPECT_EQ(value("SELECT group_concat(empid) FROM (SELECT empid FROM employee ORDER BY empid)"), "E001,E005");
}

// A save-new with a stored id writes nothing and leaves adding mode; it opens the stored employee
// only when the walk from the list's current row meets it.
class CustEditStoredId : public CustEditRecords {
protected:
    void SetUp() override {
        CustEditRecords::SetUp();
        addEmployee("E001", "Alice");
        addEmployee("E002", "Bob");
        addEmployee("E003", "Carol");
    }
    void saveNewAs(CustEdit& window, const QString& empid) {
        window.press(cinAd);
        window.setText(Text1, empid);
        window.press(Cinsa2);
        EXPECT_EQ(prompts(), QStringList{" Employee ID already Exist"});
        EXPECT_EQ(employees(), 3);
        EXPECT_EQ(window.text(CinDe), "Browse");
        EXPECT_FALSE(window.isShown(Cinsa2));
        EXPECT_FALSE(window.isControlEnabled(Text2));
    }
};

TEST_F(CustEditStoredId, MatchAfterTheCurrentRowIsOpened) {
    auto& window = forms::get<CustEdit>();
    saveNewAs(window, "E003");
    EXPECT_EQ(window.text(Text2), "Carol");
    EXPECT_EQ(BaseSetup::CurrentEmpId, "E003");
    EXPECT_FALSE(window.isShown(DataGrid4));
}

TEST_F(CustEditStoredId, MatchBeforeTheCurrentRowOnlyWarns) {
    auto& window = forms::get<CustEdit>();
    moveTo(window, "E002");
    saveNewAs(window, "E001");
    EXPECT_EQ(window.text(Text2), "");
    EXPECT_EQ(BaseSetup::CurrentEmpId, "");
}

TEST_F(CustEditStoredId, AfterNewInDetailModeTheSwitchBringsTheListBack) {
    auto& window = forms::get<CustEdit>();
    window.press(CinDe);
    saveNewAs(window, "E002");
    EXPECT_TRUE(window.isShown(DataGrid4));
    EXPECT_EQ(BaseSetup::CurrentEmpId, "E001");
}

// ---- Edit ----

TEST_F(CustEditRecords, EditThenCancelWritesNothing) {
    addEmployee("E001", "Alice", {{"Address1", "'Old Street'"}, {"DOB", "'1970-01-01'"}, {"Age", "3"}});
    const QString row = "empname || Address1 || DOB || Age || coalesce(lnk, '-')";
    const QString before = column("E001", row);
    auto& window = forms::get<CustEdit>();
    window.press(CinDe);
    window.press(CinEd);
    window.setText(Text3, "New Street");
    window.press(CinCa);
    EXPECT_EQ(column("E001", row), before);
}

TEST_F(CustEditRecords, EditSaveWritesOnlyThePersonalColumnsAndRecomputesAges) {
    addEmployee("E001", "Alice", {{"Spouse", "'Sam'"}, {"DOB", "'1970-01-01'"}, {"Age", "3"},
                                  {"FileName", "'a.bmp'"}, {"Child", "1"}});
    execute("INSERT INTO familytree (empid, DOB, Age) VALUES ('E001', '2000-02-02', 0)");
    auto& window = forms::get<CustEdit>();
    window.press(CinDe);
    window.press(CinEd);
    EXPECT_EQ(window.text(Text11), "1");
    window.setText(Text3, "New Street's End");
    window.setText(Text11, "2");
    window.setText(Text2, "Renamed");
    window.setText(Spouse, "Changed");
    window.press(Command3);
    window.calendar(Calendar2)->pick(QDate(2030, 12, 31));
    window.press(CinSa);

    EXPECT_EQ(column("E001", "Address1"), "New Street's End");
    EXPECT_EQ(column("E001", "Child").toDouble(), 2.0);
    EXPECT_EQ(column("E001", "Pedate"), "31/12/2030");
    EXPECT_EQ(column("E001", "empname || Spouse || FileName || coalesce(lnk, '-')"), "AliceSama.bmp-");
    EXPECT_EQ(column("E001", "Age").toInt(), kThisYear - 1970);
    EXPECT_EQ(number("SELECT Age FROM familytree"), kThisYear - 2000);
    EXPECT_TRUE(services.boxes.shown.empty());
}

// ---- Delete ----

// Two employees with a row in each of the seven detail tables.
class CustEditDelete : public CustEditRecords {
protected:
    void SetUp() override {
        CustEditRecords::SetUp();
        for (const QString empid : {"E001", "E002"}) {
            addEmployee(empid, "Name of " + empid);
            for (const auto& table : kDetailTables) {
                execute(QStringLiteral("INSERT INTO %1 (empid) VALUES ('%2')").arg(table, empid));
            }
        }
    }
};

TEST_F(CustEditDelete, RemovesTheListRowsEmployeeWithAllItsDetailRows) {
    auto& window = forms::get<CustEdit>();
    window.press(CinDe);
    window.press(CinDe);
    moveTo(window, "E002");   // the fields still show E001
    services.boxes.answers = {forms::Answer::Yes};
    window.press(CinDel);

    ASSERT_EQ(services.boxes.shown.size(), 2u);
    EXPECT_EQ(services.boxes.shown[0].prompt, "Proceed with deleting current record ?");
    EXPECT_EQ(services.boxes.shown[0].title, "Confimation on Delete");
    EXPECT_EQ(services.boxes.shown[0].buttons, forms::Buttons::YesNo);
    EXPECT_EQ(services.boxes.shown[1].prompt, "Record Deleted");
    EXPECT_EQ(column("E002", "count(*)"), "0");
    EXPECT_EQ(detailRows("E002"), 0);
    EXPECT_EQ(column("E001", "count(*)"), "1");
    EXPECT_EQ(detailRows("E001"), 7);
    EXPECT_EQ(window.employeeList().recordCount(), 1);
}

TEST_F(CustEditDelete, DeclinedOrFailedDeleteLeavesEverythingInPlace) {
    auto& window = forms::get<CustEdit>();
    services.boxes.answers = {forms::Answer::No};
    window.press(CinDel);
    EXPECT_EQ(prompts().last(), "Operation cancelled by user!");

    execute("CREATE TRIGGER keep_projects BEFORE DELETE ON project BEGIN SELECT RAISE(ABORT, 'refused'); END");
    services.boxes.answers = {forms::Answer::Yes};
    forms::guarded([&] { window.press(CinDel); });
    EXPECT_EQ(services.boxes.shown.back().icon, forms::Icon::Critical);
    EXPECT_EQ(column("E001", "count(*)"), "1");
    EXPECT_EQ(detailRows("E001"), 7);
    EXPECT_EQ(window.employeeList().recordCount(), 2);
}

TEST_F(CustEditRecords, NumberOfChildrenMustBeANumber) {
    auto& window = forms::get<CustEdit>();
    for (const char* typed : {"a", "", "12"}) {
        window.setText(Text11, typed);
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(window.control(Text11), &focusOut);
    }
    EXPECT_EQ(window.text(Text11), "12");
    ASSERT_EQ(services.boxes.shown.size(), 2u);
    EXPECT_EQ(services.boxes.shown[0].prompt, "Numeric only and No Blank Field allowed ");
    EXPECT_EQ(services.boxes.shown[0].title, "No.of.Child");
}

}  // namespace
}  // namespace tests

namespace tests {
namespace {

// After a pick the keys typed next must not land in the box that happens to follow the calendar.
TEST_F(CustEditRecords, APickedDateLeavesTheFocusOnItsOwnButton) {
    auto& window = startNew("E1", "Ann");
    window.showWindow();
    QApplication::setActiveWindow(&window);
    window.press(Command2);
    window.calendar(Calendar1)->setFocus();
    window.calendar(Calendar1)->pick(QDate(1980, 3, 5));
    EXPECT_TRUE(window.control(Command2)->hasFocus());
    EXPECT_EQ(window.text(Text1), "E1");
}

}  // namespace
}  // namespace tests
