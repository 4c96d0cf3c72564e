#include "MonthCalendar.h"

namespace forms {

MonthCalendar::MonthCalendar(QWidget* parent) : QCalendarWidget(parent) {
    setGridVisible(true);
    // A click on a day, or Enter on the chosen one, picks it.
    connect(this, &QCalendarWidget::clicked, this, &MonthCalendar::datePicked);
    connect(this, &QCalendarWidget::activated, this, &MonthCalendar::datePicked);
}

void MonthCalendar::pick(const QDate& date) {
    setSelectedDate(date);
    emit datePicked(selectedDate());
}

}  // namespace forms
