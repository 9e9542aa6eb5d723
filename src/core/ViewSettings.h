#pragma once
#include "core/Types.h"

#include <cstdint>
#include <string>

namespace zeb {

// How the machine is shown: the base its numbers are written in, whether
// the operators show as mnemonics, the guided demonstration, the program's
// file name and the Machine view's mode, wait and Continue flag.
class ViewSettings {
  public:
    NumberBase base() const { return base_; }
    int radix() const { return zeb::radix(base_); }
    // Only the base the texts are read in: converting them is BaseSwitch's work.
    void setBase(NumberBase base) { base_ = base; }
    bool mnemonicsShown() const { return mnemonicsShown_; }
    void setMnemonicsShown(bool shown) { mnemonicsShown_ = shown; }
    bool demoMode() const { return demoMode_; }
    void setDemoMode(bool on) { demoMode_ = on; }
    const std::string& currentFileName() const { return currentFileName_; }
    void setCurrentFileName(std::string name) { currentFileName_ = std::move(name); }

    // The Machine view's state: whether it shows the cycles, its fixed wait
    // between steps in seconds, and whether Continue was pressed.
    ViewMode viewMode() const { return viewMode_; }
    void setViewMode(ViewMode mode) { viewMode_ = mode; }
    std::int32_t waitInterval() const { return waitInterval_; }
    void setWaitInterval(std::int32_t seconds) { waitInterval_ = seconds; }
    bool continueRequested() const { return continue_; }
    void setContinueRequested(bool on) { continue_ = on; }

  private:
    NumberBase base_ = NumberBase::Decimal;
    bool mnemonicsShown_ = false;
    bool demoMode_ = false;
    std::string currentFileName_;
    ViewMode viewMode_ = ViewMode::Normal;
    std::int32_t waitInterval_ = 0;
    bool continue_ = true;
};

} // namespace zeb
