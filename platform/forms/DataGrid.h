#pragma once

#include <QString>
#include <QTableView>

#include <memory>

namespace db {
class Recordset;
}

namespace forms {

// A grid bound to a recordset: one row per record, one column per field. Columns are addressed by
// field name (without regard to case). The grid's current row is the recordset's current row, in
// both directions. A cell edit is assigned to the recordset's field and written by update() when
// the row is left or commit() is called. The grid holds no data of its own.
class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    // Binding: shows the recordset's rows; nullptr unbinds. Rebinding resets every column setting.
    void setDataSource(db::Recordset* recordset);
    db::Recordset* dataSource() const;

    // Column settings by field name; an unknown name is an error (std::invalid_argument).
    void hideColumn(const QString& field);
    void lockColumn(const QString& field);                         // not editable
    void setColumnWidthTwips(const QString& field, int width);
    void setColumnFormat(const QString& field, const QString& format);   // "dd/mmm/yyyy" shows 05/Mar/1980
    void setColumnCaption(const QString& field, const QString& caption);
    bool isColumnHidden(const QString& field) const;
    QString boundFieldName(int column) const;                     // the field shown in a column
    QString displayText(int row, const QString& field) const;     // a cell as the grid shows it

    void setAllowUpdate(bool allow);
    void setAllowDelete(bool allow);   // Delete key removes the current row
    bool allowUpdate() const;
    bool allowDelete() const;

    // Writes a pending cell edit of the current row through update(); nothing pending does nothing.
    void commit();

    // Orders the bound recordset ascending by the field shown in a column (as a header click
    // gives it); the current record stays current. An unknown column is std::invalid_argument.
    void sortAscending(int column);

signals:
    void headClick(int column);   // a click on a column header, with the column's index
    void dblClick();              // a double-click on a row
    void click();                 // a click on a row

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int columnOf(const QString& field) const;   // std::invalid_argument for an unknown field
    void writePendingRow();                     // leaving a row: update(), or show the error and drop the edit
    void dropPendingRow();
    void applyColumnSettings();
    void followRecordset();                     // the grid's current row becomes the recordset's

    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace forms
