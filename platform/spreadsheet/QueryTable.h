#pragma once

#include "platform/spreadsheet/Address.h"
#include "platform/spreadsheet/Constants.h"

#include <QString>

#include <memory>
#include <vector>

namespace spreadsheet {

class Range;
class Worksheet;

// A query whose result the worksheet shows: the connection text names the database file
// ("OLEDB;Provider=...;Data Source=...;"), the SQL runs on it through the data layer.
class QueryTable {
public:
    QueryTable(Worksheet& sheet, const QString& connection, int destinationRow, int destinationColumn,
               const QString& sql);

    QString connection() const { return connection_; }
    QString sql() const { return sql_; }
    int refreshStyle() const { return refreshStyle_; }
    void setRefreshStyle(int style);   // xlOverwriteCells, xlInsertDeleteCells or xlInsertEntireRows

    // Runs the query and writes the header row of column names at the destination and the rows under
    // it, dates as dates and Null as empty cells. Cells below are never shifted, whatever the
    // refresh style. Runs to its end before it returns, whatever backgroundQuery asks.
    bool refresh(bool backgroundQuery);
    int resultRowCount() const { return resultRows_; }   // data rows of the last refresh

private:
    Worksheet* sheet_;
    QString connection_;
    int row_;
    int column_;
    QString sql_;
    int refreshStyle_ = xlInsertDeleteCells;
    int resultRows_ = 0;
};

class QueryTables {
public:
    explicit QueryTables(Worksheet& sheet) : sheet_(&sheet) {}
    // The destination must be a range of this worksheet; its first cell is where the result starts.
    QueryTable& add(const QString& connection, const Range& destination, const QString& sql);
    int count() const { return static_cast<int>(tables_.size()); }
    QueryTable& item(int index) { return *tables_.at(index - 1); }   // from 1

private:
    Worksheet* sheet_;
    std::vector<std::unique_ptr<QueryTable>> tables_;
};

}  // namespace spreadsheet
