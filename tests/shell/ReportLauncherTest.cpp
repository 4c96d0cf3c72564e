#include "common/Schema.h"
#include "platform/db/Connection.h"
#include "platform/files/Paths.h"
#include "shell/MDIMain.h"
#include "shell/ReportTestForm.h"
#include "shell/RptList.h"
#include "tests/platform/report/PageReading.h"
#include "tests/shell/ShowCounter.h"
#include "tests/support/ProgramFolder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tests {

using shell::RptList;

namespace {

using namespace shell::reportListControls;

struct Launch {
    forms::ControlName item;     // of the Reporting menu
    forms::ControlName button;   // of the launcher
    QStringList titles;          // of the reports it runs, in order
};

const Launch kLaunches[] = {
    {shell::mainMenus::RptF, CmdF, {"Employee Family by Employee", "Employee Family by Relationship"}},
    {shell::mainMenus::RptS, CmdS, {"Working Skills by Employee", "Working Skills by Skill"}},
    {shell::mainMenus::RptL, CmdL, {"Languages by Employee", "Languages by Language"}},
    {shell::mainMenus::RptA, CmdA, {"Academic Qualifications"}},
    {shell::mainMenus::RptT, CmdT, {"Training by Employee", "Training by Course"}},
    {shell::mainMenus::RptE, CmdE, {"Employment History"}},
    {shell::mainMenus::RptP, CmdP, {"Project References"}},
};

// Every row of a report read as one text.
QString textOf(const report::PageModel& pages) {
    QStringList lines;
    for (const QStringList& line : bodyOf(pages)) lines << line.join(QLatin1Char('|'));
    return lines.join(QLatin1Char('\n'));
}

// The report files installed in C:\Quorvel, over a database holding one employee with a row in
// each of the seven lists.
class ReportLauncher : public ProgramTest {
protected:
    ReportLauncher() {
        QDir().mkpath(quorvel());
        for (const QString& name : QDir(PRAVEL_REPORTS_DIR).entryList({"*.rpt"}, QDir::Files)) {
            QFile::copy(QString(PRAVEL_REPORTS_DIR) + "/" + name, quorvel() + "/" + name);
        }
        folder.exec(
            "INSERT INTO employee (empid, empname) VALUES ('E1', 'Siti Aminah');"
            "INSERT INTO familytree (empid, Name, relationship, DOB) VALUES ('E1', 'Ali', 'Son', '2005-03-01');"
            "INSERT INTO workingskill (empid, skill, years) VALUES ('E1', 'SQL', '3');"
            "INSERT INTO languagedialect (empid, LanguageDialect, spoken) VALUES ('E1', 'Malay', 'Good');"
            "INSERT INTO academic (empid, Period, institution) VALUES ('E1', '1998-2002', 'Universiti Malaya');"
            "INSERT INTO training (empid, Period, coursename) VALUES ('E1', '2015', 'First Aid');"
            "INSERT INTO employment (empid, CompanyName, DateJoined) VALUES ('E1', 'Acme', '2010-01-15');"
            "INSERT INTO project (empid, ProjectName) VALUES ('E1', 'Payroll')");
    }

    QString quorvel() const { return folder.driveC() + "/Quorvel"; }

    QStringList shownTitles() const {
        QStringList titles;
        for (const auto& pages : services.reports.shown) titles << pages->title;
        return titles;
    }
};

TEST_F(ReportLauncher, EachButtonRunsItsReportsInOrderOverTheProgramsDatabase) {
    const ShowCounter<RptList> shows;
    EXPECT_FALSE(forms::isLoaded<RptList>());
    for (const Launch& launch : kLaunches) {
        services.reports.shown.clear();
        forms::get<RptList>().press(launch.button);
        EXPECT_EQ(shownTitles(), launch.titles) << launch.button.text();
        for (const auto& pages : services.reports.shown) {
            EXPECT_TRUE(textOf(*pages).contains("Siti Aminah")) << pages->title.toStdString();
        }
    }
    EXPECT_TRUE(services.boxes.shown.empty());
    EXPECT_TRUE(forms::isLoaded<RptList>());
    EXPECT_FALSE(forms::get<RptList>().isVisible());
    EXPECT_EQ(shows.shows(), 0);
}

TEST_F(ReportLauncher, EachPressReadsTheDatabaseOfTheFolderTheProgramRunsFrom) {
    forms::get<RptList>().press(CmdA);

    QTemporaryDir otherFolder;
    createDatabase(otherFolder.filePath("MainDB.mdb"));
    db::Connection other;
    other.open("Data Source=" + otherFolder.filePath("MainDB.mdb"));
    other.execute("INSERT INTO employee (empid, empname) VALUES ('T1', 'Tan Wei')");
    other.execute("INSERT INTO academic (empid, Period, institution) VALUES ('T1', '2010', 'Trinity College')");
    other.close();
    files::setProgramFolder(otherFolder.path());
    forms::get<RptList>().press(CmdA);

    ASSERT_EQ(services.reports.shown.size(), 2u);
    EXPECT_EQ(bodyOf(*services.reports.shown[0]).front(), QStringList{"Siti Aminah (E1)"});
    EXPECT_EQ(bodyOf(*services.reports.shown[1]).front(), QStringList{"Tan Wei (T1)"});
}

TEST_F(ReportLauncher, AMissingReportFileIsToldAndTheOtherReportOfTheButtonStillRuns) {
    QFile::remove(quorvel() + "/family.rpt");
    forms::get<RptList>().press(CmdF);
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_TRUE(services.boxes.shown[0].prompt.contains("C:\\Quorvel\\family.rpt"));
    EXPECT_EQ(services.boxes.shown[0].icon, forms::Icon::Critical);
    EXPECT_EQ(shownTitles(), QStringList{"Employee Family by Relationship"});
}

class ReportItems : public ReportLauncher {
protected:
    ~ReportItems() override {
        if (shell::MDIMain::exists()) delete &shell::MDIMain::instance();
    }
};

TEST_F(ReportItems, AreUnavailableButPressTheirButtonsOnceMadeAvailable) {
    shell::MDIMain& main = shell::MDIMain::instance();
    for (const Launch& launch : kLaunches) {
        QAction* item = main.item(launch.item);
        item->trigger();
        EXPECT_TRUE(services.reports.shown.empty()) << launch.item.text();
        item->setEnabled(true);
        item->trigger();
        EXPECT_EQ(shownTitles(), launch.titles) << launch.item.text();
        services.reports.shown.clear();
    }
    EXPECT_TRUE(services.boxes.shown.empty());
}

TEST_F(ReportLauncher, TheTestWindowsReportOverTheBlankConnectionGivesTheEnginesMessage) {
    QFile::copy(quorvel() + "/academic.rpt", quorvel() + "/test.rpt");
    forms::get<shell::Form1>().press(shell::reportTestControls::Command1);
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    EXPECT_TRUE(services.boxes.shown[0].prompt.contains("C:\\Quorvel\\test.rpt"));
    EXPECT_TRUE(services.boxes.shown[0].prompt.contains("names no database file"));
    EXPECT_EQ(services.boxes.shown[0].icon, forms::Icon::Critical);
    EXPECT_TRUE(services.reports.shown.empty());
}

}  // namespace

}  // namespace tests
