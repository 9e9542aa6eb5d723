#pragma once
#include <array>
#include <string>
#include <vector>

namespace zeb {

// The lines OUT writes during a run, saved and printed with the program. It
// holds 99 lines; the 100th starts again from the first.
class RunLog {
  public:
    static constexpr int kCapacity = 99;

    // A run starts a new log.
    void restart() { next_ = 1; }
    // Back to the first lines of the log, as before an instruction undone.
    void truncate(int size) { next_ = size + 1; }
    void append(std::string line) {
        if (next_ > kCapacity) next_ = 1;
        lines_[static_cast<std::size_t>(next_)] = std::move(line);
        ++next_;
    }
    // The lines of the current log, oldest first.
    std::vector<std::string> lines() const { return {lines_.begin() + 1, lines_.begin() + next_}; }
    int size() const { return next_ - 1; }

  private:
    std::array<std::string, kCapacity + 1> lines_{};
    int next_ = 1;
};

} // namespace zeb
