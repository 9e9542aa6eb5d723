#pragma once
#include <QString>

class QLabel;
class QSlider;

namespace zeb::views {

// The speed slider read as a setting ("Speed 8 of 10"), not as a percentage.
void nameSpeedSetting(QSlider* slider, int value);
// The status bar label shows `text` and reads it too: a fixed name would
// hide it from a screen reader.
void showStatusText(QLabel* statusBar, const QString& text);

} // namespace zeb::views
