#pragma once

#include "platform/spreadsheet/FileReplacement.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>

namespace tests {

// While it lives, the disk a workbook is saved to fills up after `room` bytes: what follows goes to
// /dev/full, which refuses it as a full disk does.
class DiskFillingUp {
public:
    explicit DiskFillingUp(std::size_t room) : room_(room), full_(::open("/dev/full", O_WRONLY | O_CLOEXEC)) {
        spreadsheet::setFileWrite([this](int fd, const void* bytes, std::size_t count) -> ssize_t {
            if (room_ == 0) return ::write(full_, bytes, count);
            const std::size_t part = std::min(count, room_);
            const ssize_t written = ::write(fd, bytes, part);
            if (written > 0) room_ -= static_cast<std::size_t>(written);
            return written;
        });
    }
    ~DiskFillingUp() {
        spreadsheet::setFileWrite({});
        ::close(full_);
    }
    DiskFillingUp(const DiskFillingUp&) = delete;
    DiskFillingUp& operator=(const DiskFillingUp&) = delete;

private:
    std::size_t room_;
    int full_;
};

}  // namespace tests
