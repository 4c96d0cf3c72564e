#include "FlexGrid.h"

#include "Design.h"
#include "platform/db/Recordset.h"

#include <QHeaderView>
#include <QMouseEvent>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace forms {

namespace {

constexpr int kDefaultRows = 2;
constexpr int kDefaultCols = 2;
constexpr int kRowHeightTwips = 240;

int compareGeneric(const QString& a, const QString& b) {
    bool aIsNumber = false;
    bool bIsNumber = false;
    const double x = a.toDouble(&aIsNumber);
    const double y = b.toDouble(&bIsNumber);
    if (aIsNumber && bIsNumber) return x < y ? -1 : (x > y ? 1 : 0);
    return QString::compare(a, b, Qt::CaseInsensitive);
}

int buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(kDefaultRows, kDefaultCols, parent) {
    // The fixed row and column are cells of the grid, so that positions count from its corner.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(px(kRowHeightTwips));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    for (int r = 0; r < kDefaultRows; ++r) {
        for (int c = 0; c < kDefaultCols; ++c) setCell(r, c, QString());
    }
    showSelection();
}

void FlexGrid::setDataSource(db::Recordset* recordset) {
    if (!recordset || !recordset->isOpen()) {
        throw std::invalid_argument("The list has no open recordset to show.");
    }
    clear();
    setRowCount(kFixedRows + recordset->recordCount());
    setColumnCount(kFixedCols + recordset->fieldCount());
    for (int c = 0; c < cols(); ++c) setCell(0, c, c < kFixedCols ? QString() : recordset->fieldName(c - kFixedCols));
    for (int r = kFixedRows; r < rows(); ++r) {
        setCell(r, 0, QString());
        for (int c = kFixedCols; c < cols(); ++c) {
            setCell(r, c, recordset->valueAt(r - kFixedRows, c - kFixedCols).toString());
        }
    }
    row_ = rowSel_ = std::min(kFixedRows, rows() - 1);
    col_ = colSel_ = std::min(kFixedCols, cols() - 1);
    showSelection();
}

void FlexGrid::checkRow(int row) const {
    if (row < 0 || row >= rows()) throw std::out_of_range("Invalid row of the list");
}

void FlexGrid::checkCol(int col) const {
    if (col < 0 || col >= cols()) throw std::out_of_range("Invalid column of the list");
}

QString FlexGrid::textMatrix(int row, int col) const {
    checkRow(row);
    checkCol(col);
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->text() : QString();
}

void FlexGrid::setRow(int row) {
    checkRow(row);
    row_ = rowSel_ = row;
    colSel_ = col_;
    showSelection();
}

void FlexGrid::setCol(int col) {
    checkCol(col);
    col_ = colSel_ = col;
    rowSel_ = row_;
    showSelection();
}

void FlexGrid::setRowSel(int row) {
    checkRow(row);
    rowSel_ = row;
    showSelection();
}

void FlexGrid::setColSel(int col) {
    checkCol(col);
    colSel_ = col;
    showSelection();
}

int FlexGrid::colWidthTwips(int col) const {
    checkCol(col);
    return twips(columnWidth(col));
}

void FlexGrid::setColWidthTwips(int col, int width) {
    checkCol(col);
    setColumnWidth(col, px(width));
}

int FlexGrid::rowHeightTwips(int row) const {
    checkRow(row);
    return twips(rowHeight(row));
}

void FlexGrid::setSort(Sort order) {
    if (order == Sort::None) return;
    int firstRow = std::min(row_, rowSel_);
    int lastRow = std::max(row_, rowSel_);
    if (firstRow == lastRow) {
        firstRow = kFixedRows;
        lastRow = rows() - 1;
    }
    const int firstKey = std::min(col_, colSel_);
    const int lastKey = std::max(col_, colSel_);

    std::vector<QStringList> texts;
    for (int r = firstRow; r <= lastRow; ++r) {
        QStringList cells;
        for (int c = 0; c < cols(); ++c) cells << textMatrix(r, c);
        texts.push_back(cells);
    }
    const bool descending = order == Sort::GenericDescending;
    std::stable_sort(texts.begin(), texts.end(), [&](const QStringList& a, const QStringList& b) {
        for (int c = firstKey; c <= lastKey; ++c) {
            const int compared = compareGeneric(a[c], b[c]);
            if (compared != 0) return descending ? compared > 0 : compared < 0;
        }
        return false;
    });
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = 0; c < cols(); ++c) setCell(r, c, texts[std::size_t(r - firstRow)][c]);
    }
}

void FlexGrid::setCell(int row, int col, const QString& text) {
    QTableWidgetItem* cell = item(row, col);
    if (!cell) {
        cell = new QTableWidgetItem;
        const bool fixed = row < kFixedRows || col < kFixedCols;
        cell->setFlags(fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (fixed) cell->setBackground(palette().button());
        setItem(row, col, cell);
    }
    cell->setText(text);
}

void FlexGrid::showSelection() {
    clearSelection();
    if (rows() == 0 || cols() == 0) return;
    const QTableWidgetSelectionRange range(std::min(row_, rowSel_), std::min(col_, colSel_), std::max(row_, rowSel_),
                                           std::max(col_, colSel_));
    setRangeSelected(range, true);
}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const QModelIndex index = indexAt(at);
    // A press on a cell below and right of the fixed ones makes it current.
    if (event->button() == Qt::LeftButton && index.isValid() && index.row() >= kFixedRows &&
        index.column() >= kFixedCols) {
        row_ = rowSel_ = index.row();
        col_ = colSel_ = index.column();
        showSelection();
    }
    setFocus(Qt::MouseFocusReason);
    emit mouseDown(MouseDown{buttonCode(event->button()), shiftCode(event->modifiers()), double(twips(at.x())),
                             double(twips(at.y()))});
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent*) { emit dblClick(); }

}  // namespace forms
