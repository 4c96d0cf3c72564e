#pragma once

#include "platform/db/Value.h"

#include <QString>

namespace db {
class Recordset;
}

namespace spreadsheet {

// The value a field of the current row puts into a cell, as a spreadsheet reading the database sees
// it: a date column holds dates, so a text in it that names a date (as another program may have
// stored one) is that date. Any other value as it is.
db::Value cellValue(const db::Recordset& records, int index);
db::Value cellValue(const db::Recordset& records, const QString& column);

}  // namespace spreadsheet
