#include "records/DetailLists.h"

#include "common/AgeStatements.h"
#include "common/DateText.h"
#include "common/SqlText.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Form.h"
#include "platform/forms/Services.h"
#include "records/EmployeeControls.h"
#include "records/EmployeeFields.h"

#include <QCoreApplication>

#include <array>
#include <stdexcept>

namespace records {

using namespace employeeControls;

namespace {

const QString kGridDateFormat = QStringLiteral("dd/mmm/yyyy");

struct ColumnWidth {
    const char* field;
    int twips;
};

// One detail list: its grid, the texts that open its recordset, and how the grid shows it.
struct GridSpec {
    forms::ControlName grid;
    const char* loadText;     // the window's load spells one table name differently
    const char* reloadText;
    const char* rowId;
    int tab;
    const char* dateField = nullptr;           // shown as dd/mmm/yyyy before lnk is hidden
    std::array<ColumnWidth, 2> widths = {};
    bool hidesN = false;                       // the family's n column
    bool employmentDates = false;              // datejoined and dateleft, formatted after lnk
};

constexpr GridSpec kGrids[] = {
    {.grid = DataGrid1, .loadText = "select * from FamilyTree where empid='",
     .reloadText = "select * from FamilyTree where empid='", .rowId = "bid", .tab = 0, .dateField = "dob",
     .hidesN = true},
    {.grid = DataGrid2, .loadText = "select * from Academic where empid='",
     .reloadText = "select * from Academic where empid='", .rowId = "cid", .tab = 1,
     .widths = {{{"Institution", 4000}}}},
    {.grid = DataGrid3, .loadText = "select * from Training where empid='",
     .reloadText = "select * from Training where empid='", .rowId = "did", .tab = 1,
     .widths = {{{"coursename", 4000}}}},
    {.grid = DataGrid5, .loadText = "select * from workingskill where empid='",
     .reloadText = "select * from workingskill where empid='", .rowId = "eid", .tab = 2,
     .widths = {{{"skill", 6500}}}},
    {.grid = DataGrid6, .loadText = "select * from Languagedialect where empid='",
     .reloadText = "select * from languagedialect where empid='", .rowId = "fid", .tab = 2,
     .widths = {{{"languagedialect", 6500}, {"written", 1700}}}},
    {.grid = DataGrid7, .loadText = "select * from employment where empid='",
     .reloadText = "select * from employment where empid='", .rowId = "gid", .tab = 3,
     .employmentDates = true},
    {.grid = DataGrid8, .loadText = "select * from project where empid='",
     .reloadText = "select * from project where empid='", .rowId = "hid", .tab = 3},
};
constexpr std::size_t kGridCount = std::size(kGrids);

constexpr FieldColumn kFamilyFields[] = {{Fname, "Name"},       {text19, "relationship"},
                                         {Fdob, "DOB"},         {Fgender, "gender"},
                                         {FOccupy, "occupation"}, {Contact, "contactno"}};
constexpr FieldColumn kAcademicFields[] = {
    {Period1, "Period"}, {Institute1, "institution"}, {Level1, "LevelObtained"}, {Grade1, "grade"}};
constexpr FieldColumn kTrainingFields[] = {
    {Period2, "Period"}, {Institute2, "coursename"}, {Level2, "certificatename"}, {Grade2, "result"}};
constexpr FieldColumn kSkillFields[] = {{SL11, "skill"}, {SL21, "years"}, {SL31, "ProficiencyLevel"}};
constexpr FieldColumn kLanguageFields[] = {
    {SL12, "LanguageDialect"}, {SL22, "spoken"}, {SL32, "written"}};
constexpr FieldColumn kEmploymentFields[] = {
    {EP11, "CompanyName"}, {Ep21, "positiontitle"}, {Ep31, "PositionLevel"},
    {Ep41, "Specialisation"}, {Ep51, "Industry"}, {Ep61, "DateJoined"},
    {Ep71, "Dateleft"}, {Ep81, "workdescription"}, {Ep91, "reasonleft"}};
constexpr FieldColumn kProjectFields[] = {
    {Ep12, "ProjectName"}, {Ep22, "Client"}, {Ep32, "Duration"}, {Ep42, "TeamSize"},
    {Ep52, "Role"}, {Ep62, "SoftwarePlateform"}, {Ep72, "OtherSkill"}};

constexpr forms::ControlName kFamilyDates[] = {Fdob};
constexpr forms::ControlName kEmploymentDates[] = {Ep61, Ep71};

// One add panel: the label that opens it, its buttons, the list it adds to and what it writes.
struct PanelSpec {
    forms::ControlName addLabel;
    forms::ControlName frame;
    forms::ControlName saveButton;
    forms::ControlName closeButton;
    std::size_t grid;   // index in kGrids
    std::span<const FieldColumn> fields;
    std::span<const forms::ControlName> dateInputs = {};   // start at the new-row date each time it opens
    bool family = false;
};

const PanelSpec kPanels[] = {
    {Label24, Frame1, Command1, Command5, 0, kFamilyFields, kFamilyDates, true},
    {Label51, Frame4, Command6, Command7, 1, kAcademicFields},
    {Label52, Frame5, Command8, Command9, 2, kTrainingFields},
    {Label63, Frame6, Command10, Command11, 3, kSkillFields},
    {Label66, Frame7, Command12, Command13, 4, kLanguageFields},
    {Label73, Frame10, Command14, Command15, 5, kEmploymentFields, kEmploymentDates},
    {Label74, Frame11, Command16, Command17, 6, kProjectFields},
};

constexpr forms::ControlName kCloseLabels[] = {Label84, Label85, Label86, Label87};

struct CalendarSpec {
    forms::ControlName button;
    forms::ControlName calendar;
    forms::ControlName target;
};
constexpr CalendarSpec kCalendars[] = {
    {Command4, Calendar3, Fdob},
    {Command18, Calendar5, Ep61},
    {Command19, Calendar4, Ep71},
};

}  // namespace

struct DetailLists::Impl {
    forms::Form& window;
    db::Connection& connection;
    db::Recordset& employeeList;
    ShownTexts& shown;
    DetailListsProfile profile;
    std::array<db::Recordset, kGridCount> recordsets;
    bool readOnly = false;   // level 1: no add, no save, no cell edit, whatever is pressed

