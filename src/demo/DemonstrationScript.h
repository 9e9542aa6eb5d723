#pragma once
#include "core/Command.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

// One step of the guided demonstration.
struct DemoEntry {
    // The command that advances the script; none when only Next leaves the entry.
    std::optional<UserCommand> awaited;
    std::string message;
    bool nextEnabled = false;
    // The help keyword of the window's Help button; "Contents" is the contents page.
    std::string helpTopic;
};

// The demonstration's script, filled afresh at every start: entries 1 to 32
// of a table with room for indices 0 to 100 (0 is never used).
class DemonstrationScript {
  public:
    static constexpr int kLastIndex = 100;
    // A line break of a message, and what every message ends with.
    static constexpr std::string_view kLineBreak = "\r\n";
    static constexpr std::string_view kTrailer = "\r\n\r\n[message ends]";

    // Empties the table and appends every entry of the script in order.
    void build();

    // The entry at `index`; throws std::out_of_range for an index not filled.
    const DemoEntry& entry(int index) const;
    // The index of the last entry (32 once built).
    int lastEntry() const { return static_cast<int>(entries_.size()) - 1; }

  private:
    // Stores the entry at the next free index; past index 100 the table is full.
    void add(DemoEntry entry);

    std::vector<DemoEntry> entries_;
};

} // namespace zeb
