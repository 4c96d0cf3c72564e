// One complete CV run, from the press of "RunXl" to the saved workbook, for a full employee record.

#include "common/BaseSetup.h"
#include "cvexport/Frmxls2.h"
#include "tests/support/ProgramFolder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

// A photo of about 200 KB: noise does not compress, so the quality sets the size.
QByteArray photoOfAbout200KB() {
    QImage image(640, 480, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, random.generate() | 0xFF000000u);
    }
    QByteArray bytes;
    for (int quality = 95; quality > 5; quality -= 5) {
        bytes.clear();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", quality);
        if (bytes.size() <= 200 * 1024) break;
    }
    return bytes;
}

void addRows(const tests::ProgramFolder& folder, int count, const QString& insert) {
    QString statements;
    for (int i = 1; i <= count; ++i) statements += insert.arg(i) + ';';
    folder.exec(statements);
}

void fillEmployee(const tests::ProgramFolder& folder) {
    folder.exec("INSERT INTO employee (empid, empname, DOB, Pedate, Age, Child, SAddress, ProfMem, Awards) VALUES "
                "('E1', 'Siti Aminah', '1980-07-15', '2030-01-31', 45, 2, 'A long address of the spouse', "
                "'Institute of Engineers', 'Best employee 2019')");
    addRows(folder, 16, "INSERT INTO familytree (empid, Name, n, Age, DOB, relationship, occupation, contactno) "
                        "VALUES ('E1', 'Member %1', ' ', 20, '2005-01-01', 'Child', 'Student', '012-3456789')");
    addRows(folder, 20, "INSERT INTO workingskill (empid, skill, years, ProficiencyLevel) VALUES ('E1', 'Skill %1', '5', 'Good')");
    addRows(folder, 10, "INSERT INTO languagedialect (empid, LanguageDialect, written, spoken) VALUES ('E1', 'Language %1', 'Good', 'Good')");
    addRows(folder, 16, "INSERT INTO academic (empid, Period, institution, LevelObtained, grade) VALUES ('E1', '2000', 'School %1', 'Degree', 'A')");
    addRows(folder, 20, "INSERT INTO training (empid, Period, coursename, certificatename, result) VALUES ('E1', '2010', 'Course %1', 'Certificate', 'Pass')");
    addRows(folder, 12, "INSERT INTO employment (empid, CompanyName, positiontitle, PositionLevel, Specialisation, Industry, "
                        "DateJoined, Dateleft, workdescription) VALUES ('E1', 'Company %1', 'Engineer', 'Senior', 'Software', "
                        "'IT', '2001-02-03', '2005-06-30', 'Designed, built and ran the payroll and personnel systems')");
    addRows(folder, 22, "INSERT INTO project (empid, ProjectName, Client, Duration, TeamSize, Role, SoftwarePlateform, OtherSkill) "
                        "VALUES ('E1', 'Project %1', 'Client', '6 months', '5', 'Lead developer of the team', 'Qt on Linux', 'SQL')");
}

void BM_CvRun(benchmark::State& state) {
    tests::ProgramFolder folder;
    tests::ScriptedServices services;
    fillEmployee(folder);
    QFile photo(folder.file("photo.jpg"));
    photo.open(QIODevice::WriteOnly);
    photo.write(photoOfAbout200KB());
    photo.close();
    BaseSetup::CurrentEmpId = "E1";
    BaseSetup::EmpPicturePath = folder.path() + "\\photo.jpg";

    for (auto _ : state) {
        // Replace the file of the run before, and do not open it.
        if (QFile::exists(folder.driveC() + "/Pravel.xls")) services.boxes.answers.push_back(forms::Answer::Yes);
        services.boxes.answers.push_back(forms::Answer::No);
        forms::get<cvexport::Frmxls2>().press(cvexport::generatorControls::RunXl);
        forms::unload<cvexport::Frmxls2>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = double(usage.ru_maxrss) / 1024.0;
    state.counters["photo_KB"] = double(photo.size()) / 1024.0;
    state.counters["file_KB"] = double(QFile(folder.driveC() + "/Pravel.xls").size()) / 1024.0;
}
BENCHMARK(BM_CvRun)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
