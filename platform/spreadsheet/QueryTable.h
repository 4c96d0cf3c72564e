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

    void setRefreshStyle(int style);   // xlOverwriteCells, xlInsertDeleteCells or xlInsertEntireRows

    // Runs the query and writes the header row of column names at the destination and the rows under
    // it, each field as cellValue gives it and Null as an empty cell. Cells below are never shifted,
    // whatever the refresh style. Runs to its end before it returns, whatever backgroundQuery asks.
    bool refresh(bool backgroundQuery);

private:
    Worksheet* sheet_;
    QString connection_;
    int row_;
    int column_;
    QString sql_;
    int refreshStyle_ = xlInsertDeleteCells;
};

class QueryTables {
public:
    explicit QueryTables(Worksheet& sheet) : sheet_(&sheet) {}
    // The destination must be a range of this worksheet; its first cell is where the result starts.
    QueryTable& add(const QString& connection, const Range& destination, const QString& sql);

private:
    Worksheet* sheet_;
    std::vector<std::unique_ptr<QueryTable>> tables_;
};

}  // namespace spreadsheet