    Impl(forms::Form& w, db::Connection& c, db::Recordset& list, ShownTexts& s, DetailListsProfile p)
        : window(w), connection(c), employeeList(list), shown(s), profile(p) {}

    QString sqlFor(const char* text) const {
        return QString::fromLatin1(text) + sqlEscape(window.text(Text1)) + QLatin1Char('\'');
    }

    void open(std::size_t index, const char* text) {
        recordsets[index].open(sqlFor(text), &connection, db::adOpenForwardOnly, db::adLockOptimistic,
                               db::adCmdText);
    }

    void reload(bool readOnlyLists) {
        readOnly = readOnlyLists;
        for (std::size_t i = 0; i < kGridCount; ++i) {
            const GridSpec& spec = kGrids[i];
            db::Recordset& recordset = recordsets[i];
            if (recordset.isOpen()) {
                // A grid edit still pending is written, not lost with the old list.
                window.grid(spec.grid)->commit();
                recordset.close();
            }
            open(i, spec.reloadText);
            forms::DataGrid& grid = *window.grid(spec.grid);
            grid.setDataSource(&recordset);
            setColumns(spec, grid, readOnlyLists);
        }
    }

    void setColumns(const GridSpec& spec, forms::DataGrid& grid, bool readOnly) const {
        grid.hideColumn(spec.rowId);
        grid.lockColumn(QStringLiteral("Empid"));
        if (spec.dateField) grid.setColumnFormat(spec.dateField, kGridDateFormat);
        for (const ColumnWidth& width : spec.widths) {
            if (width.field) grid.setColumnWidthTwips(width.field, width.twips);
        }
        if (readOnly) {
            grid.setAllowDelete(false);
            grid.setAllowUpdate(false);
        }
        if (profile.hidesLnk) {
            grid.hideColumn(QStringLiteral("lnk"));
            if (spec.hidesN) grid.hideColumn(QStringLiteral("N"));
        }
        if (spec.employmentDates && profile.formatsEmploymentDates && !readOnly) {
            grid.setColumnFormat(QStringLiteral("datejoined"), kGridDateFormat);
            grid.setColumnFormat(QStringLiteral("dateleft"), kGridDateFormat);
        }
    }

    void showTabs() {
        window.disable(CinDe);
        window.show(SSTab1);
    }

    // Writes the pending grid edits of one tab's lists; a list without a current row has none.
    void closeTabs(int tab) {
        window.enable(CinDe);
        for (std::size_t i = 0; i < kGridCount; ++i) {
            if (kGrids[i].tab != tab) continue;
            db::Recordset& recordset = recordsets[i];
            if (recordset.bof() || recordset.eof()) continue;
            window.grid(kGrids[i].grid)->commit();
        }
        window.hide(SSTab1);
    }

    void openPanel(const PanelSpec& panel) {
        if (readOnly) return;
        window.show(panel.frame);
        for (const forms::ControlName input : panel.dateInputs) window.setText(input, kNewRowDate);
    }

