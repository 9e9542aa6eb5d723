#include "mainwindow/views/DeviceWindows.h"

#include "core/DisplayState.h"
#include "core/Zeb.h"
#include "mainwindow/views/InputWindow.h"
#include "mainwindow/views/KeyboardWindow.h"
#include "mainwindow/views/MainWindow.h"
#include "mainwindow/views/OutputWindow.h"
#include "mainwindow/views/WaitIntervalDialog.h"
#include "ui/AlwaysOnTop.h"

namespace zeb::views {

namespace {

// A window gets its native window as soon as it is made, before it is first
// placed: the window manager then puts its frame, not its client area, at
// the place computed, which keeps the frame clear of what must be seen.
template <typename W> W* madeNative(W* window) {
    window->winId();
    return window;
}

} // namespace

DeviceWindows::DeviceWindows(Zeb& zeb, MainWindow& main, std::function<bool()> exiting)
    : zeb_(zeb), main_(main), exiting_(std::move(exiting)) {
    zeb_.observers().add(this);
}

DeviceWindows::~DeviceWindows() {
    // The windows are the main window's children and go with it.
    zeb_.observers().remove(this);
}

// The Keyboard or Output window, made the first time it is asked for.
template <typename Window> Window& DeviceWindows::deviceWindow(Window*& window) {
    if (!window) {
        window = new Window(zeb_, &main_);
        window->keepClear = [this, window] { return keepClearOf(window); };
        main_.addRunKeysTo(window);
        madeNative(window);
    }
    return *window;
}

KeyboardWindow& DeviceWindows::keyboard() {
    return deviceWindow(keyboard_);
}

OutputWindow& DeviceWindows::output() {
    return deviceWindow(output_);
}

InputWindow& DeviceWindows::input() {
    if (!input_) input_ = madeNative(new InputWindow(zeb_.input(), &main_));
    return *input_;
}

WaitIntervalDialog& DeviceWindows::waitInterval() {
    if (!waitInterval_) waitInterval_ = madeNative(new WaitIntervalDialog(zeb_.machine(), &main_));
    return *waitInterval_;
}

void DeviceWindows::displayChanged(DisplayItem item, int index) {
    const DisplayState& d = zeb_.display();
    if (item == DisplayItem::OutputText) {
        // A window made later reads the text as it is then.
        if (output_) output_->showText();
        return;
    }
    if (item != DisplayItem::Flag) return;
    switch (static_cast<Flag>(index)) {
    case Flag::KeyboardVisible:
        if (keyboard_ || d.get(Flag::KeyboardVisible)) keyboard().follow();
        break;
    case Flag::OutputVisible:
        if (output_ || d.get(Flag::OutputVisible)) output().follow();
        break;
    default:
        break;
    }
}

std::optional<std::string> DeviceWindows::askNumber() {
    if (exiting_()) return std::nullopt;
    main_.blockInput(true);
    if (keyboard_) keyboard_->setEnabled(false);
    std::string text = input().askNumber();
    if (keyboard_) keyboard_->setEnabled(true);
    main_.blockInput(false);
    // The window was closed because the program ends.
    if (exiting_()) return std::nullopt;
    return text;
}

void DeviceWindows::setOnTop(Window window, bool on) {
    switch (window) {
    case Window::Keyboard:
        if (keyboard_) ui::setAlwaysOnTop(keyboard_, on);
        break;
    case Window::Output:
        if (output_) ui::setAlwaysOnTop(output_, on);
        break;
    case Window::Demo:
        break;
    }
    if (input_ && input_->isVisible()) input_->raise();
}

void DeviceWindows::unload(WindowId window) {
    // One never made has nothing to hide.
    switch (window) {
    case WindowId::Input:
        // Ends a modal wait of INP: the run sees the program ending.
        if (input_) {
            input_->reject();
            input_->hide();
        }
        break;
    case WindowId::WaitInterval:
        if (waitInterval_) waitInterval_->hide();
        break;
    case WindowId::Keyboard:
        if (keyboard_) keyboard_->hide();
        break;
    case WindowId::Output:
        if (output_) output_->hide();
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
    keep.mustShow.append(input().displayArea(frame));
    // The registers and the program where it runs, then the other windows.
    keep.betterShown.append(main_.registerRects());
    keep.betterShown.append(main_.rowsAroundProgramCounter());
    keep.ifRoom.append(input_->frameArea(frame));
    // Of each other: the Keyboard window, the larger, takes its place first,
    // shown or not, and the Output window keeps clear of it.
    if (placed == output_) keyboard().placeOnce();
    for (QWidget* other : {static_cast<QWidget*>(keyboard_), static_cast<QWidget*>(output_)}) {
        if (!other || other == placed) continue;
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
