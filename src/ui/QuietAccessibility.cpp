#include "ui/QuietAccessibility.h"

namespace zeb::ui {

namespace {
void dropUpdate(QAccessibleEvent*) {}
} // namespace

QuietAccessibility::QuietAccessibility()
    : previous_(QAccessible::installUpdateHandler(&dropUpdate)) {}

QuietAccessibility::~QuietAccessibility() {
    QAccessible::installUpdateHandler(previous_);
}

} // namespace zeb::ui
