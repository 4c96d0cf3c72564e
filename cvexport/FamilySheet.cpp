#include "cvexport/CvLayout.h"
#include "cvexport/CvSheets.h"

#include "platform/spreadsheet/Constants.h"

namespace cvexport {

using namespace spreadsheet;

void writeFamilySheet(Worksheet& sheet, const db::Recordset& employee) {
    writeSectionTitle(sheet, "A1", "FAMILY BACKGROUND", "A1:G1");

    writeSubHeading(sheet, "A3", "Spouse");
    writeLabelRow(sheet, 4, "Spouse Name", cellValue(employee, "Spouse"));
    writeLabelRow(sheet, 5, "Occupation", cellValue(employee, "SOccupation"));
    writeLabelRow(sheet, 6, "Company", cellValue(employee, "SCompany"));
    writeLongTextRow(sheet, 7, "Address", cellValue(employee, "SAddress"), 'F');
    fitLongTextRow(sheet, 7, 51);
    writeLabelRow(sheet, 8, "Tel No.", cellValue(employee, "STel"));
    writeLabelRow(sheet, 9, "Mobile No.", cellValue(employee, "ShandPhone"));
    writeLabelRow(sheet, 10, "E-mail", cellValue(employee, "Semail"));

    // The family list itself is the query table at A13; its `n` column goes without a header.
    writeSubHeading(sheet, "A12", "Family Tree");
    sheet.range("B13").setValue(" ");

    sheet.rows("1:6").setRowHeight(16);
    sheet.rows("8:40").setRowHeight(16);
    setColumnWidths(sheet, {{"A", 17.57}, {"C", 3.57}, {"D", 13.43}, {"E", 11.43}, {"F", 17.86}, {"G", 12.71}});
    sheet.columns("D").setNumberFormat(kDateFormat);
    sheet.range("C14:C29").setHorizontalAlignment(xlCenter);
    sheet.range("D14:D29").setHorizontalAlignment(xlCenter);
    frameTable(sheet, "A13:G13", "A13:G29");
    drawColumnLines(sheet, {"B13:B29", "C13:C29", "D13:D29", "E13:E29", "F13:F29"});
}

}  // namespace cvexport
