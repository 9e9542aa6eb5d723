#pragma once
#include "core/Mnemonics.h"
#include "machineview/MachineViewDisplay.h"

#include <optional>
#include <string>
#include <string_view>

namespace zeb::machineview {

// What the status line says while the pointer rests on an element of the
// window, found by the element's name ("" for the window's background);
// nothing for elements without a description.
std::optional<std::string> hoverText(std::string_view element, const MachineViewDisplay& display,
                                     const Mnemonics& mnemonics);

} // namespace zeb::machineview
