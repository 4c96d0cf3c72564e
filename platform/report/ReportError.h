#pragma once

#include "platform/error/PlatformError.h"

namespace report {

// Why a report could not be produced: its file, its queries or the writing of its pages.
class ReportError : public platform::PlatformError {
public:
    using platform::PlatformError::PlatformError;
};

}  // namespace report
