// The record editor with 10,000 employees: opening the window, and one switch to an employee.
#include "common/BaseSetup.h"
#include "platform/db/Connection.h"
#include "platform/forms/Form.h"
#include "records/EmployeeControls.h"
#include "records/CustEdit.h"
#include "tests/support/ProgramFolder.h"

#include <QCoreApplication>
#include <QMdiArea>

#include <benchmark/benchmark.h>

using namespace records::employeeControls;


namespace {

constexpr int kEmployees = 10000;

void seedEmployees(const tests::ProgramFolder& folder) {
    db::Connection connection;
    connection.open(QStringLiteral("Data Source=") + folder.databasePath());
    connection.execute(QStringLiteral(
        "INSERT INTO employee (empid, empname, Address1, Address2, Address3, Tel, Fax, gender, remarks, "
        "Child, OAddress1, OAddress2, OAddress3, handphone, e_mail, DOB, Age, IcNew, Nationality, Race, "
        "Religion, MaritalStatus, Dialect, PassportNo, Pedate, FileName, Spouse, Hobbies, lnk) "
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
        "SELECT printf('E%05d', i), 'Employee ' || i, 'Lot ' || i, 'Jalan Besar', 'Kuching', '082-123456', "
        "'082-654321', 'Male', 'remarks of ' || i, 2, 'Lot ' || i, 'Jalan Kecil', 'Miri', '012-3456789', "
        "'e' || i || '@example.com', '1980-03-05', 45, '800305-13-' || i, 'Malaysia', 'Chinese', 'Buddist', "
        "'Single', 'Hokkian', 'A' || i, '2030-01-01', 'picture.bmp', ' ', ' ', 1 FROM n")
                           .arg(kEmployees));
    connection.close();
}

// A program folder with the employees, the scripted services and the main window's area, for one
// benchmark run; every window goes before the area does.
struct Program {
    tests::ProgramFolder folder;
    tests::ScriptedServices services;
    QMdiArea area;
    Program() {
        seedEmployees(folder);
        BaseSetup::UserLevel = 9;
        forms::setMdiArea(&area);
    }
    ~Program() {
        forms::destroyAll();
        forms::setMdiArea(nullptr);
    }
};

records::CustEdit& openEditor() {
    auto& window = forms::get<records::CustEdit>();
    window.showWindow();
    QCoreApplication::processEvents();
    return window;
}

void BM_EditorLoad(benchmark::State& state) {
    Program program;
    for (auto _ : state) {
        auto& window = openEditor();
        benchmark::DoNotOptimize(&window);
        state.PauseTiming();
        forms::unload<records::CustEdit>();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EditorLoad)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5)->ReportAggregatesOnly();

void BM_DetailsSwitch(benchmark::State& state) {
    Program program;
    auto& window = openEditor();
    for (auto _ : state) {
        window.press(CinDe);
        QCoreApplication::processEvents();
        state.PauseTiming();
        window.press(CinDe);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DetailsSwitch)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace
