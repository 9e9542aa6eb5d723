#pragma once
#include <string_view>

namespace zeb {

// Speaks to a student who cannot see the screen: what just happened where
// the keyboard is not (a printed line, the end of a run, an entry refused).
// Silent unless a view listens; the main window speaks through the screen
// reader.
class Announcer {
  public:
    virtual ~Announcer() = default;
    // A line the printer has just printed. Lines that come faster than
    // speech may be summarised, never dropped unheard.
    virtual void printed(std::string_view line) { (void)line; }
    // Anything else, spoken after the lines printed before it.
    virtual void say(std::string_view text) { (void)text; }
};

} // namespace zeb
