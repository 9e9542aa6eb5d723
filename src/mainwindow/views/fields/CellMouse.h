#pragma once
#include <Qt>

#include <functional>

namespace zeb::views {

// What a press and a click on a memory cell do, one for all 160 cells: a
// connection of each cell's own cost more heap at start than its widget.
struct CellMouse {
    // `column` 0 is the operator, 1 the operand.
    std::function<void(int address, int column, Qt::MouseButton button,
                       Qt::KeyboardModifiers modifiers)>
        pressed;
    std::function<void(int address, int column)> clicked;
};

} // namespace zeb::views
