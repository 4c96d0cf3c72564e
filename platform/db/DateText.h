#pragma once

#include <QDate>
#include <QString>

namespace db {

// The date a text names: "dd/mm/yyyy" (one or two digits for day and month) or ISO
// "yyyy-mm-dd", optionally followed by a time after a blank or a 'T'. Invalid date otherwise.
QDate parseDateText(QStringView text);

// The stored form of a date: ISO "yyyy-mm-dd".
QString storedDateText(const QDate& date);

// True when text is exactly the stored form of a valid date.
bool isStoredDateText(QStringView text);

}  // namespace db
