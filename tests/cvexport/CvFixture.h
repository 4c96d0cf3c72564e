#pragma once

#include "common/BaseSetup.h"
#include "cvexport/Frmxls2.h"
#include "platform/spreadsheet/Application.h"
#include "tests/cvexport/KeptWorkbooks.h"
#include "tests/platform/spreadsheet/ValuePrinting.h"
#include "tests/support/ProgramFolder.h"

#include <QImage>

#include <initializer_list>
#include <tuple>

namespace tests {

using cvexport::generatorControls::RunXl;

// A program folder with one employee, and CV runs whose workbooks are kept for reading.
class CvTest : public ProgramTest {
protected:
    CvTest() {
        addEmployee("E1");
        BaseSetup::CurrentEmpId = "E1";
    }
    ~CvTest() override { spreadsheet::setSheetsInNewWorkbook(6); }

    void addEmployee(const QString& empid) {
        folder.exec(
            "INSERT INTO employee (empid, empname, IcNew, IcOld, PassportNo, Pedate, gender, DOB, Age, Nationality,"
            " Race, Religion, MaritalStatus, Child, Dialect, OAddress1, OAddress2, OAddress3, Tel, Address1, Address2,"
            " Address3, Fax, handphone, e_mail, Hobbies, Uniform, Club, Sports, Others, ProfMem, Awards, Spouse,"
            " SOccupation, SCompany, SAddress, STel, ShandPhone, Semail) VALUES ('" + empid + "', 'Siti Aminah',"
            " '800715-14-5566', 'A1234567', 'P998877', '2030-01-31', 'Female', '1980-07-15', 45, 'Malaysian',"
            " 'Malay', 'Islam', 'Married', 2, 'Kelantan', '12 Jalan Mawar', 'Taman Indah', '43000 Kajang',"
            " '03-8733 1111', '5 Lorong Dua', 'Bangsar', '59100 Kuala Lumpur', '03-2282 2222', '012-345 6789',"
            " 'siti@example.com', 'Reading', 'Girl Guides', 'Rotary', 'Badminton', 'Choir', 'Institute of Engineers',"
            " 'Best employee 2019', 'Ahmad Zaki', 'Teacher', 'SMK Kajang', '12 Jalan Mawar, Taman Indah',"
            " '03-8733 1112', '019-876 5432', 'zaki@example.com')");
    }

    // Runs the generator as the employee windows do: press, then unload.
    void run() {
        forms::get<cvexport::Frmxls2>().press(RunXl);
        forms::unload<cvexport::Frmxls2>();
    }
    // Runs it under the event boundary, as a click in an employee window would.
    void runFromWindow() {
        forms::guarded([this] { run(); });
    }

    spreadsheet::Workbook& workbook() { return books.last(); }
    spreadsheet::Worksheet& sheet(int index) { return workbook().worksheets(index); }
    db::Value value(int sheetIndex, const QString& address) { return sheet(sheetIndex).cell(address).value; }
    spreadsheet::CellStyle style(int sheetIndex, const QString& address) { return sheet(sheetIndex).cell(address).style; }

    // Cell by cell: {"A7", "PERSONAL INFORMATION"}, {"C14", QDate(...)}, {"C39", db::Value()}.
    void expectValues(int sheetIndex, std::initializer_list<std::pair<const char*, db::Value>> expected) {
        for (const auto& [address, wanted] : expected) EXPECT_EQ(value(sheetIndex, address), wanted) << address;
    }
    // Label in A, ":" in B, value in C of each row, from the first row given on.
    void expectLabelRows(int sheetIndex, std::initializer_list<std::tuple<int, const char*, db::Value>> rows) {
        for (const auto& [row, label, wanted] : rows) {
            const spreadsheet::Worksheet& s = sheet(sheetIndex);
            EXPECT_EQ(s.cell(row, 1).value, db::Value(label)) << row;
            EXPECT_EQ(s.cell(row, 2).value, db::Value(":")) << row;
            EXPECT_EQ(s.cell(row, 3).value, wanted) << row;
        }
    }

    QString savedPath() const { return folder.driveC() + "/Pravel.xls"; }
    QString writePhoto(const QString& name, QSize size = {90, 120}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::gray);
        image.save(folder.file(name));
        return folder.path() + "\\" + name;   // as the photo store names it
    }

    KeptWorkbooks books;   // the workbook of every run that got as far as closing it
};

}  // namespace tests
