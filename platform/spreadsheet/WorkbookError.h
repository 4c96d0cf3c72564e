#pragma once

#include "platform/error/PlatformError.h"

namespace spreadsheet {

// A call the workbook refuses or cannot carry out.
class WorkbookError : public platform::PlatformError {
public:
    using platform::PlatformError::PlatformError;
};

}  // namespace spreadsheet
