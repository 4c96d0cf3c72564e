#include "tests/cvexport/CvFixture.h"

#include "tests/platform/spreadsheet/DiskFillingUp.h"
#include "tests/platform/spreadsheet/XlsxReader.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace tests {

using cvexport::generatorControls::RunXl;

using forms::Answer;

namespace {

class CvRunTest : public CvTest {
protected:
    QStringList filesOnDriveC() const { return QDir(folder.driveC()).entryList(QDir::Files | QDir::Hidden); }
    void writeEarlierFile() {
        QFile earlier(savedPath());
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier CV");
    }
    QByteArray savedBytes() const {
        QFile saved(savedPath());
        return saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
    }
    // The run failed with one critical message and left drive C: as it was.
    void expectOneErrorMessage(const QString& part) {
        ASSERT_EQ(services.boxes.shown.size(), 1u);
        EXPECT_EQ(services.boxes.shown[0].icon, forms::Icon::Critical);
        EXPECT_TRUE(services.boxes.shown[0].prompt.startsWith("The CV was not written."));
        EXPECT_TRUE(services.boxes.shown[0].prompt.contains(part)) << services.boxes.shown[0].prompt.toStdString();
        EXPECT_TRUE(services.opener.opened.isEmpty());
    }
};

}  // namespace

TEST_F(CvRunTest, TheQuestionAfterSavingOpensTheFileOnYes) {
    services.boxes.answers = {Answer::Yes};
    run();
    ASSERT_EQ(services.boxes.shown.size(), 1u);
    const auto& question = services.boxes.shown[0];
    EXPECT_EQ(question.prompt, "Open Pravel.xls File ?");
    EXPECT_EQ(question.title, "Yes to open");
    EXPECT_EQ(question.buttons, forms::Buttons::YesNo);
    EXPECT_EQ(question.icon, forms::Icon::None);
    EXPECT_EQ(question.defaultButton, forms::DefaultButton::First);
    EXPECT_EQ(services.opener.opened, QStringList({savedPath()}));
    EXPECT_FALSE(forms::isLoaded<cvexport::Frmxls2>());
}

TEST_F(CvRunTest, AnsweringNoLeavesTheFileUnopenedAndTheWindowUnloaded) {
    services.boxes.answers = {Answer::No};
    forms::get<cvexport::Frmxls2>().press(RunXl);
    EXPECT_FALSE(forms::isLoaded<cvexport::Frmxls2>());   // the run unloads its own window
    forms::unload<cvexport::Frmxls2>();                    // so the caller's unload finds nothing
    EXPECT_TRUE(services.opener.opened.isEmpty());
    EXPECT_TRUE(QFile::exists(savedPath()));
    EXPECT_EQ(books.size(), 1u);
}

TEST_F(CvRunTest, ASecondRunAsksBeforeReplacingAndNoKeepsTheEarlierFile) {
    writeEarlierFile();
    services.boxes.answers = {Answer::No};
    runFromWindow();
    ASSERT_EQ(services.boxes.shown.size(), 2u);
    EXPECT_TRUE(services.boxes.shown[0].prompt.contains("already exists"));
    services.boxes.shown.erase(services.boxes.shown.begin());
    expectOneErrorMessage("was kept");
    EXPECT_EQ(savedBytes(), "earlier CV");
    EXPECT_EQ(filesOnDriveC(), QStringList({"Pravel.xls"}));
}

TEST_F(CvRunTest, AFailedRunShowsOneMessageAndLeavesNoFile) {
    BaseSetup::CurrentEmpId = "E1' OR empid<>'";   // a quote changes no statement
    runFromWindow();
    expectOneErrorMessage("E1' OR empid<>'");
    EXPECT_TRUE(filesOnDriveC().isEmpty());

    // Too few worksheets in a new workbook: the run stops before anything is saved.
    services.boxes.shown.clear();
    BaseSetup::CurrentEmpId = "E1";
    writeEarlierFile();
    spreadsheet::setSheetsInNewWorkbook(5);
    runFromWindow();
    expectOneErrorMessage("worksheet 6");
    EXPECT_EQ(savedBytes(), "earlier CV");
    EXPECT_EQ(filesOnDriveC(), QStringList({"Pravel.xls"}));

    // The window's next run starts afresh.
    services.boxes.shown.clear();
    spreadsheet::setSheetsInNewWorkbook(6);
    services.boxes.answers = {Answer::Yes, Answer::No};
    run();
    EXPECT_NE(savedBytes(), "earlier CV");

    // A database file that is no database.
    services.boxes.shown.clear();
    QFile broken(folder.databasePath());
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write(QByteArray(4096, 'x'));
    broken.close();
    runFromWindow();
    expectOneErrorMessage("");
}

