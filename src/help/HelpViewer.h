#pragma once
#include <string_view>

namespace zeb {

// The keywords the program opens its help at.
namespace help_keywords {
inline constexpr std::string_view kContents = "Contents";
inline constexpr std::string_view kMachineSimulator = "machine simulator";
inline constexpr std::string_view kLogicGates = "Logic gates";
inline constexpr std::string_view kMemory = "Memory";
// The keyword search opened at no keyword in particular.
inline constexpr std::string_view kNoKeyword = " ";
} // namespace help_keywords

// What the program asks of its help: the contents page, a topic by keyword,
// the keyword search positioned at a keyword, the viewer's own instructions,
// and the separate illustrated guide.
class HelpViewer {
  public:
    virtual ~HelpViewer() = default;

    virtual void contents() = 0;
    // The topic whose keyword is given, whatever its case.
    virtual void showTopic(std::string_view keyword) = 0;
    // The keyword index positioned at `keyword`, nothing opened yet.
    virtual void searchKeyword(std::string_view keyword) = 0;
    virtual void helpOnHelp() = 0;
    // Starts the guide as a program of its own; a failure goes unreported.
    virtual void startGuide() = 0;
};

} // namespace zeb
