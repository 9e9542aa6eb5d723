#include "core/Zeb.h"

namespace zeb {

Zeb::Zeb() : machine_(host_, mnemonics_, display_, observers_, preferences_) {}

} // namespace zeb
