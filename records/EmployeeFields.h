#pragma once

#include "platform/db/Value.h"

#include <QString>

#include <span>

namespace db {
class Recordset;
}
namespace forms {
class Form;
}

namespace records {

// One input of an employee window and the employee column behind it.
struct FieldColumn {
    const char* field;
    const char* column;
};

// Text3 to Pdate: the personal fields below id and name, in the order the saves write them.
std::span<const FieldColumn> personalFields();
// The spouse and hobby fields of the first detail tab.
std::span<const FieldColumn> spouseAndHobbyFields();

// The number a text starts with ("12abc" is 12, "abc" is 0), as the database would convert it.
double leadingNumber(const QString& text);
// A stored value as its field shows it, blanks trimmed.
QString shownText(const db::Value& value);

// Fills the fields from the current row, each trimmed.
void showFields(forms::Form& window, const db::Recordset& row, std::span<const FieldColumn> fields);
// Assigns the personal fields, untrimmed, to the current row; Age is computed, never typed.
void writePersonalFields(const forms::Form& window, db::Recordset& row);

// The button shows the calendar; a date picked there goes into the field as dd/mm/yyyy and the
// calendar hides again.
void wireDatePicker(forms::Form& window, const QString& button, const QString& calendar, const QString& field);

}  // namespace records