    // A row is added only for an employee still stored: another user may have deleted it meanwhile.
    bool employeeStored() {
        db::Recordset count;
        count.open(sqlFor("SELECT count(*) as EmpT from employee where empid='"), &connection);
        return count.field(QStringLiteral("EmpT")).toInt() > 0;
    }

    void savePanel(const PanelSpec& panel) {
        if (readOnly) return;
        if (!employeeStored()) {
            forms::msgBox(QStringLiteral("The employee %1 is no longer in the database (another user may have "
                                         "deleted it), so the row was not added.")
                              .arg(window.text(Text1)),
                          forms::Buttons::OK, forms::Icon::Exclamation);
            return;
        }
        db::Recordset& recordset = recordsets[panel.grid];
        recordset.assignAndUpdate([&] {
            recordset.addNew();
            recordset.setField(QStringLiteral("empid"), window.text(Text1));
            for (const FieldColumn& field : panel.fields) recordset.setField(field.column, window.text(field.field));
            if (panel.family) recordset.setField(QStringLiteral("n"), QStringLiteral(" "));
            if (profile.writesLnk) {
                recordset.setField(QStringLiteral("lnk"), 1);
                if (panel.family) recordset.setField(QStringLiteral("Age"), 0);
            }
        });
        if (panel.family) connection.execute(kFamilyAgeStatement);
        forms::msgBox(QStringLiteral("Record Added"));
        window.hide(panel.frame);
    }

    void saveEmployeeColumns(std::span<const FieldColumn> fields, const QString& message) {
        if (readOnly) return;
        employeeList.assignAndUpdate([&] { writeFields(window, employeeList, fields, shown); });
        shown.remember(window, fields);
        forms::msgBox(message);
    }

    void sort(std::size_t index, int column) {
        recordsets[index].setSort(window.grid(kGrids[index].grid)->boundFieldName(column) + QStringLiteral(" asc"));
        QCoreApplication::processEvents();
    }

    void wire() {
        window.onClick(Label23, [this] { showTabs(); });
        for (int tab = 0; tab < int(std::size(kCloseLabels)); ++tab) {
            window.onClick(kCloseLabels[tab], [this, tab] { closeTabs(tab); });
        }
        for (const PanelSpec& panel : kPanels) {
            window.onClick(panel.addLabel, [this, &panel] { openPanel(panel); });
            window.onClick(panel.saveButton, [this, &panel] { savePanel(panel); });
            window.onClick(panel.closeButton, [this, &panel] { window.hide(panel.frame); });
        }
        window.onClick(Label47, [this] {
            saveEmployeeColumns(spouseFields(), QStringLiteral("Spouse Information saved"));
        });
        window.onClick(Label48, [this] {
            saveEmployeeColumns(hobbyFields(), QStringLiteral("Hobbies & Curricular Information saved"));
        });
        for (const CalendarSpec& spec : kCalendars) wireDatePicker(window, spec.button, spec.calendar, spec.target);
        for (std::size_t i = 0; i < kGridCount; ++i) {
            window.onHeadClick(kGrids[i].grid, [this, i](int column) { sort(i, column); });
        }
    }
};

DetailLists::DetailLists(forms::Form& window, db::Connection& connection, db::Recordset& employeeList,
                         ShownTexts& shown, DetailListsProfile profile)
    : d_(std::make_unique<Impl>(window, connection, employeeList, shown, profile)) {
    d_->wire();
}

DetailLists::~DetailLists() = default;

void DetailLists::openRecordsets() {
    for (std::size_t i = 0; i < kGridCount; ++i) d_->open(i, kGrids[i].loadText);
}

void DetailLists::bindGrids(bool readOnly) {
    d_->readOnly = readOnly;
    for (std::size_t i = 0; i < kGridCount; ++i) {
        forms::DataGrid& grid = *d_->window.grid(kGrids[i].grid);
        grid.setDataSource(&d_->recordsets[i]);
        grid.setAllowUpdate(!readOnly);
    }
}

void DetailLists::LoadDetailGrids() { d_->reload(false); }

void DetailLists::LoadDetailGridsReadOnly() {
    for (const forms::ControlName label : {Label47, Label48}) d_->window.hide(label);
    for (const PanelSpec& panel : kPanels) d_->window.hide(panel.addLabel);
    d_->reload(true);
}

db::Recordset& DetailLists::recordset(forms::ControlName grid) {
    for (std::size_t i = 0; i < kGridCount; ++i) {
        if (grid == kGrids[i].grid) return d_->recordsets[i];
    }
    throw std::invalid_argument("No detail list is bound to " + grid.toString().toStdString());
}

}  // namespace records
