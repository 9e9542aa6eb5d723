#pragma once
#include "help/HelpViewer.h"

#include <string_view>

class QAbstractButton;

namespace zeb::help::views {

class HelpWindow;

// The help as the windows use it: what the program asks of it, the teaching
// windows' Help buttons, and its window.
class HelpService : public HelpViewer {
  public:
    // A teaching window's Help button: the keyword search positioned at `keyword`.
    virtual void attachHelpButton(QAbstractButton* button, std::string_view keyword) = 0;
    // The viewer, once a request has opened it.
    virtual HelpWindow* window() const = 0;
};

} // namespace zeb::help::views
