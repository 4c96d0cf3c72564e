#pragma once

#include "platform/spreadsheet/Cell.h"
#include "platform/spreadsheet/Pictures.h"
#include "platform/spreadsheet/QueryTable.h"
#include "platform/spreadsheet/Range.h"

#include <QString>

#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace spreadsheet {

class Workbook;

// One worksheet of the model: cells with values and styles, row heights, column widths, merged
// areas, pictures and query tables. Ranges write through the members below; the reading members
// serve the file writer and the tests.
class Worksheet {
public:
    Worksheet(Workbook& book, const QString& name);
    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;

    QString name() const { return name_; }

    Range range(const QString& address) { return Range(*this, parseCellRange(address)); }
    Range rows(const QString& address) { return Range(*this, parseRows(address)); }
    Range columns(const QString& address) { return Range(*this, parseColumns(address)); }
    QueryTables& queryTables() { return queryTables_; }
    Pictures& pictures() { return pictures_; }

    // Writing, for Range, QueryTable and Pictures.
    void setValue(const CellRect& rect, const db::Value& value);
    void applyStyle(const CellRect& rect, const std::function<void(CellStyle&)>& change);
    void merge(const CellRect& rect);
    void setRowHeight(const CellRect& rect, double points);
    void setColumnWidth(const CellRect& rect, double width);
    void select(const CellRect& rect);

    // Reading.
    using CellKey = std::pair<int, int>;   // row, column
    const std::map<CellKey, Cell>& cells() const { return cells_; }
    Cell cell(int row, int column) const;   // where nothing was written: empty, in its column's style
    Cell cell(const QString& address) const;
    const std::map<int, CellStyle>& columnStyles() const { return columnStyles_; }
    const std::map<int, double>& rowHeights() const { return rowHeights_; }
    const std::map<int, double>& columnWidths() const { return columnWidths_; }
    std::optional<double> rowHeight(int row) const;
    std::optional<double> columnWidth(int column) const;
    const std::vector<CellRect>& mergedAreas() const { return merged_; }
    const CellRect& selection() const { return selection_; }
    const Pictures& pictures() const { return pictures_; }

private:
    Cell& cellFor(int row, int column);

    Workbook* book_;
    QString name_;
    std::map<CellKey, Cell> cells_;
    std::map<int, CellStyle> columnStyles_;   // styles given to whole columns; new cells start from them
    std::map<int, double> rowHeights_;
    std::map<int, double> columnWidths_;
    std::vector<CellRect> merged_;
    CellRect selection_;
    QueryTables queryTables_;
    Pictures pictures_;
};

}  // namespace spreadsheet
