#pragma once
#include <Qt>

#include <functional>

namespace zeb::views {

// What a press, a click and the pointer resting on a memory cell do, one
// for all 160 cells: a connection or an event filter of each cell's own
// cost more heap at start than its widget.
struct CellMouse {
    // `column` 0 is the operator, 1 the operand.
    std::function<void(int address, int column, Qt::MouseButton button,
                       Qt::KeyboardModifiers modifiers)>
        pressed;
    std::function<void(int address, int column)> clicked;
    // The pointer entered or moved over the cell, or it got the focus.
    std::function<void(int address, int column)> hovered;
};

} // namespace zeb::views
