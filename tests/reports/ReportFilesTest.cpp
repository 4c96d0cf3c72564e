#include "platform/report/PagePainter.h"
#include "platform/report/ReportControl.h"
#include "tests/platform/report/PageReading.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/TestPictures.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace tests {

using report::Band;

namespace {

const QStringList kReportFiles{"family.rpt",      "familys.rpt",   "skilln.rpt",    "skills.rpt",
                               "languagel.rpt",   "languagen.rpt", "academic.rpt",  "trainingl.rpt",
                               "trainingn.rpt",   "employment.rpt", "projectr.rpt"};

const QString kLongDescription =
    "Planned the maintenance of three offshore platforms, led a team of twelve technicians and cut the "
    "unplanned downtime by a third over four years";

// The report files of the repository installed in C:\Quorvel, over a program database.
class ReportFilesTest : public ProgramTest {
protected:
    ReportFilesTest() {
        const QString installed = folder.driveC() + "/Quorvel";
        QDir().mkpath(installed);
        for (const QString& name : QDir(PRAVEL_REPORTS_DIR).entryList({"*.rpt"}, QDir::Files)) {
            QFile::copy(QString(PRAVEL_REPORTS_DIR) + "/" + name, installed + "/" + name);
        }
        folder.exec("UPDATE companyinfo SET softwareowner = 'Quorvel Sdn Bhd', defaultheader = 'Confidential'");
    }

    std::shared_ptr<const report::PageModel> run(const QString& file) {
        report::ReportControl control("C:\\Quorvel\\" + file);
        control.setConnect("Data Source=" + folder.databasePath());
        control.retrieveData();
        control.printReport();
        return control.pages();
    }