TEST_F(CvRunTest, AnEmployeeIdWithAQuoteFindsEveryListOfThatEmployee) {
    addEmployee("O''Brien");
    folder.exec("INSERT INTO familytree (empid, Name) VALUES ('O''Brien', 'Kate');"
                "INSERT INTO workingskill (empid, Skill) VALUES ('O''Brien', 'SQL');"
                "INSERT INTO languagedialect (empid, LanguageDialect) VALUES ('O''Brien', 'Irish');"
                "INSERT INTO academic (empid, Period) VALUES ('O''Brien', '1990');"
                "INSERT INTO training (empid, Period) VALUES ('O''Brien', '1995');"
                "INSERT INTO employment (empid, CompanyName) VALUES ('O''Brien', 'Acme');"
                "INSERT INTO project (empid, ProjectName) VALUES ('O''Brien', 'Payroll')");
    BaseSetup::CurrentEmpId = "O'Brien";
    services.boxes.answers = {Answer::No};
    run();
    ASSERT_EQ(books.size(), 1u);
    expectValues(2, {{"A14", "Kate"}});
    expectValues(3, {{"A5", "SQL"}, {"A30", "Irish"}});
    expectValues(4, {{"A4", "1990"}, {"A25", "1995"}});
    expectValues(5, {{"C3", "Acme"}});
    expectValues(6, {{"C3", "Payroll"}});
}

TEST_F(CvRunTest, AnEmployeeWithoutAReadablePhotoGetsACvWithoutOne) {
    for (const QString& path : {QString(), folder.path() + "\\missing.bmp"}) {
        BaseSetup::EmpPicturePath = path;
        services.boxes.answers = {Answer::Yes, Answer::No};
        run();
        EXPECT_EQ(sheet(1).pictures().count(), 0);
        EXPECT_EQ(value(1, "C9"), db::Value("Siti Aminah"));
    }
    EXPECT_TRUE(QFile::exists(savedPath()));
}

TEST_F(CvRunTest, TheSavedFileIsAWorkbookWithTheSixSheetsMergesAndPhoto) {
    BaseSetup::EmpPicturePath = writePhoto("picture.bmp");
    folder.exec("INSERT INTO employment (empid, CompanyName, DateJoined, workdescription) "
                "VALUES ('E1', 'Acme', '1999-09-01', 'Built things');"
                "INSERT INTO project (empid, ProjectName, Role) VALUES ('E1', 'Payroll', 'Lead');"
                "INSERT INTO training (empid, Period, coursename) VALUES ('E1', '2011', 'Qt')");
    services.boxes.answers = {Answer::No};
    run();

    XlsxReader file(savedPath());
    ASSERT_TRUE(file.isOpen());
    EXPECT_EQ(file.sheetNames().size(), 6);
    const auto personal = file.cells(1);
    EXPECT_EQ(personal.value("A7"), "PERSONAL INFORMATION");
    EXPECT_EQ(personal.value("A22"), "CONTACT INFORMATION ");
    EXPECT_EQ(personal.value("C9"), "Siti Aminah");
    EXPECT_EQ(personal.value("C14"), "29417");   // 15 July 1980 as a day number
    EXPECT_EQ(file.mergedRanges(1), QStringList({"C45:I45", "C46:I46"}));
    EXPECT_EQ(file.cells(2).value("B13"), " ");
    EXPECT_EQ(file.cells(2).value("F13"), "Occupation");
    EXPECT_EQ(file.mergedRanges(2), QStringList({"C7:F7"}));
    EXPECT_EQ(file.cells(4).value("B25"), "Qt");
    EXPECT_EQ(file.cells(5).value("C3"), "Acme");
    EXPECT_EQ(file.cells(5).value("C10"), "Built things");
    EXPECT_EQ(file.mergedRanges(5), QStringList({"C10:I10"}));
    EXPECT_EQ(file.cells(6).value("C7"), "Lead");
    EXPECT_EQ(file.mergedRanges(6), QStringList({"C7:H7", "C8:H8", "C9:H9"}));
    EXPECT_EQ(file.pictureAnchors(1), QStringList({"0,7"}));
    EXPECT_TRUE(file.hasPart("xl/media/image1.png"));
}

