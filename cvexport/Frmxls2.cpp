#include "cvexport/Frmxls2.h"

#include "common/BaseSetup.h"
#include "common/MainModule.h"
#include "common/ProgramDatabase.h"
#include "common/SqlText.h"
#include "cvexport/CvSheets.h"
#include "platform/db/Recordset.h"
#include "platform/forms/Services.h"
#include "platform/spreadsheet/Application.h"
#include "platform/spreadsheet/WorkbookError.h"

#include <QScopeGuard>

#include <array>

namespace cvexport {

using namespace spreadsheet;

namespace {

const forms::WindowDesign kWindow{.caption = "Form1", .clientWidth = 4680, .clientHeight = 3195};

const forms::Control kDesign[] = {
    {.name = generatorControls::RunXl, .kind = forms::Kind::Button, .caption = "Run Excel", .left = 1560, .top = 1320,
     .width = 1455, .height = 495},
};

const QString kWorkbookName = QStringLiteral("C:\\Pravel.xls");

// Where each detail list goes: worksheet, destination cell and the query's text before the id.
struct DetailList {
    int sheet;
    const char* destination;
    const char* query;
};

constexpr std::array<DetailList, 5> kDetailLists{{
    {2, "A13", "SELECT Name,n,Age,DOB,Relationship,Occupation,ContactNo FROM familytree where empid='"},
    {3, "A4", "SELECT Skill,Years,ProficiencyLevel FROM workingskill where empid='"},
    {3, "A29", "SELECT LanguageDialect,Written,Spoken FROM languagedialect where empid='"},
    {4, "A3", "SELECT Period,Institution,LevelObtained,Grade FROM academic where empid='"},
    {4, "A24", "SELECT Period,CourseName,CertificateName,Result FROM training where empid='"},
}};

QString forCurrentEmployee(const QString& textBeforeId) {
    return textBeforeId + sqlEscape(BaseSetup::CurrentEmpId) + QStringLiteral("'");
}

// Excel's own question before it replaces a file.
bool userAgreesToReplace(const QString& fileName) {
    return forms::msgBox(
               QStringLiteral("A file named '%1' already exists in this location. Do you want to replace it?").arg(fileName),
               forms::Buttons::YesNo, forms::Icon::Exclamation, QString(),
               forms::DefaultButton::Second) == forms::Answer::Yes;
}

bool openOnDesktop(const QString& nativePath) { return forms::desktopOpener().open(nativePath); }

}  // namespace

// What one run holds. Members go in reverse order, whatever ended the run: the application with its
// workbook first, the recordsets, then the connection.
struct Frmxls2::Run {
    db::Connection connection;
    db::Recordset employee;
    db::Recordset employment;
    db::Recordset project;
    Application xl;
    Workbook* book = nullptr;
    std::array<Worksheet*, 6> sheets{};

    Worksheet& sheet(int index) { return *sheets.at(index - 1); }
};

Frmxls2::Frmxls2() : Form(kWindow, kDesign) {
    onClick(generatorControls::RunXl, [this] { RunXl_Click(); });
}

Frmxls2::~Frmxls2() = default;

void Frmxls2::RunXl_Click() {
    try {
        writeWorkbook();
    } catch (...) {
        throw platform::PlatformError(QStringLiteral("The CV was not written. %1").arg(forms::describeCurrentException()));
    }
    offerToOpen();   // 11. and 12.
    forms::unload<Frmxls2>();   // 13.
}

void Frmxls2::writeWorkbook() {
    run_ = std::make_unique<Run>();
    const auto release = qScopeGuard([this] { run_.reset(); });
    Run& run = *run_;

    // 1. The window's own connection.
    openProgramDatabase(run.connection);

    // 2. The employee's row, employment and projects.
    run.employee.open(forCurrentEmployee("select * from employee where empid='"), &run.connection,
                      db::adOpenForwardOnly, db::adLockOptimistic, db::adCmdText);
    run.employment.open(forCurrentEmployee("select * from employment where empid='"), &run.connection,
                        db::adOpenForwardOnly, db::adLockOptimistic, db::adCmdText);
    run.project.open(forCurrentEmployee("select * from project where empid='"), &run.connection,
                     db::adOpenForwardOnly, db::adLockOptimistic, db::adCmdText);
    if (run.employee.eof()) {
        throw db::DbError(QStringLiteral("There is no employee with the ID \"%1\".").arg(BaseSetup::CurrentEmpId));
    }

    // 3. A new workbook and its first six worksheets.
    run.book = &run.xl.workbooks().add();
    for (int i = 1; i <= 6; ++i) run.sheets[i - 1] = &run.book->worksheets(i);

    // 4. and 5. The five detail lists as query tables.
    std::array<QueryTable*, 5> tables{};
    for (std::size_t i = 0; i < kDetailLists.size(); ++i) {
        const DetailList& list = kDetailLists[i];
        Worksheet& sheet = run.sheet(list.sheet);
        tables[i] = &sheet.queryTables().add(MainModule::ExcelConnectString(), sheet.range(list.destination),
                                             forCurrentEmployee(list.query));
    }

    // 6. Every list filled before anything else is written.
    for (QueryTable* table : tables) {
        table->setRefreshStyle(xlInsertEntireRows);
        table->refresh(false);
    }

    // 7. Worksheets 1 to 4, with the photo right after the titles of the first; the titles of 5 and 6.
    writePersonalTitles(run.sheet(1));
    // An employee without a readable photo gets a CV without one.
    if (Pictures::isInsertable(BaseSetup::EmpPicturePath)) {
        run.xl.range("H1").select();
        run.sheet(1).pictures().insert(BaseSetup::EmpPicturePath).select();
    }
    writePersonalDetails(run.sheet(1), run.employee);
    writeFamilySheet(run.sheet(2), run.employee);
    writeSkillSheet(run.sheet(3));
    writeAcademicSheet(run.sheet(4));
    writeEmploymentTitle(run.sheet(5));
    writeProjectTitle(run.sheet(6));

    // 8. and 9.
    WriteEmploymentHistory();
    WriteProjectReference();

    // 10. Save and close the application.
    run.book->saveAs(kWorkbookName, userAgreesToReplace);
    run.book = nullptr;
    run.xl.quit();
}

// A file that no program opens is still saved: the user is told where it is, and the run goes on.
void Frmxls2::offerToOpen() {
    if (forms::msgBox("Open Pravel.xls File ?", forms::Buttons::YesNo, forms::Icon::None, "Yes to open",
                      forms::DefaultButton::First) != forms::Answer::Yes) {
        return;
    }
    Application shown;
    shown.setVisible(true);
    try {
        shown.workbooks().open(kWorkbookName, openOnDesktop);
    } catch (const WorkbookError& error) {
        forms::msgBox(error.description(), forms::Buttons::OK, forms::Icon::Exclamation);
    }
}

void Frmxls2::WriteEmploymentHistory() { writeEmploymentHistory(run_->sheet(5), run_->employment); }

void Frmxls2::WriteProjectReference() { writeProjectReference(run_->sheet(6), run_->project); }

}  // namespace cvexport
