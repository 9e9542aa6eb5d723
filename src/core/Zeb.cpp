#include "core/Zeb.h"

namespace zeb {

Zeb::Zeb(Host& host) : machine(host, mnemonics, display, observers, preferences) {}

} // namespace zeb
