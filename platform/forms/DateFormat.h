#pragma once

#include <QDate>
#include <QString>

namespace forms {

// A date shown in a display format of the designs: d, dd, m, mm, mmm (English month abbreviation,
// whatever the locale), mmmm, yy and yyyy; every other character is shown as it is.
// "dd/mmm/yyyy" shows 5 March 1980 as "05/Mar/1980".
QString formatDate(const QDate& date, const QString& format);

}  // namespace forms
