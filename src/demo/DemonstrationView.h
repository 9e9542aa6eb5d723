#pragma once
#include <string>

namespace zeb {

// The demonstration's window as its model drives it.
class DemonstrationView {
  public:
    virtual ~DemonstrationView() = default;

    // The message of the current entry, and whether Next may be pressed.
    virtual void showInstruction(const std::string& message, bool nextEnabled) = 0;
    // Shown without blocking the main window.
    virtual void showWindow() = 0;
    virtual void hideWindow() = 0;
};

} // namespace zeb
