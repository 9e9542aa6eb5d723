#pragma once

class QWidget;

namespace zeb::ui {

// A small window of fixed size: a close button but no minimise or maximise
// button, and wide enough for the window manager to show its whole caption.
void makeSmallFixedWindow(QWidget* window);
// The same, sized by its contents alone, for a window shown before any text
// has been measured: measuring the caption would load the fonts first.
void makeSmallWindowOfContents(QWidget* window);
// Fixes the size of such a window again once its contents have changed.
void fitSmallFixedWindow(QWidget* window);

// Puts a shown small window on or off the always-on-top level through the
// window manager alone, where that is how it is done (X11); false where the
// platform window's flags must change instead.
bool changeLevelInPlace(QWidget* window, bool onTop);

} // namespace zeb::ui
