#pragma once
#include "core/Types.h"

#include <functional>
#include <string_view>

class QWidget;

namespace zeb::core::views {

// Every message box of the application. A test sets an answerer and no
// window is ever shown, so nothing can block on it.
class MessageBoxes {
  public:
    using Answerer = std::function<Answer(Icon icon, Buttons buttons, std::string_view title,
                                          std::string_view text)>;

    void setParent(QWidget* parent) { parent_ = parent; }
    void setAnswerer(Answerer answerer) { answerer_ = std::move(answerer); }
    // While the program ends nobody is asked: OK for OK alone, else Cancel.
    void setSilent(bool silent) { silent_ = silent; }

    Answer show(Icon icon, Buttons buttons, std::string_view title, std::string_view text);

  private:
    QWidget* parent_ = nullptr;
    Answerer answerer_;
    bool silent_ = false;
};

} // namespace zeb::core::views
