#include "platform/db/DateText.h"

namespace db {

namespace {

// Reads digits from text at pos, at least minDigits and at most maxDigits; -1 when too few.
int readNumber(QStringView text, qsizetype& pos, int minDigits, int maxDigits) {
    int value = 0;
    int digits = 0;
    while (pos < text.size() && digits < maxDigits && text[pos].isDigit() && text[pos].unicode() < 128) {
        value = value * 10 + (text[pos].unicode() - '0');
        ++pos;
        ++digits;
    }
    return digits >= minDigits ? value : -1;
}

bool expect(QStringView text, qsizetype& pos, QChar c) {
    if (pos >= text.size() || text[pos] != c) return false;
    ++pos;
    return true;
}

QDate parseIso(QStringView text) {
    qsizetype pos = 0;
    const int year = readNumber(text, pos, 4, 4);
    if (year < 0 || !expect(text, pos, u'-')) return {};
    const int month = readNumber(text, pos, 1, 2);
    if (month < 0 || !expect(text, pos, u'-')) return {};
    const int day = readNumber(text, pos, 1, 2);
    if (day < 0) return {};
    if (pos < text.size() && text[pos] != u' ' && text[pos] != u'T') return {};
    return QDate(year, month, day);
}

QDate parseDayMonthYear(QStringView text) {
    qsizetype pos = 0;
    const int day = readNumber(text, pos, 1, 2);
    if (day < 0 || !expect(text, pos, u'/')) return {};
    const int month = readNumber(text, pos, 1, 2);
    if (month < 0 || !expect(text, pos, u'/')) return {};
    const int year = readNumber(text, pos, 4, 4);
    if (year < 0) return {};
    if (pos < text.size() && text[pos] != u' ') return {};
    return QDate(year, month, day);
}

}  // namespace

QDate parseDateText(QStringView text) {
    const QStringView trimmed = text.trimmed();
    const QDate iso = parseIso(trimmed);
    return iso.isValid() ? iso : parseDayMonthYear(trimmed);
}

QString storedDateText(const QDate& date) { return date.toString(Qt::ISODate); }

bool isStoredDateText(QStringView text) { return text.size() == 10 && parseIso(text).isValid(); }

}  // namespace db
