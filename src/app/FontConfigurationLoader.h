#pragma once
#include <thread>

namespace zeb::app {

// Loads the system's font configuration on a thread of its own while the
// application connects to the display. The start-up screen's text needs it
// before its window can be shown, and reading it (configuration files and
// font caches) takes as long as the rest of start-up until then; Qt then
// finds it loaded. Nothing else runs on that thread.
class FontConfigurationLoader {
  public:
    FontConfigurationLoader();
    ~FontConfigurationLoader();
    FontConfigurationLoader(const FontConfigurationLoader&) = delete;
    FontConfigurationLoader& operator=(const FontConfigurationLoader&) = delete;

  private:
    std::thread thread_;
};

} // namespace zeb::app
