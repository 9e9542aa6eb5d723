// The Logic Gates and Memory windows in a library of their own: their code,
// a sixth of zeb's, is mapped only when the student first opens one.
#include "teaching/views/LogicGatesWindow.h"
#include "teaching/views/MemoryHardwareWindow.h"
#include "teaching/views/TeachingWindows.h"

#include <QtGlobal>

using zeb::teaching::views::TeachingWindow;

extern "C" Q_DECL_EXPORT QDialog* zebCreateTeachingWindow(TeachingWindow window, QWidget* parent,
                                                          const zeb::Preferences* preferences) {
    switch (window) {
    case TeachingWindow::LogicGates:
        return new zeb::teaching::views::LogicGatesWindow(parent, *preferences);
    case TeachingWindow::MemoryHardware:
        return new zeb::teaching::views::MemoryHardwareWindow(parent, *preferences);
    }
    return nullptr;
}
