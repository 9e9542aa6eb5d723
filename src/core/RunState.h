#pragma once
#include "core/RunLog.h"

#include <string>

namespace zeb {

// Where a run or step stands: whether it runs, whether an instruction has
// reported an error, the instruction under way, the speed and the lines
// OUT wrote.
class RunState {
  public:
    bool running() const { return running_; }
    void startRun() { running_ = true; }
    void stopRun() { running_ = false; }

    // Set by every report; the run or step ends after the current instruction.
    bool hasError() const { return error_; }
    void clearError() {
        error_ = false;
        lastReport_.clear();
    }
    void setError() { error_ = true; }
    // The message of the last report since the error flag was cleared.
    const std::string& lastReport() const { return lastReport_; }
    void setLastReport(std::string message) { lastReport_ = std::move(message); }

    // The address of the instruction being executed, as the last fetch read it.
    int currentAddress() const { return currentAddress_; }
    void setCurrentAddress(int address) { currentAddress_ = address; }
    int speed() const { return speed_; }
    void setSpeed(int speed) { speed_ = speed; }
    RunLog& runLog() { return runLog_; }
    const RunLog& runLog() const { return runLog_; }

  private:
    bool running_ = false;
    bool error_ = false;
    std::string lastReport_;
    int currentAddress_ = 0;
    int speed_ = 5;
    RunLog runLog_;
};

} // namespace zeb
