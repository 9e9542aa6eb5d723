#include "mainwindow/views/DeviceWindows.h"

#include "core/Zeb.h"
#include "mainwindow/views/InputWindow.h"
#include "mainwindow/views/KeyboardWindow.h"
#include "mainwindow/views/MainWindow.h"
#include "mainwindow/views/OutputWindow.h"
#include "mainwindow/views/WaitIntervalDialog.h"
#include "ui/AlwaysOnTop.h"

namespace zeb::views {

DeviceWindows::DeviceWindows(Zeb& zeb, MainWindow& main, std::function<bool()> exiting)
    : main_(main), exiting_(std::move(exiting)), keyboard_(new KeyboardWindow(zeb, &main)),
      output_(new OutputWindow(zeb, &main)), input_(new InputWindow(zeb.input(), &main)),
      waitInterval_(new WaitIntervalDialog(zeb.machine(), &main)) {
    keyboard_->keepClear = [this] { return keepClearOf(keyboard_); };
    output_->keepClear = [this] { return keepClearOf(output_); };
    main.addRunKeysTo(keyboard_);
    main.addRunKeysTo(output_);
}

std::optional<std::string> DeviceWindows::askNumber() {
    if (exiting_()) return std::nullopt;
    main_.blockInput(true);
    keyboard_->setEnabled(false);
    std::string text = input_->askNumber();
    keyboard_->setEnabled(true);
    main_.blockInput(false);
    // The window was closed because the program ends.
    if (exiting_()) return std::nullopt;
    return text;
}

void DeviceWindows::setOnTop(Window window, bool on) {
    switch (window) {
    case Window::Keyboard:
        ui::setAlwaysOnTop(keyboard_, on);
        break;
    case Window::Output:
        ui::setAlwaysOnTop(output_, on);
        break;
    case Window::Demo:
        break;
    }
    if (input_->isVisible()) input_->raise();
}

void DeviceWindows::unload(WindowId window) {
    switch (window) {
    case WindowId::Input:
        // Ends a modal wait of INP: the run sees the program ending.
        input_->reject();
        input_->hide();
        break;
    case WindowId::WaitInterval:
        waitInterval_->hide();
        break;
    case WindowId::Keyboard:
        keyboard_->hide();
        break;
    case WindowId::Output:
        output_->hide();
        break;
    default:
        return;
    }
}

KeepClear DeviceWindows::keepClearOf(const QWidget* placed) {
    KeepClear keep;
    keep.mustShow = main_.keepClearRects();
    // A window not shown yet is taken to get a frame like the main window's.
    const QRect outer = main_.frameGeometry(), inner = main_.geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    keep.mustShow.append(input_->displayArea(frame));
    // The registers and the program where it runs, then the other windows.
    keep.betterShown.append(main_.registerRects());
    keep.betterShown.append(main_.rowsAroundProgramCounter());
    keep.ifRoom.append(input_->frameArea(frame));
    // Of each other: the Keyboard window, the larger, takes its place first,
    // shown or not, and the Output window keeps clear of it.
    if (placed == output_) keyboard_->placeOnce();
    for (QWidget* other : {static_cast<QWidget*>(keyboard_), static_cast<QWidget*>(output_)}) {
        if (other == placed) continue;
        if (other->isVisible())
            keep.ifRoom.append(other->frameGeometry());
        else if (other == keyboard_ ? keyboard_->placed() : output_->placed())
            keep.ifRoom.append(other->geometry().marginsAdded(frame));
    }
    // Beside the main window rather than on it.
    keep.ifMuchRoom.append(main_.frameGeometry());
    return keep;
}

} // namespace zeb::views
