#pragma once

#include "platform/forms/DateFormat.h"

#include <QDate>
#include <QString>

// Dates travel as text in one form: the pickers write it, the saves store it, the CV's date cells
// show it. In the spreadsheet's notation, where mm is the month.
inline const QString kDateFormat = QStringLiteral("dd/mm/yyyy");

// The date a new record or detail row starts with.
inline const QString kNewRowDate = QStringLiteral("01/01/1900");

// A date in that form, 05/03/1980.
inline QString dateText(const QDate& date) { return forms::formatDate(date, kDateFormat); }
