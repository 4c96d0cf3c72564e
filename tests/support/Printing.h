#pragma once

#include "platform/forms/Design.h"

#include <QString>

#include <ostream>

// Readable texts and control names in failure messages; a very long text is cut short.
inline void PrintTo(const QString& text, std::ostream* out) {
    constexpr int kShown = 2000;
    *out << '"' << text.left(kShown).toStdString() << '"';
    if (text.size() > kShown) *out << "... (" << text.size() << " characters)";
}

namespace forms {
inline std::ostream& operator<<(std::ostream& out, ControlName name) { return out << name.text(); }
}  // namespace forms
