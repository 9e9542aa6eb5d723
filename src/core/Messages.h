#pragma once
#include "core/Types.h"

#include <string_view>

namespace zeb {

// Message boxes.
class Messages {
  public:
    virtual ~Messages() = default;
    // The answer is Ok for a box with only an OK button.
    virtual Answer messageBox(Icon icon, Buttons buttons, std::string_view title,
                              std::string_view text) = 0;
};

} // namespace zeb
