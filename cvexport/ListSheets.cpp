#include "cvexport/CvLayout.h"
#include "cvexport/CvSheets.h"

namespace cvexport {

void writeSkillSheet(Worksheet& sheet) {
    writeSectionTitle(sheet, "A1", "TOP SKILL", "A1:E1");
    frameTable(sheet, "A4:C4", "A4:C24");
    drawColumnLines(sheet, {"A4:A24", "B4:B24"});
    writeSectionTitle(sheet, "A26", "LANGUAGE / DIALECT / LOGHAT", "A26:E26");
    frameTable(sheet, "A29:C29", "A29:C40");
    drawColumnLines(sheet, {"A29:A40", "B29:B40"});
    setColumnWidths(sheet, {{"A", 23.29}, {"B", 14.43}, {"C", 28.86}});
}

void writeAcademicSheet(Worksheet& sheet) {
    writeSectionTitle(sheet, "A1", "ACADEMIC QUALIFICATION", "A1:D1");
    frameTable(sheet, "A3:D3", "A3:D19");
    drawColumnLines(sheet, {"A3:A19", "B3:B19", "C3:C19"});
    writeSectionTitle(sheet, "A22", "TRAINING / COURSES ATTENDED", "A22:D22");
    frameTable(sheet, "A24:D24", "A24:D44");
    drawColumnLines(sheet, {"A24:A44", "B24:B44", "C24:C44"});
    sheet.range("A4:D19").font().setSize(8);
    sheet.range("A25:D44").font().setSize(8);
    setColumnWidths(sheet, {{"A", 17.29}, {"B", 28.14}, {"C", 26.29}, {"D", 16.57}});
}

}  // namespace cvexport
