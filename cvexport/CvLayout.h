#pragma once

#include "common/DateText.h"
#include "platform/db/Value.h"
#include "platform/spreadsheet/FieldValue.h"
#include "platform/spreadsheet/Worksheet.h"

#include <QString>

#include <functional>
#include <initializer_list>
#include <utility>

namespace db {
class Recordset;
}

// The few building blocks from which every CV worksheet is laid out.
namespace cvexport {

using spreadsheet::Worksheet;
using spreadsheet::cellValue;

// The cyan fill of section titles.
constexpr std::int64_t kTitleFill = 16776960;

QString cell(char column, int row);   // cell('C', 14) is "C14"

// The title text in its cell, bold there alone, and the cyan fill over the title's range.
void writeSectionTitle(Worksheet& sheet, const QString& titleCell, const QString& text, const QString& fillRange);
// A bold sub-heading without fill.
void writeSubHeading(Worksheet& sheet, const QString& headingCell, const QString& text);
// The label in the first column, ":" in the next and the value in the one after: A, B, C by default.
void writeLabelRow(Worksheet& sheet, int row, const QString& label, const db::Value& value, char labelColumn = 'A');
// A label row whose value may run long: label and ":" aligned top, the value merged from C to
// lastColumn and wrapped.
void writeLongTextRow(Worksheet& sheet, int row, const QString& label, const db::Value& value, char lastColumn);
// The value of a long-text row aligned top, and the row given its height.
void fitLongTextRow(Worksheet& sheet, int row, double height);
// A thin frame around the header row and another around the whole table.
void frameTable(Worksheet& sheet, const QString& headerRange, const QString& tableRange);
// A continuous line on the right edge of each one-column range.
void drawColumnLines(Worksheet& sheet, std::initializer_list<const char*> columnRanges);
void setColumnWidths(Worksheet& sheet, std::initializer_list<std::pair<const char*, double>> widths);

// Visits every record to the end of the recordset and writes the first `limit` of them as blocks
// ten rows apart from row 3; the others are passed over.
void writeRecordBlocks(db::Recordset& records, int limit, const std::function<void(int baseRow)>& writeBlock);

}  // namespace cvexport
