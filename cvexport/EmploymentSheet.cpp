#include "cvexport/CvLayout.h"
#include "cvexport/CvSheets.h"

#include "platform/spreadsheet/Constants.h"

namespace cvexport {

using namespace spreadsheet;

namespace {

constexpr int kMaxEmploymentBlocks = 10;

constexpr std::pair<const char*, const char*> kLabelRows[] = {
    {"Company Name", "CompanyName"},     {"Position Title", "positiontitle"}, {"Position Level", "PositionLevel"},
    {"Specialisation", "Specialisation"}, {"Industry", "Industry"},
};

void writeEmploymentBlock(Worksheet& sheet, const db::Recordset& employment, int r) {
    for (int i = 0; i < 5; ++i) writeLabelRow(sheet, r + i, kLabelRows[i].first, cellValue(employment, kLabelRows[i].second));

    const int dates = r + 5;
    writeLabelRow(sheet, dates, "Date Joined", cellValue(employment, "DateJoined"));
    sheet.range(cell('C', dates)).setNumberFormat(kDateFormat);
    writeLabelRow(sheet, dates, "Date Left", cellValue(employment, "Dateleft"), 'E');
    sheet.range(cell('G', dates)).setNumberFormat(kDateFormat);

    writeLongTextRow(sheet, r + 7, "Work Description", cellValue(employment, "workdescription"), 'I');
    fitLongTextRow(sheet, r + 7, 60);
}

}  // namespace

void writeEmploymentTitle(Worksheet& sheet) {
    writeSectionTitle(sheet, "A1", "EMPLOYMENT HISTORY", "A1:H1");
    setColumnWidths(sheet, {{"A", 17.57}, {"B", 1.5}, {"F", 1.5}});
}

void writeEmploymentHistory(Worksheet& sheet, db::Recordset& employment) {
    writeRecordBlocks(employment, kMaxEmploymentBlocks, [&](int r) { writeEmploymentBlock(sheet, employment, r); });
}

}  // namespace cvexport
