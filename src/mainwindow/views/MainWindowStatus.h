#pragma once
#include "core/DisplayState.h"
#include "editing/MemoryEditor.h"
#include "mainwindow/MainShell.h"

namespace zeb::views {

struct CellMouse;
class HoverStatus;
struct MainWindowControls;

// The status-bar text of every control of the main window, written while the
// pointer rests on it; the memory cells' through `cells`.
void watchStatusTexts(HoverStatus& hover, CellMouse& cells, const MainWindowControls& controls,
                      MainShell& shell, DisplayState& display, MemoryEditor& editor);

} // namespace zeb::views
