#pragma once
#include <string>

namespace zeb {

// The system clipboard as plain text.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual std::string clipboardText() = 0;
    virtual void setClipboardText(const std::string& text) = 0;
};

} // namespace zeb
