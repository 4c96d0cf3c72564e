#include "records/EmployeeFields.h"

#include "common/Blanks.h"
#include "common/DateText.h"
#include "platform/db/Recordset.h"
#include "platform/forms/Form.h"
#include "platform/forms/MonthCalendar.h"

#include <QRegularExpression>
#include "records/EmployeeControls.h"

namespace records {

using namespace employeeControls;

namespace {

constexpr FieldColumn kPersonal[] = {
    {Text3, "Address1"},    {Text4, "Address2"},     {Text5, "Address3"},
    {Text7, "Tel"},         {Text8, "Fax"},          {Text9, "gender"},
    {Text10, "remarks"},    {Text11, "Child"},       {Text13, "OAddress1"},
    {Text14, "OAddress2"},  {Text15, "OAddress3"},   {Text16, "handphone"},
    {Text17, "e_mail"},     {DOB, "DOB"},            {Age, "Age"},
    {IcNew, "IcNew"},       {IcOld, "IcOld"},        {Nat, "Nationality"},
    {Race, "Race"},         {Religion, "Religion"},  {Marital, "MaritalStatus"},
    {Dialect, "Dialect"},   {Passport, "PassportNo"}, {Pdate, "Pedate"},
};

// The spouse and hobby fields of the first detail tab, each named like its column.
constexpr FieldColumn kSpouse[] = {
    {Spouse, "Spouse"}, {SOccupation, "SOccupation"}, {SCompany, "SCompany"}, {SAddress, "SAddress"},
    {STel, "STel"},     {ShandPhone, "ShandPhone"},   {Semail, "Semail"},
};
constexpr FieldColumn kHobbies[] = {
    {Hobbies, "Hobbies"}, {Uniform, "Uniform"}, {Club, "Club"},     {Sports, "Sports"},
    {Others, "Others"},   {ProfMem, "ProfMem"}, {Awards, "Awards"},
};

bool isDateColumn(const QString& column) {
    return column == QLatin1String("DOB") || column == QLatin1String("Pedate");
}

// A date field that was never filled stores no date rather than failing the save.
db::Value dateValue(const QString& text) {
    if (text.trimmed().isEmpty()) return {};
    return text;
}

}  // namespace

std::span<const FieldColumn> personalFields() { return kPersonal; }
std::span<const FieldColumn> spouseFields() { return kSpouse; }
std::span<const FieldColumn> hobbyFields() { return kHobbies; }

double leadingNumber(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)"));
    const auto match = number.match(text);
    return match.hasMatch() ? match.captured(0).trimmed().toDouble() : 0.0;
}

QString shownText(const db::Value& value) {
    if (value.type() == db::Value::Type::Double) {
        return QString::number(value.toDouble(), 'g', 15);
    }
    return trimBlanks(value.toString());
}

void ShownTexts::remember(const forms::Form& window, std::span<const FieldColumn> fields) {
    for (const auto& [field, column] : fields) texts_.insert(field.toString(), window.text(field));
}

bool ShownTexts::changed(const forms::Form& window, forms::ControlName field) const {
    const auto shown = texts_.constFind(field.toString());
    return shown == texts_.constEnd() || *shown != window.text(field);
}

void showFields(forms::Form& window, const db::Recordset& row, std::span<const FieldColumn> fields,
                ShownTexts& shown) {
    for (const auto& [field, column] : fields) {
        window.setText(field, shownText(row.field(QLatin1String(column))));
    }
    shown.remember(window, fields);
}

void wireDatePicker(forms::Form& window, forms::ControlName button, forms::ControlName calendar,
                    forms::ControlName field) {
    window.onClick(button, [&window, calendar] { window.show(calendar); });
    // A picked date is the calendar's click.
    window.onClick(calendar, [&window, button, calendar, field] {
        window.setText(field, dateText(window.calendar(calendar)->value()));
        window.hide(calendar);
        // Hiding the calendar would pass the focus on to the window's first box, text selected, where
        // the next keys typed would replace it.
        window.control(button)->setFocus();
    });
}

void writeFields(const forms::Form& window, db::Recordset& row, std::span<const FieldColumn> fields,
                 const ShownTexts& shown) {
    for (const auto& [field, column] : fields) {
        const QString name = QLatin1String(column);
        if (name == QLatin1String("Age") || !shown.changed(window, field)) continue;
        const QString text = window.text(field);
        if (name == QLatin1String("Child")) {
            row.setField(name, leadingNumber(text));
        } else if (isDateColumn(name)) {
            row.setField(name, dateValue(text));
        } else {
            row.setField(name, text);
        }
    }
}

}  // namespace records
