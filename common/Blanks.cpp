#include "common/Blanks.h"

QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    const QString kept = trimTrailingBlanks(text);
    while (first < kept.size() && kept.at(first) == QLatin1Char(' ')) ++first;
    return kept.mid(first);
}

QString trimTrailingBlanks(const QString& text) {
    qsizetype last = text.size();
    while (last > 0 && text.at(last - 1) == QLatin1Char(' ')) --last;
    return text.left(last);
}
