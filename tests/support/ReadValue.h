#pragma once

#include "platform/db/Recordset.h"

namespace tests {

// The first field of the first row that sql gives; Null when it gives no row.
inline db::Value readValue(db::Connection& connection, const QString& sql) {
    db::Recordset rows;
    rows.open(sql, &connection);
    return rows.eof() ? db::Value() : rows.field(0);
}

// The same, read with a connection of its own, as another user of the file would see it.
inline db::Value readValue(const QString& databasePath, const QString& sql) {
    db::Connection connection;
    connection.open(QStringLiteral("Data Source=") + databasePath);
    return readValue(connection, sql);
}

}  // namespace tests
