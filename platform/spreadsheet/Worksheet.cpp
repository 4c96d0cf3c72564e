#include "platform/spreadsheet/Worksheet.h"

#include "platform/spreadsheet/Workbook.h"
#include "platform/spreadsheet/WorkbookError.h"

namespace spreadsheet {

namespace {

// Values and styles are given cell by cell: a block larger than this is a mistake, not a layout.
constexpr long long kMaxCellsAtOnce = 65'536;

void requireCells(const CellRect& rect, const QString& what) {
    if (rect.cellCount() > kMaxCellsAtOnce) {
        throw WorkbookError(QStringLiteral("Cannot set %1 of %2 cells at once (%3).")
                                .arg(what)
                                .arg(rect.cellCount())
                                .arg(rectName(rect)));
    }
}

// Visits the stored cells inside a rectangle.
template <typename Cells, typename Fn> void forStoredCells(Cells& cells, const CellRect& rect, Fn&& fn) {
    for (auto it = cells.lower_bound({rect.firstRow, rect.firstColumn});
         it != cells.end() && it->first.first <= rect.lastRow; ++it) {
        if (rect.contains(it->first.first, it->first.second)) fn(it->first, it->second);
    }
}

}  // namespace

Worksheet::Worksheet(Workbook& book, const QString& name)
    : book_(&book), name_(name), queryTables_(*this), pictures_(*this) {}

Cell& Worksheet::cellFor(int row, int column) {
    auto [it, added] = cells_.try_emplace({row, column});
    if (added) {
        if (auto style = columnStyles_.find(column); style != columnStyles_.end()) it->second.style = style->second;
    }
    return it->second;
}

Cell Worksheet::cell(int row, int column) const {
    if (auto it = cells_.find({row, column}); it != cells_.end()) return it->second;
    Cell empty;
    if (auto style = columnStyles_.find(column); style != columnStyles_.end()) empty.style = style->second;
    return empty;
}

Cell Worksheet::cell(const QString& address) const {
    const CellRect rect = parseCellRange(address);
    return cell(rect.firstRow, rect.firstColumn);
}

void Worksheet::setValue(const CellRect& rect, const db::Value& value) {
    if (value.type() == db::Value::Type::Bytes) {
        throw WorkbookError(QStringLiteral("Binary data cannot stand in cell %1.").arg(rectName(rect)));
    }
    if (rect.wholeRows() || rect.wholeColumns()) {
        throw WorkbookError(QStringLiteral("Values are given to cells, not to whole rows or columns."));
    }
    requireCells(rect, QStringLiteral("the value"));
    // A column of the standard width widens to show a date entered into it, as the spreadsheet
    // program does; a width once set stays.
    if (value.type() == db::Value::Type::Date) {
        for (int column = rect.firstColumn; column <= rect.lastColumn; ++column) {
            columnWidths_.try_emplace(column, kShortDateWidth);
        }
    }
    for (int row = rect.firstRow; row <= rect.lastRow; ++row) {
        for (int column = rect.firstColumn; column <= rect.lastColumn; ++column) {
            Cell& cell = cellFor(row, column);
            cell.value = value;
            // A date entered into a cell of no particular format shows as a date.
            if (value.type() == db::Value::Type::Date && cell.style.numberFormat == kGeneralFormat) {
                cell.style.numberFormat = kShortDateFormat;
            }
        }
    }
}

void Worksheet::applyStyle(const CellRect& rect, const std::function<void(CellStyle&)>& change) {
    if (rect.wholeColumns()) {
        for (int column = rect.firstColumn; column <= rect.lastColumn; ++column) change(columnStyles_[column]);
        forStoredCells(cells_, rect, [&](const CellKey&, Cell& cell) { change(cell.style); });
        return;
    }
    if (rect.wholeRows()) throw WorkbookError(QStringLiteral("Formats are given to cells or whole columns, not to rows."));
    requireCells(rect, QStringLiteral("a format"));
    for (int row = rect.firstRow; row <= rect.lastRow; ++row) {
        for (int column = rect.firstColumn; column <= rect.lastColumn; ++column) change(cellFor(row, column).style);
    }
}

void Worksheet::merge(const CellRect& rect) {
    if (rect.isSingleCell()) return;
    for (const CellRect& area : merged_) {
        if (area == rect) return;
        if (area.intersects(rect)) {
            throw WorkbookError(QStringLiteral("Cannot merge %1: it overlaps the merged cells %2.")
                                    .arg(rectName(rect), rectName(area)));
        }
    }
    merged_.push_back(rect);
    // The merged area shows the value of its first cell only.
    forStoredCells(cells_, rect, [&](const CellKey& key, Cell& cell) {
        if (key != CellKey{rect.firstRow, rect.firstColumn}) cell.value = db::Value();
    });
}

void Worksheet::setRowHeight(const CellRect& rect, double points) {
    if (points < 0 || points > 409) {
        throw WorkbookError(QStringLiteral("%1 points is no row height.").arg(points));
    }
    if (rect.wholeColumns()) throw WorkbookError(QStringLiteral("Row heights are set on rows, not on whole columns."));
    for (int row = rect.firstRow; row <= rect.lastRow; ++row) rowHeights_[row] = points;
}

void Worksheet::setColumnWidth(const CellRect& rect, double width) {
    if (width < 0 || width > 255) {
        throw WorkbookError(QStringLiteral("%1 is no column width.").arg(width));
    }
    for (int column = rect.firstColumn; column <= rect.lastColumn; ++column) columnWidths_[column] = width;
}

void Worksheet::select(const CellRect& rect) {
    if (&book_->activeSheet() != this) {
        throw WorkbookError(QStringLiteral("Cannot select %1 of %2: it is not the active sheet.")
                                .arg(rectName(rect), name_));
    }
    selection_ = rect;
    pictures_.setSelected(-1);
}

std::optional<double> Worksheet::rowHeight(int row) const {
    auto it = rowHeights_.find(row);
    return it == rowHeights_.end() ? std::nullopt : std::optional<double>(it->second);
}

std::optional<double> Worksheet::columnWidth(int column) const {
    auto it = columnWidths_.find(column);
    return it == columnWidths_.end() ? std::nullopt : std::optional<double>(it->second);
}

}  // namespace spreadsheet
