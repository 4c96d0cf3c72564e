#pragma once

#include <QString>

namespace spreadsheet {

constexpr int kMaxRows = 1048576;
constexpr int kMaxColumns = 16384;

// A rectangle of cells, rows and columns counted from 1 as addresses name them.
struct CellRect {
    int firstRow = 1;
    int firstColumn = 1;
    int lastRow = 1;
    int lastColumn = 1;

    bool operator==(const CellRect&) const = default;
    bool contains(int row, int column) const {
        return row >= firstRow && row <= lastRow && column >= firstColumn && column <= lastColumn;
    }
    bool intersects(const CellRect& other) const {
        return firstRow <= other.lastRow && other.firstRow <= lastRow && firstColumn <= other.lastColumn &&
               other.firstColumn <= lastColumn;
    }
    bool isSingleCell() const { return firstRow == lastRow && firstColumn == lastColumn; }
    bool wholeColumns() const { return firstRow == 1 && lastRow == kMaxRows; }
    bool wholeRows() const { return firstColumn == 1 && lastColumn == kMaxColumns; }
    long long cellCount() const {
        return static_cast<long long>(lastRow - firstRow + 1) * (lastColumn - firstColumn + 1);
    }
};

// "A1", "A7:J7" (also "$A$1"); throws WorkbookError for anything else.
CellRect parseCellRange(const QString& address);
// "1:23" or "7".
CellRect parseRows(const QString& address);
// "D", "D:D" or "A:C".
CellRect parseColumns(const QString& address);

QString columnName(int column);           // 1 -> "A", 28 -> "AB"
QString cellName(int row, int column);    // "C14"
QString rectName(const CellRect& rect);   // "A7:J7", "C14" for one cell

}  // namespace spreadsheet
