// A report of 10,000 rows, all skills of 1,000 employees: read, queried and laid out in pages by
// the report control, then written as a PDF file.

#include "platform/report/PagePainter.h"
#include "platform/report/ReportControl.h"
#include "tests/support/ProgramFolder.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

void fillSkills(const tests::ProgramFolder& folder) {
    QString statements = "BEGIN;";
    for (int e = 1; e <= 1000; ++e) {
        statements += QString("INSERT INTO employee (empid, empname) VALUES ('E%1', 'Employee number %1');").arg(e);
        for (int s = 1; s <= 10; ++s) {
            statements += QString("INSERT INTO workingskill (empid, skill, years, ProficiencyLevel) "
                                  "VALUES ('E%1', 'Skill %2', '%3', 'Good');")
                              .arg(e)
                              .arg(s)
                              .arg(s % 7 + 1);
        }
    }
    folder.exec(statements + "COMMIT;");
}

void BM_SkillsReportToPdf(benchmark::State& state) {
    tests::ProgramFolder folder;
    tests::ScriptedServices services;
    fillSkills(folder);
    QDir().mkpath(folder.driveC() + "/Quorvel");
    QFile::copy(QString(PRAVEL_REPORTS_DIR) + "/skills.rpt", folder.driveC() + "/Quorvel/skills.rpt");
    report::ReportControl skills("C:\\Quorvel\\skills.rpt");
    skills.setConnect("Data Source=" + folder.databasePath());
    const QString pdf = folder.file("skills.pdf");

    for (auto _ : state) {
        skills.retrieveData();
        report::writePdf(*skills.pages(), pdf);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = double(usage.ru_maxrss) / 1024.0;
    state.counters["pages"] = double(skills.pages()->pages.size());
    state.counters["file_KB"] = double(QFile(pdf).size()) / 1024.0;
    if (!services.boxes.shown.empty()) state.SkipWithError("the report was not produced");
}
BENCHMARK(BM_SkillsReportToPdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
