#pragma once

#include <QString>
#include <QTableWidget>

namespace db {
class Recordset;
}

namespace forms {

// A mouse press as a handler gets it: button 1 left, 2 right, 4 middle; shift a sum of 1 Shift,
// 2 Ctrl, 4 Alt; x and y in twips from the control's top-left corner.
struct MouseDown {
    int button = 0;
    int shift = 0;
    double x = 0;
    double y = 0;
};

// A hierarchical flex grid: a table of texts with one fixed row and one fixed column. Bound to a
// recordset it copies the rows once: the fixed row holds the field names, the fixed column nothing.
// Rows and columns are counted from 0, fixed ones included. The current cell (row, col) and the
// selection's far corner (rowSel, colSel) span the selection; moving the current cell collapses
// the selection onto it. An index outside the grid is an error (std::out_of_range).
class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    enum class Sort { None = 0, GenericAscending = 1, GenericDescending = 2 };
    static constexpr int kFixedRows = 1;
    static constexpr int kFixedCols = 1;

    explicit FlexGrid(QWidget* parent = nullptr);

    // Copies the rows of an open recordset (from its first row, in its order); later changes to
    // the recordset do not show.
    void setDataSource(db::Recordset* recordset);

    int rows() const { return rowCount(); }
    int cols() const { return columnCount(); }
    QString textMatrix(int row, int col) const;
    QString text() const { return textMatrix(row_, col_); }   // of the current cell

    int row() const { return row_; }
    int col() const { return col_; }
    void setRow(int row);
    void setCol(int col);
    int rowSel() const { return rowSel_; }
    int colSel() const { return colSel_; }
    void setRowSel(int row);
    void setColSel(int col);

    int colWidthTwips(int col) const;
    void setColWidthTwips(int col, int width);
    int rowHeightTwips(int row) const;

    // Orders the selected rows (every row below the fixed one when the selection spans one row)
    // by the texts of the selected columns, left to right. Generic: two numbers compare as
    // numbers, anything else as text without regard to case. Rows of equal keys keep their order.
    void setSort(Sort order);

signals:
    void mouseDown(const forms::MouseDown& press);
    void dblClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void checkRow(int row) const;
    void checkCol(int col) const;
    void setCell(int row, int col, const QString& text);
    void showSelection();

    int row_ = kFixedRows;
    int col_ = kFixedCols;
    int rowSel_ = kFixedRows;
    int colSel_ = kFixedCols;
};

}  // namespace forms