    void addFewEmployees() const {
        folder.exec(
            "INSERT INTO employee (empid, empname) VALUES ('E1', 'Siti Aminah'), ('E2', 'Zoë O''Brien'), ('E3', 'Ahmad');"
            "INSERT INTO familytree (empid, Name, relationship, DOB, Age, gender, occupation, contactno) VALUES "
            "('E1', 'Ali', 'Son', '2005-03-01', 20, 'Male', 'Student', '012-1'),"
            "('E1', 'Nur', 'Wife', NULL, NULL, 'Female', NULL, NULL),"
            "('E2', 'Seán', 'Son', '1999-12-31', 25, 'Male', 'Engineer', NULL),"
            "('E2', 'Mary', '', NULL, NULL, NULL, NULL, NULL);"
            "INSERT INTO workingskill (empid, skill, years, ProficiencyLevel) VALUES "
            "('E1', 'SQL', '3', 'Good'), ('E1', 'C++', '5', 'Expert'), ('E2', 'C++', '2', 'Good');"
            "INSERT INTO languagedialect (empid, LanguageDialect, spoken, written) VALUES "
            "('E1', 'Malay', 'Good', 'Good'), ('E2', 'English', 'Fluent', NULL), ('E2', 'Malay', 'Fair', 'Fair');"
            "INSERT INTO academic (empid, Period, institution, LevelObtained, grade) VALUES "
            "('E1', '1998-2002', 'Universiti Malaya', 'Degree', 'First'), ('E2', '2010', 'Trinity College', 'Master''s', 'A');"
            "INSERT INTO training (empid, Period, coursename, certificatename, result) VALUES "
            "('E1', '2015', 'First Aid', 'Certificate', 'Pass'), ('E2', '2016', 'First Aid', 'Cert', 'Pass'),"
            "('E2', '2017', 'Welding', NULL, 'Merit');"
            "INSERT INTO employment (empid, CompanyName, positiontitle, PositionLevel, Specialisation, Industry, "
            "DateJoined, Dateleft, workdescription, reasonleft) VALUES "
            "('E1', 'Acme', 'Manager', 'Senior', 'Finance', 'Retail', '2010-01-15', NULL, 'Runs the accounts', NULL),"
            "('E1', 'Petronas', 'Engineer', 'Junior', 'Mechanical', 'Oil & Gas', '2005-06-01', '2009-12-31', '" +
            kLongDescription + "', 'Moved');"
            "INSERT INTO project (empid, ProjectName, Client, Duration, TeamSize, Role, SoftwarePlateform, OtherSkill) VALUES "
            "('E2', 'Payroll', 'Bank', '6 months', '5', 'Lead', 'Qt', 'SQL')");
    }
};

struct Expected {
    QString file;
    QString title;
    QStringList captions;
    std::vector<QStringList> body;   // group headings and rows
};

TEST_F(ReportFilesTest, EachFileListsItsRowsInItsGroups) {
    addFewEmployees();
    const QString siti = "Siti Aminah (E1)";
    const QString zoe = "Zoë O'Brien (E2)";
    const std::vector<Expected> expected{
        {"family.rpt", "Employee Family by Employee",
         {"Name", "Relationship", "Date of Birth", "Age", "Gender", "Occupation", "Contact No."},
         {{siti},
          {"Ali", "Son", "01/03/2005", "20", "Male", "Student", "012-1"},
          {"Nur", "Wife", "", "", "Female", "", ""},
          {zoe},
          {"Seán", "Son", "31/12/1999", "25", "Male", "Engineer", ""},
          {"Mary", "", "", "", "", "", ""}}},
        {"familys.rpt", "Employee Family by Relationship",
         {"Employee", "ID", "Family Member", "Date of Birth", "Age", "Gender", "Occupation", "Contact No."},
         {{"Son"},
          {"Siti Aminah", "E1", "Ali", "01/03/2005", "20", "Male", "Student", "012-1"},
          {"Zoë O'Brien", "E2", "Seán", "31/12/1999", "25", "Male", "Engineer", ""},
          {"Wife"},
          {"Siti Aminah", "E1", "Nur", "", "", "Female", "", ""},
          {"(not given)"},
          {"Zoë O'Brien", "E2", "Mary", "", "", "", "", ""}}},
        {"skilln.rpt", "Working Skills by Employee", {"Skill", "Years", "Proficiency Level"},
         {{siti}, {"SQL", "3", "Good"}, {"C++", "5", "Expert"}, {zoe}, {"C++", "2", "Good"}}},
        {"skills.rpt", "Working Skills by Skill", {"Employee", "ID", "Years", "Proficiency Level"},
         {{"C++"},
          {"Siti Aminah", "E1", "5", "Expert"},
          {"Zoë O'Brien", "E2", "2", "Good"},
          {"SQL"},
          {"Siti Aminah", "E1", "3", "Good"}}},
        {"languagel.rpt", "Languages by Employee", {"Language / Dialect", "Spoken", "Written"},
         {{siti}, {"Malay", "Good", "Good"}, {zoe}, {"English", "Fluent", ""}, {"Malay", "Fair", "Fair"}}},
        {"languagen.rpt", "Languages by Language", {"Employee", "ID", "Spoken", "Written"},
         {{"English"},
          {"Zoë O'Brien", "E2", "Fluent", ""},
          {"Malay"},
          {"Siti Aminah", "E1", "Good", "Good"},
          {"Zoë O'Brien", "E2", "Fair", "Fair"}}},
        {"academic.rpt", "Academic Qualifications", {"Period", "Institution", "Level Obtained", "Grade"},
         {{siti},
          {"1998-2002", "Universiti Malaya", "Degree", "First"},
          {zoe},
          {"2010", "Trinity College", "Master's", "A"}}},
        {"trainingl.rpt", "Training by Employee", {"Period", "Course", "Certificate", "Result"},
         {{siti},
          {"2015", "First Aid", "Certificate", "Pass"},
          {zoe},
          {"2016", "First Aid", "Cert", "Pass"},
          {"2017", "Welding", "", "Merit"}}},
        {"trainingn.rpt", "Training by Course", {"Employee", "ID", "Period", "Certificate", "Result"},
         {{"First Aid"},
          {"Siti Aminah", "E1", "2015", "Certificate", "Pass"},
          {"Zoë O'Brien", "E2", "2016", "Cert", "Pass"},
          {"Welding"},
          {"Zoë O'Brien", "E2", "2017", "", "Merit"}}},
        {"employment.rpt", "Employment History",
         {"Company", "Position", "Level", "Specialisation", "Industry", "Joined", "Left", "Work Description",
          "Reason for Leaving"},
         {{siti},
          {"Petronas", "Engineer", "Junior", "Mechanical", "Oil & Gas", "01/06/2005", "31/12/2009", kLongDescription, "Moved"},
          {"Acme", "Manager", "Senior", "Finance", "Retail", "15/01/2010", "", "Runs the accounts", ""}}},
        {"projectr.rpt", "Project References",
         {"Project", "Client", "Duration", "Team Size", "Role", "Software & Platform", "Other Skills"},
         {{zoe}, {"Payroll", "Bank", "6 months", "5", "Lead", "Qt", "SQL"}}},
    };

    QStringList files;
    for (const Expected& report : expected) files << report.file;
    EXPECT_EQ(files, kReportFiles);
    QStringList sorted = kReportFiles;
    sorted.sort();
    EXPECT_EQ(QDir(PRAVEL_REPORTS_DIR).entryList({"*.rpt"}, QDir::Files, QDir::Name), sorted);

    for (const Expected& report : expected) {
        SCOPED_TRACE(report.file.toStdString());
        const auto pages = run(report.file);
        ASSERT_TRUE(pages);
        EXPECT_EQ(pages->title, report.title);
        ASSERT_EQ(pages->pages.size(), 1u);
        const report::Page& page = pages->pages.front();
        EXPECT_EQ(textsOf(*bandsOf(page, Band::Kind::PageHeader).at(0)), QStringList{"Quorvel Sdn Bhd"});
        EXPECT_EQ(textsOf(*bandsOf(page, Band::Kind::PageFooter).at(0)), QStringList{"Confidential"});
        EXPECT_EQ(textsOf(*bandsOf(page, Band::Kind::ColumnHeadings).at(0)), report.captions);
        EXPECT_EQ(bodyOf(*pages), report.body);
    }
    EXPECT_TRUE(services.boxes.shown.empty());
    EXPECT_EQ(services.reports.shown.size(), expected.size());

    // The long description wraps within its column.
    const auto employment = run("employment.rpt");
    EXPECT_GT(bandsOf(employment->pages[0], Band::Kind::Detail).at(0)->cells[7].lines.size(), 1);
}

TEST_F(ReportFilesTest, HundredsOfRowsGiveNumberedPagesAndAPdfOfAsManyPages) {
    QString statements;
    for (int i = 1; i <= 120; ++i) {
        statements += QString("INSERT INTO employee (empid, empname) VALUES ('E%1', 'Employee %1');").arg(i, 3, 10, QChar('0'));
        for (const char* skill : {"C++", "SQL", "Welding"}) {
            statements += QString("INSERT INTO workingskill (empid, skill, years) VALUES ('E%1', '%2', '1');")
                              .arg(i, 3, 10, QChar('0'))
                              .arg(skill);
        }
    }
    folder.exec(statements);
    const auto pages = run("skills.rpt");
    ASSERT_TRUE(pages);
    const int count = int(pages->pages.size());
    ASSERT_GE(count, 3);
    int rows = 0;
    for (int i = 0; i < count; ++i) {
        const report::Page& page = pages->pages[size_t(i)];
        EXPECT_EQ(textsOf(*bandsOf(page, Band::Kind::ColumnHeadings).at(0)),
                  (QStringList{"Employee", "ID", "Years", "Proficiency Level"}));
        EXPECT_EQ(textsOf(*bandsOf(page, Band::Kind::PageNumber).at(0)).last(), QString("Page %1 of %2").arg(i + 1).arg(count));
        rows += int(bandsOf(page, Band::Kind::Detail).size());
    }
    EXPECT_EQ(rows, 360);

    const QString pdf = folder.file("skills.pdf");
    report::writePdf(*pages, pdf);
    const QByteArray bytes = readFile(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_EQ(pdfPageCount(bytes), count);
}

TEST_F(ReportFilesTest, AnEmptyDatabaseGivesEveryReportWithNothingToList) {
    for (const QString& file : kReportFiles) {
        const auto pages = run(file);
        ASSERT_TRUE(pages) << file.toStdString();
        EXPECT_EQ(bandsOf(pages->pages.at(0), Band::Kind::NoRows).size(), 1u) << file.toStdString();
    }
    EXPECT_TRUE(services.boxes.shown.empty());
}

}  // namespace

}  // namespace tests
