#pragma once

namespace zeb::views {

// Makes the memory cells, registers and the small device windows known to
// screen readers as what they are. Safe to call more than once.
void installAccessibleInterfaces();

} // namespace zeb::views
