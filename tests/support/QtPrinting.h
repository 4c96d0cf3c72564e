#pragma once

#include <QString>

#include <ostream>

// Readable texts in failure messages; a very long one is cut short.
inline void PrintTo(const QString& text, std::ostream* out) {
    constexpr int kShown = 2000;
    *out << '"' << text.left(kShown).toStdString() << '"';
    if (text.size() > kShown) *out << "... (" << text.size() << " characters)";
}
