#pragma once

#include "platform/db/Value.h"

#include <ostream>

namespace db {

// Lets failed comparisons show the value itself.
inline void PrintTo(const Value& value, std::ostream* out) {
    static const char* const kinds[] = {"Null", "Integer", "Double", "Text", "Date", "Bytes"};
    *out << kinds[static_cast<int>(value.type())] << " \"" << value.toString().toStdString() << '"';
}

}  // namespace db
