#pragma once

#include "platform/db/DbError.h"

#include <functional>

namespace tests {

// The description of the DbError that step throws; empty when it throws none.
inline QString errorOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const db::DbError& e) {
        return e.description();
    }
    return QString();
}

}  // namespace tests
