#include "mainwindow/views/QtHost.h"

#include "mainwindow/views/SoundPlayer.h"
#include "ui/EventYield.h"
#include "ui/MessageBoxes.h"

#include <QClipboard>
#include <QGuiApplication>

namespace zeb::views {

Answer QtHost::MessageBox(Icon icon, Buttons buttons, std::string_view title,
                          std::string_view text) {
    return boxes_.Show(icon, buttons, title, text);
}

void QtHost::DoEvents() {
    yield_.DoEvents();
}

void QtHost::PauseYield(Clock::time_point until, Clock::time_point pauseEnd) {
    yield_.PauseYield(until, pauseEnd);
}

void QtHost::WaitFor(std::function<bool()> done, std::optional<Clock::time_point> deadline) {
    yield_.WaitFor(done, deadline);
}

void QtHost::PlaySound(std::string_view fileName) {
    sounds_.Play(fileName);
}

std::optional<std::string> QtHost::MyInputBox() {
    if (!inputBox) return std::nullopt;
    return inputBox();
}

void QtHost::SetOnTop(Window window, bool on) {
    if (onTop) onTop(window, on);
}

std::string QtHost::GetFileFromCommonDialog(int action, std::string_view filter) {
    return fileDialog ? fileDialog(action, filter) : std::string();
}

std::string QtHost::ClipboardText() {
    return QGuiApplication::clipboard()->text().toStdString();
}

void QtHost::SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

} // namespace zeb::views
