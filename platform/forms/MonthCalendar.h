#pragma once

#include <QCalendarWidget>
#include <QDate>

namespace forms {

// A month calendar: its value, and an event when the user picks a date.
class MonthCalendar : public QCalendarWidget {
    Q_OBJECT
public:
    explicit MonthCalendar(QWidget* parent = nullptr);
    QDate value() const { return selectedDate(); }
    void setValue(const QDate& date) { setSelectedDate(date); }
    // Picks a date as the user's click does (tests drive it so).
    void pick(const QDate& date);

signals:
    void datePicked(const QDate& date);
};

}  // namespace forms
