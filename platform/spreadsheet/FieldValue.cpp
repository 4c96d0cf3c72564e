#include "platform/spreadsheet/FieldValue.h"

#include "platform/db/Recordset.h"

namespace spreadsheet {

db::Value cellValue(const db::Recordset& records, int index) {
    const db::Value value = records.field(index);
    if (value.type() == db::Value::Type::Text && records.declaredType(index).contains(QLatin1String("DATE"))) {
        const QDate date = value.toDate();
        if (date.isValid()) return date;
    }
    return value;
}

db::Value cellValue(const db::Recordset& records, const QString& column) {
    const int index = records.fieldIndex(column);
    return index < 0 ? records.field(column) : cellValue(records, index);   // the data layer names a missing column
}

}  // namespace spreadsheet
