#include "DateFormat.h"

#include <array>

namespace forms {

namespace {

constexpr std::array<const char*, 12> kMonths = {"January", "February", "March",     "April",   "May",      "June",
                                                 "July",    "August",   "September", "October", "November", "December"};

QString field(QChar letter, qsizetype count, const QDate& date) {
    const auto twoDigits = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    const QString month = QString::fromLatin1(kMonths[std::size_t(date.month() - 1)]);
    switch (letter.toLower().unicode()) {
    case 'd': return count == 1 ? QString::number(date.day()) : twoDigits(date.day());
    case 'm':
        if (count == 1) return QString::number(date.month());
        if (count == 2) return twoDigits(date.month());
        return count == 3 ? month.left(3) : month;
    default:   // 'y'
        return count <= 2 ? twoDigits(date.year() % 100) : QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
    }
}

}  // namespace

QString formatDate(const QDate& date, const QString& format) {
    if (!date.isValid()) return {};
    QString shown;
    for (qsizetype i = 0; i < format.size();) {
        const QChar letter = format[i];
        if (!QStringLiteral("dmyDMY").contains(letter)) {
            shown += letter;
            ++i;
            continue;
        }
        qsizetype count = 1;
        while (i + count < format.size() && format[i + count].toLower() == letter.toLower()) ++count;
        shown += field(letter, count, date);
        i += count;
    }
    return shown;
}

}  // namespace forms
