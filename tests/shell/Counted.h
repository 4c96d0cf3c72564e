#pragma once

#include "platform/forms/Form.h"

namespace tests {

// A child window of the running program that counts its unload steps.
class Counted : public forms::Form {
public:
    Counted() : forms::Form(forms::WindowDesign{.caption = "Counted"}, {}) {}
    static inline int unloads = 0;

protected:
    void unload() override { ++unloads; }
};

}  // namespace tests