TEST_F(CvRunTest, EveryListAndBlockHoldsOnlyTheRowsOfTheEmployeeAskedFor) {
    // The other employee comes first in every table, so that a query without its condition shows them.
    folder.exec("UPDATE employee SET empname = 'not E2', Spouse = 'not E2', ProfMem = 'not E2' WHERE empid = 'E1'");
    addEmployee("E2");
    for (const char* empid : {"E1", "E2"}) {
        const QString text = empid == QString("E1") ? "not E2" : "E2";
        folder.exec(QString("INSERT INTO familytree (empid, Name) VALUES ('%1', '%2 member');"
                            "INSERT INTO workingskill (empid, Skill) VALUES ('%1', '%2 skill');"
                            "INSERT INTO languagedialect (empid, LanguageDialect) VALUES ('%1', '%2 language');"
                            "INSERT INTO academic (empid, Period) VALUES ('%1', '%2 study');"
                            "INSERT INTO training (empid, Period) VALUES ('%1', '%2 course');"
                            "INSERT INTO employment (empid, CompanyName) VALUES ('%1', '%2 company');"
                            "INSERT INTO project (empid, ProjectName) VALUES ('%1', '%2 project')")
                        .arg(empid, text));
    }
    BaseSetup::CurrentEmpId = "E2";
    services.boxes.answers = {Answer::No};
    run();

    expectValues(1, {{"C9", "Siti Aminah"}});
    expectValues(2, {{"C4", "Ahmad Zaki"}, {"A14", "E2 member"}, {"A15", db::Value()}});
    expectValues(3, {{"A5", "E2 skill"}, {"A6", db::Value()}, {"A30", "E2 language"}, {"A31", db::Value()}});
    expectValues(4, {{"A4", "E2 study"}, {"A5", db::Value()}, {"A25", "E2 course"}, {"A26", db::Value()}});
    expectValues(5, {{"C3", "E2 company"}, {"A13", db::Value()}});
    expectValues(6, {{"C3", "E2 project"}, {"A13", db::Value()}});
    for (int index = 1; index <= 6; ++index) {
        for (const auto& [key, cell] : sheet(index).cells()) {
            EXPECT_FALSE(cell.value.toString().contains("not E2")) << "sheet " << index << " row " << key.first;
        }
    }
}

TEST_F(CvRunTest, WhenNoProgramOpensTheFileTheUserIsToldWhereItIs) {
    services.opener.noProgram = true;
    services.boxes.answers = {Answer::Yes};
    runFromWindow();
    ASSERT_EQ(services.boxes.shown.size(), 2u);
    EXPECT_EQ(services.boxes.shown[1].prompt,
              "No program on this computer opens \"C:\\Pravel.xls\". The file is saved at \"" + savedPath() + "\".");
    EXPECT_EQ(services.boxes.shown[1].icon, forms::Icon::Exclamation);
    EXPECT_TRUE(QFile::exists(savedPath()));
    EXPECT_FALSE(forms::isLoaded<cvexport::Frmxls2>());
}

TEST_F(CvRunTest, AFullDiskOrAReadOnlyFileIsToldAndTheEarlierCvStaysByteForByte) {
    services.boxes.answers = {Answer::No};
    run();
    const QByteArray earlier = savedBytes();
    ASSERT_FALSE(earlier.isEmpty());

    {
        DiskFillingUp disk(earlier.size() / 2);   // fills up half way through the new file
        services.boxes.shown.clear();
        services.boxes.answers = {Answer::Yes};
        runFromWindow();
    }
    ASSERT_EQ(services.boxes.shown.size(), 2u);
    EXPECT_TRUE(services.boxes.shown[0].prompt.contains("already exists"));
    services.boxes.shown.erase(services.boxes.shown.begin());
    expectOneErrorMessage("\"" + savedPath() + "\" could not be saved: the disk is full.");
    EXPECT_EQ(savedBytes(), earlier);
    EXPECT_EQ(filesOnDriveC(), QStringList({"Pravel.xls"}));

    // Read-only: told at once, without the question.
    QFile::setPermissions(savedPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    services.boxes.shown.clear();
    runFromWindow();
    expectOneErrorMessage("\"" + savedPath() + "\" is read-only, so it was not replaced.");
    EXPECT_EQ(savedBytes(), earlier);
    EXPECT_EQ(filesOnDriveC(), QStringList({"Pravel.xls"}));
}

}  // namespace tests
