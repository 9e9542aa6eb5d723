#include "mainwindow/views/QtHost.h"

#include "core/views/MessageBoxes.h"
#include "mainwindow/views/SoundPlayer.h"
#include "ui/EventYield.h"

#include <QClipboard>
#include <QGuiApplication>

namespace zeb::views {

Answer QtHost::messageBox(Icon icon, Buttons buttons, std::string_view title,
                          std::string_view text) {
    return boxes_.show(icon, buttons, title, text);
}

void QtHost::processEvents() {
    yield_.processEvents();
}

void QtHost::pause(RunPause::Clock::duration duration) {
    yield_.pause(duration);
}

void QtHost::waitFor(std::function<bool()> done,
                     std::optional<EventPump::Clock::time_point> deadline) {
    yield_.waitFor(done, deadline);
}

void QtHost::playSound(std::string_view fileName) {
    sounds_.play(fileName);
}

std::optional<std::string> QtHost::askNumber() {
    if (!inputBox) return std::nullopt;
    return inputBox();
}

void QtHost::setOnTop(Window window, bool on) {
    if (onTop) onTop(window, on);
}

std::string QtHost::chooseFile(FileDialog dialog, std::string_view filter) {
    return fileDialog ? fileDialog(dialog, filter) : std::string();
}

std::string QtHost::clipboardText() {
    return QGuiApplication::clipboard()->text().toStdString();
}

void QtHost::setClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

} // namespace zeb::views
