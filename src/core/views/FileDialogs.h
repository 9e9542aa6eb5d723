#pragma once
#include "core/Host.h"

#include <QString>

#include <string>
#include <string_view>

class QWidget;

namespace zeb::core::views {

// A filter written as "description|pattern|description|pattern..." in the
// form Qt's file dialogs take ("description (pattern);;...").
QString qtFileFilter(std::string_view filter);

// The platform's file dialog. The save dialog does
// not ask about replacing a file; the caller does. Empty when cancelled.
std::string chooseFile(QWidget* parent, FileDialog kind, std::string_view filter);

} // namespace zeb::core::views
