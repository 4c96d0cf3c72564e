#include "records/EmployeeWindow.h"

#include "common/AgeStatements.h"
#include "common/BaseSetup.h"
#include "common/Blanks.h"
#include "common/DateText.h"
#include "common/ProgramDatabase.h"
#include "common/SqlText.h"
#include "cvexport/Frmxls2.h"
#include "platform/forms/DataGrid.h"
#include "records/EmpImg.h"
#include "records/EmployeeFields.h"

#include <QComboBox>
#include <QCoreApplication>
#include "records/EmployeeControls.h"

namespace records {

using namespace employeeControls;

namespace {

const QString kListSql = QStringLiteral("SELECT * from Employee order by empid");
const QString kDetails = QStringLiteral("Details");
const QString kBrowse = QStringLiteral("Browse");

const QStringList kRaces = {"Chinese", "Malay", "Indian", "Kadazan"};
const QStringList kMaritalStates = {"Single", "Married", "Divorced", "Seperated"};
const QStringList kDialects = {"Hokkian", "Teochew", "Hakka", "Hainan", "Fuchew"};
const QStringList kReligions = {"Christian", "Buddist", "Muslim", "Hindu"};
const QStringList kGenders = {"Male", "Female"};
const QStringList kRelations = {"Daughter", "Son", "Sister", "Brother", "Mother", "Father"};

// The new employee's spouse and hobby columns hold one blank each.
const QString kBlank = QStringLiteral(" ");

}  // namespace

EmployeeWindow::EmployeeWindow(const forms::WindowDesign& window,
                               std::span<const forms::ControlChange> changes, EmployeeWindowTraits traits)
    : Form(window, design(), changes),
      traits_(std::move(traits)),
      details_(*this, connection_, list_, shown_, traits_.details) {
    // The list lies over the record area and everything on it while it is shown.
    grid(DataGrid4)->raise();
    // The name typed for a new employee lies over the name shown, which comes later in tab order.
    control(Text12)->raise();
    wireHandlers();
}

EmployeeWindow::~EmployeeWindow() = default;

void EmployeeWindow::wireHandlers() {
    const std::pair<forms::ControlName, void (EmployeeWindow::*)()> recordButtons[] = {
        {cinAd, &EmployeeWindow::cinAd_Click}, {Cinsa2, &EmployeeWindow::Cinsa2_Click},
        {CinDe, &EmployeeWindow::CinDe_Click}, {CinEd, &EmployeeWindow::CinEd_Click},
        {CinSa, &EmployeeWindow::CinSa_Click}, {CinCa, &EmployeeWindow::CinCa_Click},
        {CinDel, &EmployeeWindow::CinDel_Click},
    };
    for (const auto& [button, handler] : recordButtons) {
        onClick(button, [this, handler] {
            const KeepReadOnly keep(*this);
            (this->*handler)();
        });
    }
    onClick(CinCls, [this] { unloadSelf(); });
    onClick(Command20, [this] { Command20_Click(); });
    onValidate(Text11, [this] { Text11_Validate(); });

    onDblClick(DataGrid4, [this] {
        const KeepReadOnly keep(*this);
        if (hasCurrentRow()) listRowActivated();
    });
    onHeadClick(DataGrid4, [this](int column) { DataGrid4_HeadClick(column); });
    onClick(Image1, [this] {
        if (!readOnlyLevel() && showsStoredEmployee()) changePhoto();
    });

    wireDatePicker(*this, Command2, Calendar1, DOB);
    wireDatePicker(*this, Command3, Calendar2, Pdate);
}

bool EmployeeWindow::readOnlyLevel() const { return traits_.followsUserLevel && BaseSetup::UserLevel == 1; }

// Level 1 only reads: whatever an action enabled, nothing that changes a record is left usable.
void EmployeeWindow::lockForReadOnlyLevel() {
    if (!readOnlyLevel()) return;
    for (const forms::ControlName control : {cinAd, CinEd, CinDel, CinSa, Cinsa2, Image1}) disable(control);
}

// The fields show the employee that CurrentEmpId names, opened from the list and still its current
// row: not one being added, nor one deleted or saved new since.
bool EmployeeWindow::showsStoredEmployee() const {
    const QString& empid = BaseSetup::CurrentEmpId;
    return text(CinDe) == kBrowse && !isShown(Cinsa2) && !empid.isEmpty() && text(Text1) == empid &&
           hasCurrentRow() && list_.field("empid").toString() == empid;
}

bool EmployeeWindow::hasCurrentRow() const { return list_.isOpen() && !list_.bof() && !list_.eof(); }

void EmployeeWindow::runAgeStatements() {
    connection_.execute(kEmployeeAgeStatement);
    connection_.execute(kFamilyAgeStatement);
}

// ---- Loading ----

void EmployeeWindow::load() {
    lockForReadOnlyLevel();
    disable(CinSa);
    hide(Cinsa2);
    disable(CinCa);
    setTwipsWidth(16800);
    setTwipsHeight(9600);
    setTwipsTop(0);
    fillCombos();

    trapped([this] { openProgramDatabase(connection_); });
    trapped([this] { list_.open(kListSql, &connection_, db::adOpenForwardOnly, db::adLockOptimistic, db::adCmdText); });
    trapped([this] { details_.openRecordsets(); });
    trapped([this] {
        grid(DataGrid4)->setDataSource(&list_);
        details_.bindGrids(readOnlyLevel());
    });
    trapped([this] { hideListColumns(traits_.hidesListLnk); });
}

void EmployeeWindow::fillCombos() {
    const std::pair<forms::ControlName, const QStringList*> lists[] = {
        {Race, &kRaces},       {Marital, &kMaritalStates}, {Dialect, &kDialects},
        {Religion, &kReligions}, {Nat, &traits_.nationalities}, {Fgender, &kGenders},
        {Text9, &kGenders},    {text19, &kRelations},
    };
    for (const auto& [name, items] : lists) {
        // Adding the first item would replace the design text ("Malaysian", "Son ").
        const QString designText = text(name);
        combo(name)->addItems(*items);
        setText(name, designText);
    }
}

void EmployeeWindow::hideListColumns(bool withLnk) {
    auto* list = grid(DataGrid4);
    list->hideColumn(QStringLiteral("aid"));
    if (withLnk) list->hideColumn(QStringLiteral("lnk"));
}

void EmployeeWindow::unload() { connection_.close(); }

// ---- The list ----

void EmployeeWindow::listRowActivated() { CinDe_Click(); }

void EmployeeWindow::DataGrid4_HeadClick(int column) {
    list_.setSort(grid(DataGrid4)->boundFieldName(column) + QStringLiteral(" asc"));
    QCoreApplication::processEvents();
}

// After a save-new lnk stays shown until the next load.
void EmployeeWindow::relist(bool hidesLnk, const QString& empid) {
    list_.close();
    list_.open(kListSql, &connection_, db::adOpenForwardOnly, db::adLockOptimistic, db::adCmdText);
    grid(DataGrid4)->setDataSource(&list_);
    hideListColumns(hidesLnk);
    if (!empid.isEmpty()) moveListTo(empid);
}

// Edit and Delete act on the list's current row: it must be the employee on display.
void EmployeeWindow::moveListTo(const QString& empid) {
    for (list_.moveFirst(); !list_.eof(); list_.moveNext()) {
        if (list_.field("empid").toString() == empid) return;
    }
    list_.moveFirst();
}

// ---- Details and Browse ----

void EmployeeWindow::CinDe_Click() {
    const bool toEmployee = text(CinDe) != kBrowse;
    if (toEmployee && !hasCurrentRow()) return;

    show(Command20);
    show(Label23);
    hide(Text12);
    enable(CinEd);
    enable(CinDel);
    enable(CinCls);
    if (readOnlyLevel()) {
        disable(Image1);
        disable(CinEd);
        disable(CinDel);
    }
    usingPhotoStore([this, toEmployee] {
        if (toEmployee) {
            openEmployee();
        } else {
            show(DataGrid4);
            enable(cinAd);
            setText(CinDe, kDetails);
            hide(SSTab1);
        }
        if (readOnlyLevel()) {
            details_.LoadDetailGridsReadOnly();
        } else {
            details_.LoadDetailGrids();
        }
    });
}

void EmployeeWindow::openEmployee() {
    if (!traits_.listStaysShown) hide(DataGrid4);
    setText(CinDe, kBrowse);
    disable(CinSa);
    disable(CinCa);
    const QString empid = list_.field("empid").toString();
    setText(Text1, empid);
    BaseSetup::CurrentEmpId = empid;
    takeStorePhoto(*this);
    const QString name = list_.field("empname").toString();
    setText(Text2, name);
    setText(Text12, name);
    for (const auto fields : {personalFields(), spouseFields(), hobbyFields()}) showFields(*this, list_, fields, shown_);
}

// ---- New and its save ----

void EmployeeWindow::cinAd_Click() {
    if (readOnlyLevel()) return;
    hide(Command20);
    hide(SSTab1);
    hide(Label23);
    setText(Text12, QString());
    show(Text12);
    setText(Text1, QString());
    enable(Text1);
    enable(Text2);
    setText(Text2, QString());
    for (const forms::ControlName field : {Text3, Text4, Text5, Text7, Text8, Text10}) setText(field, QString());
    setText(Text11, QStringLiteral("0"));
    for (const forms::ControlName field : {Text13, Text14, Text15, Text16, Text17}) setText(field, QString());
    setText(DOB, kNewRowDate);
    for (const forms::ControlName field : {Age, IcNew, IcOld, Passport}) setText(field, QString());
    setText(Pdate, kNewRowDate);
    show(Cinsa2);
    hide(CinSa);
    enable(CinCa);
    for (const forms::ControlName button : {CinDel, CinEd, CinDe, CinCls, cinAd}) disable(button);
    hide(DataGrid4);
}

// The state after a save-new, whether it stored the employee or found the id taken.
void EmployeeWindow::leaveAddingMode() {
    enable(CinEd);
    enable(CinDel);
    enable(CinCls);
    setText(CinDe, kBrowse);
    enable(CinDe);
    disable(CinSa);
    show(CinSa);
    disable(CinCa);
    hide(Cinsa2);
    enable(cinAd);
    disable(Text2);
}

void EmployeeWindow::Cinsa2_Click() {
    if (readOnlyLevel()) return;
    if (trimBlanks(text(Text3)).isEmpty()) {
        setText(Text3, text(Text13));
        setText(Text4, text(Text14));
        setText(Text5, text(Text15));
        setText(Text8, text(Text7));
    }
    if (trimBlanks(text(Text12)).isEmpty() && trimBlanks(text(Text1)).isEmpty()) {
        forms::msgBox(QStringLiteral(" Please enter the Employee ID and Name"));
        return;
    }

    idCount_.open(QStringLiteral("SELECT count(*) as EmpidT from employee where empid='") +
                      sqlEscape(text(Text1)) + QStringLiteral("'"),
                  &connection_, db::adOpenForwardOnly, db::adLockOptimistic, db::adCmdText);
    const auto count = idCount_.field("empidT").toInt();
    idCount_.close();
    if (count != 0) {
        showIdAlreadyStored();
        leaveAddingMode();
        return;
    }

    list_.assignAndUpdate([this] {
        list_.addNew();
        list_.setField("empid", text(Text1));
        list_.setField("empname", text(Text12));
        writeFields(*this, list_, personalFields(), ShownTexts());
        list_.setField("Age", 28);
        list_.setField("lnk", 1);
        list_.setField("FileName", QStringLiteral("picture.bmp"));
        for (const auto fields : {spouseFields(), hobbyFields()}) {
            for (const auto& entry : fields) list_.setField(QLatin1String(entry.column), kBlank);
        }
    });

    runAgeStatements();
    forms::msgBox(QStringLiteral(" New Employee Added"));
    leaveAddingMode();
    relist(false, text(Text1));
}

// Opens the stored employee when it lies at or after the list's current row.
void EmployeeWindow::showIdAlreadyStored() {
    forms::msgBox(QStringLiteral(" Employee ID already Exist"));
    const QString id = trimBlanks(text(Text1));
    for (; list_.isOpen() && !list_.eof(); list_.moveNext()) {
        if (list_.bof()) continue;
        if (trimBlanks(list_.field("empid").toString()) == id) {
            const QString name = list_.field("empname").toString();
            setText(Text2, name);
            setText(Text12, name);
            CinDe_Click();
            return;
        }
    }
}

// ---- Edit, its save and Cancel ----

void EmployeeWindow::CinEd_Click() {
    if (readOnlyLevel() || !hasCurrentRow()) return;
    hide(Command20);
    hide(Text12);
    setText(CinDe, kBrowse);
    for (const forms::ControlName control : {cinAd, Text1, Text2}) disable(control);
    enable(CinSa);
    enable(CinCa);
    for (const forms::ControlName button : {CinDel, CinEd, CinDe, CinCls}) disable(button);
    hide(Cinsa2);
    hide(DataGrid4);
    setText(Text1, list_.field("empid").toString());
    setText(Text2, list_.field("empname").toString());
    showFields(*this, list_, personalFields(), shown_);
}

void EmployeeWindow::CinSa_Click() {
    if (readOnlyLevel()) return;
    list_.assignAndUpdate([this] { writeFields(*this, list_, personalFields(), shown_); });
    shown_.remember(*this, personalFields());
    runAgeStatements();
    for (const forms::ControlName button : {CinEd, CinDel, CinCls, CinDe}) enable(button);
    disable(CinSa);
    disable(CinCa);
    enable(cinAd);
}

void EmployeeWindow::CinCa_Click() {
    const bool adding = isShown(Cinsa2);
    forms::msgBox(adding ? QStringLiteral(" Record adding cancelled by User")
                         : QStringLiteral(" Editing Cancelled by User"));
    disable(CinSa);
    disable(CinCa);
    for (const forms::ControlName button : {CinEd, CinDel, CinCls, CinDe, cinAd}) enable(button);
    if (adding) {
        show(CinSa);
        hide(Cinsa2);
        setText(CinDe, kDetails);
        show(DataGrid4);
    }
}

// ---- Delete ----

void EmployeeWindow::CinDel_Click() {
    if (readOnlyLevel() || !hasCurrentRow()) return;
    const auto answer = forms::msgBox(QStringLiteral("Proceed with deleting current record ?"),
                                      forms::Buttons::YesNo, forms::Icon::None,
                                      QStringLiteral("Confimation on Delete"));
    if (answer != forms::Answer::Yes) {
        forms::msgBox(QStringLiteral("Operation cancelled by user!"));
        return;
    }
    // The id of the row deleted, not of the fields shown: the user may have moved the list since.
    const QString empid = list_.field("empid").toString();
    connection_.transaction([&] {
        DeleteEmployeeDetails(empid);
        list_.remove();
    });
    forms::msgBox(QStringLiteral("Record Deleted"));
    show(DataGrid4);
}

void EmployeeWindow::DeleteEmployeeDetails(const QString& empid) {
    static const char* const statements[] = {
        "delete from familytree where empid='", "delete from Academic where empid='",
        "delete from Training where empid='",   "delete from workingskill where empid='",
        "delete from languagedialect where empid='", "delete from employment where empid='",
        "delete from project where empid='",
    };
    for (const char* statement : statements) {
        connection_.execute(QLatin1String(statement) + sqlEscape(empid) + QStringLiteral("'"));
    }
}

// ---- Print and the number of children ----

void EmployeeWindow::Command20_Click() {
    forms::get<cvexport::Frmxls2>().press(cvexport::generatorControls::RunXl);
    forms::unload<cvexport::Frmxls2>();
}

void EmployeeWindow::Text11_Validate() {
    bool numeric = false;
    text(Text11).trimmed().toDouble(&numeric);
    if (!numeric) {
        forms::msgBox(QStringLiteral("Numeric only and No Blank Field allowed "), forms::Buttons::OK,
                      forms::Icon::None, QStringLiteral("No.of.Child"));
        setText(Text11, QStringLiteral("0"));
    }
}

}  // namespace records
