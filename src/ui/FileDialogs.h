#pragma once
#include <QString>

#include <string>
#include <string_view>

class QWidget;

namespace zeb::ui {

// A filter written as "description|pattern|description|pattern..." in the
// form Qt's file dialogs take ("description (pattern);;...").
QString QtFileFilter(std::string_view filter);

// The platform's file dialog: action 1 opens, 2 saves. The save dialog does
// not ask about replacing a file; the caller does. Empty when cancelled.
std::string chooseFile(QWidget* parent, int action, std::string_view filter);

} // namespace zeb::ui
