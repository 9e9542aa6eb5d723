#pragma once
#include "core/Command.h"

namespace zeb {

// Decides whether a command may act now (the guided demonstration).
class CommandFilter {
  public:
    virtual ~CommandFilter() = default;
    virtual bool allows(UserCommand command) = 0;
};

} // namespace zeb
