#pragma once

#include "platform/db/Value.h"
#include "platform/forms/Design.h"

#include <QHash>
#include <QString>

#include <span>

namespace db {
class Recordset;
}
namespace forms {
class Form;
}  // namespace forms

namespace records {

// One input of an employee window and the employee column behind it.
struct FieldColumn {
    forms::ControlName field;
    const char* column;
};

// Text3 to Pdate: the personal fields below id and name, in the order the saves write them.
std::span<const FieldColumn> personalFields();
// The spouse and the hobby fields of the first detail tab, each saved by a link of its own.
std::span<const FieldColumn> spouseFields();
std::span<const FieldColumn> hobbyFields();

// The number a text starts with ("12abc" is 12, "abc" is 0), as the database would convert it.
double leadingNumber(const QString& text);
// A stored value as its field shows it, blanks trimmed.
QString shownText(const db::Value& value);

// What the fields showed when a row was loaded into them. A save writes only the fields changed
// since, so that a value no box shows exactly (blanks trimmed for showing, CR LF line ends, a text
// longer than the box takes, a non-number in a number column) is kept as stored.
class ShownTexts {
public:
    void remember(const forms::Form& window, std::span<const FieldColumn> fields);
    // True also for a field that showed no row.
    bool changed(const forms::Form& window, forms::ControlName field) const;

private:
    QHash<QString, QString> texts_;
};

// Fills the fields from the current row, each trimmed, and remembers what they show.
void showFields(forms::Form& window, const db::Recordset& row, std::span<const FieldColumn> fields,
                ShownTexts& shown);
// Assigns the fields changed since they were shown, untrimmed, to the current row; Age is computed,
// never typed.
void writeFields(const forms::Form& window, db::Recordset& row, std::span<const FieldColumn> fields,
                 const ShownTexts& shown);

// The button shows the calendar; a date picked there goes into the field as dd/mm/yyyy and the
// calendar hides again.
void wireDatePicker(forms::Form& window, forms::ControlName button, forms::ControlName calendar,
                    forms::ControlName field);

}  // namespace records
