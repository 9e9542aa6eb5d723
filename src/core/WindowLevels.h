#pragma once
#include "core/Types.h"

namespace zeb {

// Whether the device windows and the demonstration's stay on top.
class WindowLevels {
  public:
    virtual ~WindowLevels() = default;
    // Changes the level without moving the window.
    virtual void setOnTop(Window window, bool onTop) = 0;
};

} // namespace zeb
