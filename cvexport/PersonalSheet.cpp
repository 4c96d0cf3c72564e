#include "cvexport/CvLayout.h"
#include "cvexport/CvSheets.h"

#include "platform/spreadsheet/Constants.h"

namespace cvexport {

using namespace spreadsheet;

namespace {

struct LabelledField {
    int row;
    const char* label;
    const char* column;
};

constexpr LabelledField kLabelRows[] = {
    {9, "Name", "empname"},
    {10, "NRIC No. (New)", "IcNew"},
    {11, "NRIC No. (Old)", "IcOld"},
    {12, "Passport No.", "PassportNo"},
    {13, "Gender", "gender"},
    {14, "Date of Birth", "DOB"},
    {15, "Nationality", "Nationality"},
    {16, "Race", "Race"},
    {17, "Religion", "Religion"},
    {18, "Marital Status", "MaritalStatus"},
    {19, "No. of Children", "Child"},
    {20, "Dialect", "Dialect"},
    {24, "Address (Permanent)", "OAddress1"},
    {29, "Address (Current)", "Address1"},
    {34, "Mobile No.", "handphone"},
    {35, "E-mail", "e_mail"},
    {39, "Hobbies", "Hobbies"},
    {41, "Uniform", "Uniform"},
    {42, "Club/Associates", "Club"},
    {43, "Sports", "Sports"},
    {44, "Others", "Others"},
};

// Address lines 2 and 3 and the telephone of each address, under its first line.
constexpr std::pair<const char*, const char*> kUnlabelledValues[] = {
    {"C25", "OAddress2"}, {"C26", "OAddress3"}, {"C27", "Tel"},
    {"C30", "Address2"},  {"C31", "Address3"},  {"C32", "Fax"},
};

}  // namespace

void writePersonalTitles(Worksheet& sheet) {
    sheet.rows("1:23").setRowHeight(16);
    sheet.rows("36:44").setRowHeight(16);
    setColumnWidths(sheet, {{"A", 17.57}, {"B", 1.5}, {"C", 10}, {"D", 5.43}, {"F", 1.5}, {"G", 10}});
    writeSectionTitle(sheet, "A7", "PERSONAL INFORMATION", "A7:J7");
    writeSectionTitle(sheet, "A22", "CONTACT INFORMATION ", "A22:J22");
    writeSectionTitle(sheet, "A37", "OTHERS INFORMATION ", "A37:J37");
}

void writePersonalDetails(Worksheet& sheet, const db::Recordset& employee) {
    for (const LabelledField& field : kLabelRows) {
        writeLabelRow(sheet, field.row, field.label, cellValue(employee, field.column));
    }
    writeLabelRow(sheet, 12, "Exp. Date", cellValue(employee, "Pedate"), 'E');
    writeLabelRow(sheet, 14, "Age", cellValue(employee, "Age"), 'E');
    for (const auto& [address, column] : kUnlabelledValues) sheet.range(address).setValue(cellValue(employee, column));
    writeSubHeading(sheet, "A40", "Extra-Curricular");

    sheet.range("G12").setNumberFormat(kDateFormat);
    sheet.range("C14").setNumberFormat(kDateFormat);
    for (const char* address : {"C14", "G12", "C19", "G14"}) sheet.range(address).setHorizontalAlignment(xlLeft);

    writeLongTextRow(sheet, 45, "Memberships", cellValue(employee, "ProfMem"), 'I');
    writeLongTextRow(sheet, 46, "Achievement", cellValue(employee, "Awards"), 'I');
}

}  // namespace cvexport
