#pragma once

#include "platform/error/PlatformError.h"

namespace db {

// Every failure of the data layer.
class DbError : public platform::PlatformError {
public:
    using platform::PlatformError::PlatformError;
};

}  // namespace db
