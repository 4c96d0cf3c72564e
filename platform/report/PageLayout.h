#pragma once

#include "platform/report/PageModel.h"
#include "platform/report/ReportContent.h"

#include <QDate>

namespace report {

// Breaks a report into A4 pages: the page header, the title and the column headings atop every
// page, the rows below with each group's heading kept with its first row (and repeated, marked
// "(continued)", atop a page that the group goes on to), the page footer with the print date and
// "Page N of M" at the foot. A text wider than its column wraps within it; a row taller than a
// page goes on over the next.
PageModel layOut(const ReportContent& content, const QDate& printDate);

}  // namespace report
