#include "cvexport/CvLayout.h"

#include "platform/db/Recordset.h"
#include "platform/spreadsheet/Constants.h"

namespace cvexport {

using namespace spreadsheet;

QString cell(char column, int row) { return QChar(column) + QString::number(row); }

void writeSectionTitle(Worksheet& sheet, const QString& titleCell, const QString& text, const QString& fillRange) {
    sheet.range(titleCell).setValue(text);
    sheet.range(titleCell).font().setBold(true);
    sheet.range(fillRange).interior().setColor(kTitleFill);
}

void writeSubHeading(Worksheet& sheet, const QString& headingCell, const QString& text) {
    sheet.range(headingCell).setValue(text);
    sheet.range(headingCell).font().setBold(true);
}

void writeLabelRow(Worksheet& sheet, int row, const QString& label, const db::Value& value, char labelColumn) {
    sheet.range(cell(labelColumn, row)).setValue(label);
    sheet.range(cell(char(labelColumn + 1), row)).setValue(":");
    sheet.range(cell(char(labelColumn + 2), row)).setValue(value);
}

void writeLongTextRow(Worksheet& sheet, int row, const QString& label, const db::Value& value, char lastColumn) {
    sheet.range(cell('A', row)).setValue(label);
    sheet.range(cell('A', row)).setVerticalAlignment(xlTop);
    sheet.range(cell('B', row)).setValue(":");
    sheet.range(cell('B', row)).setVerticalAlignment(xlTop);
    sheet.range(cell('C', row)).setValue(value);
    sheet.range(cell('C', row) + ':' + cell(lastColumn, row)).merge();
    sheet.range(cell('C', row)).setWrapText(true);
}

void fitLongTextRow(Worksheet& sheet, int row, double height) {
    sheet.range(cell('C', row)).setVerticalAlignment(xlTop);
    sheet.range(cell('C', row)).setRowHeight(height);
}

void frameTable(Worksheet& sheet, const QString& headerRange, const QString& tableRange) {
    sheet.range(headerRange).borderAround(xlContinuous, xlThin, xlColorIndexAutomatic);
    sheet.range(tableRange).borderAround(xlContinuous, xlThin, xlColorIndexAutomatic);
}

void drawColumnLines(Worksheet& sheet, std::initializer_list<const char*> columnRanges) {
    for (const char* range : columnRanges) sheet.range(range).borders(xlEdgeRight).setLineStyle(xlContinuous);
}

void setColumnWidths(Worksheet& sheet, std::initializer_list<std::pair<const char*, double>> widths) {
    for (const auto& [column, width] : widths) sheet.columns(column).setColumnWidth(width);
}

void writeRecordBlocks(db::Recordset& records, int limit, const std::function<void(int baseRow)>& writeBlock) {
    for (int n = 1; !records.eof(); records.moveNext(), ++n) {
        if (n <= limit) writeBlock(3 + 10 * (n - 1));
    }
}

}  // namespace cvexport
