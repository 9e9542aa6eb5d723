#pragma once
#include "core/Types.h"

#include <array>
#include <string>
#include <string_view>

namespace zeb {

// The 21 three-character instruction names, index = instruction code.
class Mnemonics {
  public:
    static constexpr int kCount = 21;

    Mnemonics() { build(); }

    void build();

    // Code text of a mnemonic in the given base; any other text comes back unchanged.
    std::string assemble(std::string_view text, NumberBase base) const;
    // Caller guarantees 0 <= code <= 20.
    const std::string& name(int code) const { return names_[static_cast<std::size_t>(code)]; }
    // Code of an exact mnemonic, or -1.
    int codeOf(std::string_view text) const;
    bool isMnemonic(std::string_view text) const { return codeOf(text) >= 0; }
    bool isPartialMnemonic(std::string_view text) const;

    // Status-bar description of keypad button i ("" past 16).
    static std::string_view padDescription(int index);

  private:
    std::array<std::string, kCount> names_;
};

} // namespace zeb
