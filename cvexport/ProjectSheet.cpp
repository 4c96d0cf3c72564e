#include "cvexport/CvLayout.h"
#include "cvexport/CvSheets.h"

namespace cvexport {

using namespace spreadsheet;

namespace {

constexpr int kMaxProjectBlocks = 20;

constexpr std::pair<const char*, const char*> kShortRows[] = {
    {"Project Name", "ProjectName"}, {"Client", "Client"}, {"Duration", "Duration"}, {"Team Size", "TeamSize"}};

struct LongRow {
    const char* label;
    const char* column;
    double height;
};

constexpr LongRow kLongRows[] = {
    {"Role", "Role", 60}, {"Software & Plateform", "SoftwarePlateform", 35}, {"Other Skills", "OtherSkill", 35}};

void writeProjectBlock(Worksheet& sheet, const db::Recordset& project, int r) {
    for (int i = 0; i < 4; ++i) writeLabelRow(sheet, r + i, kShortRows[i].first, cellValue(project, kShortRows[i].second));
    for (int i = 0; i < 3; ++i) writeLongTextRow(sheet, r + 4 + i, kLongRows[i].label, cellValue(project, kLongRows[i].column), 'H');
    for (int i = 0; i < 3; ++i) fitLongTextRow(sheet, r + 4 + i, kLongRows[i].height);
}

}  // namespace

void writeProjectTitle(Worksheet& sheet) {
    writeSectionTitle(sheet, "A1", "PROJECT REFERENCE", "A1:I1");
    setColumnWidths(sheet, {{"A", 17.57}, {"B", 1.5}});
}

void writeProjectReference(Worksheet& sheet, db::Recordset& project) {
    writeRecordBlocks(project, kMaxProjectBlocks, [&](int r) { writeProjectBlock(sheet, project, r); });
}

}  // namespace cvexport
