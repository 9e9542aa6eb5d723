#include "demo/Demonstration.h"

#include "core/Machine.h"
#include "core/RunControl.h"
#include "demo/DemonstrationView.h"
#include "help/HelpViewer.h"

#include <algorithm>
#include <cctype>

namespace zeb {

namespace {

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

} // namespace

bool Demonstration::running() const {
    return machine_.view().demoMode();
}

void Demonstration::showCurrent() {
    if (!view_) return;
    const DemoEntry& e = current();
    view_->showInstruction(e.message, e.nextEnabled);
}

void Demonstration::start() {
    machine_.view().setDemoMode(true);
    run_.enableMenus(false);
    script_.build();
    index_ = 1;
    showCurrent();
    if (view_) view_->showWindow();
}

void Demonstration::next() {
    // Next is enabled only on entries that wait for it, none of them the last.
    if (!running() || !current().nextEnabled || index_ >= script_.lastEntry()) return;
    ++index_;
    showCurrent();
}

void Demonstration::cancel() {
    // What the student entered stays in memory.
    machine_.view().setDemoMode(false);
    run_.enableMenus(true);
    if (view_) view_->hideWindow();
}

void Demonstration::help() {
    if (script_.lastEntry() < 1) {
        help_.contents();
        return;
    }
    const DemoEntry& e = current();
    if (sameName(e.helpTopic, help_keywords::kContents))
        help_.contents();
    else
        help_.showTopic(e.helpTopic);
}

bool Demonstration::allows(UserCommand command) {
    if (!running()) return true;
    if (current().awaited != command) return false;
    ++index_;
    showCurrent();
    return true;
}

} // namespace zeb
