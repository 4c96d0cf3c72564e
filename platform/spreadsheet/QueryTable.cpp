#include "platform/spreadsheet/QueryTable.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/spreadsheet/FieldValue.h"
#include "platform/spreadsheet/Worksheet.h"
#include "platform/spreadsheet/WorkbookError.h"

#include <QRegularExpression>

namespace spreadsheet {

namespace {

const QString kOleDbPrefix = QStringLiteral("OLEDB;");

// The names a plain column list spells ("SELECT Name,Relationship FROM ..."), empty for any other
// query: the database reports a column by its declared name, the header shows it as the query names it.
QStringList selectedNames(const QString& sql) {
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*select\s+([\w\s,]+?)\s+from\s)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const auto match = pattern.match(sql);
    if (!match.hasMatch()) return {};
    QStringList names = match.captured(1).split(QLatin1Char(','));
    for (QString& name : names) name = name.trimmed();
    return names;
}

QString headerName(const db::Recordset& result, const QStringList& typed, int index) {
    const QString name = result.fieldName(index);
    if (typed.size() == result.fieldCount() && typed[index].compare(name, Qt::CaseInsensitive) == 0) return typed[index];
    return name;
}

void put(Worksheet& sheet, int row, int column, const db::Value& value) {
    sheet.setValue(CellRect{row, column, row, column}, value);
}

}  // namespace

QueryTable::QueryTable(Worksheet& sheet, const QString& connection, int destinationRow, int destinationColumn,
                       const QString& sql)
    : sheet_(&sheet), connection_(connection), row_(destinationRow), column_(destinationColumn), sql_(sql) {
    if (!connection.startsWith(kOleDbPrefix, Qt::CaseInsensitive)) {
        throw WorkbookError(QStringLiteral("A query table needs an \"OLEDB;\" connection text, not \"%1\".")
                                .arg(connection));
    }
}

void QueryTable::setRefreshStyle(int style) {
    if (style != xlOverwriteCells && style != xlInsertDeleteCells && style != xlInsertEntireRows) {
        throw WorkbookError(QStringLiteral("%1 is no refresh style of a query table.").arg(style));
    }
    refreshStyle_ = style;
}

bool QueryTable::refresh(bool /*backgroundQuery*/) {
    db::Connection connection;
    connection.open(connection_.mid(kOleDbPrefix.size()));
    db::Recordset result;
    result.open(sql_, &connection);
    const int columns = result.fieldCount();
    const QStringList typed = selectedNames(sql_);
    for (int i = 0; i < columns; ++i) put(*sheet_, row_, column_ + i, headerName(result, typed, i));
    int row = row_;
    for (; !result.eof(); result.moveNext()) {
        ++row;
        for (int i = 0; i < columns; ++i) put(*sheet_, row, column_ + i, cellValue(result, i));
    }
    result.close();
    connection.close();
    return true;
}

QueryTable& QueryTables::add(const QString& connection, const Range& destination, const QString& sql) {
    if (&destination.worksheet() != sheet_) {
        throw WorkbookError(QStringLiteral("The destination %1 of a query table lies on another worksheet.")
                                .arg(destination.address()));
    }
    const CellRect& at = destination.rect();
    tables_.push_back(std::make_unique<QueryTable>(*sheet_, connection, at.firstRow, at.firstColumn, sql));
    return *tables_.back();
}

}  // namespace spreadsheet
