#pragma once
#include "core/Preferences.h"

class QDialog;
class QWidget;

namespace zeb::teaching::views {

// The windows the teaching module makes: Views > Logic Gates and Views >
// Memory. The module is loaded the first time the student opens one.
enum class TeachingWindow { LogicGates, MemoryHardware };

// The module's factory, `zebCreateTeachingWindow`: the window, a child of
// `parent`, over the preferences it reads.
using CreateTeachingWindow = QDialog* (*)(TeachingWindow window, QWidget* parent,
                                          const Preferences* preferences);

} // namespace zeb::teaching::views
