#pragma once

#include "platform/db/Recordset.h"
#include "platform/spreadsheet/Worksheet.h"

// The six worksheets of the CV. The employee recordset stands on the employee's row; the employment
// and project recordsets on their first row, and are read to their end.
namespace cvexport {

// Worksheet 1: its three section titles come first, so that the photo can go in before the rest.
void writePersonalTitles(spreadsheet::Worksheet& sheet);
void writePersonalDetails(spreadsheet::Worksheet& sheet, const db::Recordset& employee);
// Worksheet 2: the spouse and the frame of the family list.
void writeFamilySheet(spreadsheet::Worksheet& sheet, const db::Recordset& employee);
// Worksheet 3: the frames of the skill and language lists.
void writeSkillSheet(spreadsheet::Worksheet& sheet);
// Worksheet 4: the frames of the academic and training lists.
void writeAcademicSheet(spreadsheet::Worksheet& sheet);
// Worksheets 5 and 6: titles and widths, then one block per record.
void writeEmploymentTitle(spreadsheet::Worksheet& sheet);
void writeEmploymentHistory(spreadsheet::Worksheet& sheet, db::Recordset& employment);
void writeProjectTitle(spreadsheet::Worksheet& sheet);
void writeProjectReference(spreadsheet::Worksheet& sheet, db::Recordset& project);

}  // namespace cvexport
