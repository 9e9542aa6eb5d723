#pragma once
#include "machineview/MachineViewObserver.h"
#include "machineview/ViewElements.h"

#include <array>
#include <string>
#include <vector>

namespace zeb::machineview {

// Everything the Machine view window shows, as texts and switches. The window
// keeps it for as long as it lives; only InitBitMachine resets it.
class MachineViewState {
  public:
    explicit MachineViewState(const Preferences& preferences) : preferences_(preferences) {}

    void addObserver(MachineViewObserver* observer) { observers_.push_back(observer); }
    void removeObserver(MachineViewObserver* observer);

    const std::string& text(Field field) const { return fields_[index(field)]; }
    void setText(Field field, std::string text);

    bool open(Gateway gateway) const { return gateways_[index(gateway)]; }
    void setOpen(Gateway gateway, bool open);

    const Wire& wire(int line) const { return wires_[wireIndex(line)]; }
    // Lit (wide) exactly when the colour is the action highlight colour.
    void SetWireState(int line, Colour colour);
    void setWireVisible(int line, bool visible);

    bool enabled(Control control) const { return controls_[index(control)]; }
    void setEnabled(Control control, bool enabled);
    // "Wait for Continue after each cycle".
    bool waitForContinue() const { return waitForContinue_; }
    void setWaitForContinue(bool checked);

    int clockPicture() const { return clockPicture_; }
    void setClockPicture(int picture);

    bool stackPartsShown() const { return stackShown_; }
    void setStackPartsShown(bool shown);

    const std::string& gridText(int row, int column) const;
    void setGridText(int row, int column, std::string text);
    int currentRow() const { return currentRow_; }
    int topRow() const { return topRow_; }
    const GridSelection& selection() const { return selection_; }
    void selectRow(int row);
    int column0Width() const { return column0Width_; }
    void setColumn0Width(int twips) { column0Width_ = twips; }

  private:
    template <typename E> static std::size_t index(E e) { return static_cast<std::size_t>(e); }
    static std::size_t wireIndex(int line) { return static_cast<std::size_t>(line - 1); }
    template <typename F> void notify(F f) {
        for (auto* o : observers_)
            f(*o);
    }

    const Preferences& preferences_;
    std::vector<MachineViewObserver*> observers_;
    std::array<std::string, kFieldCount> fields_{"", "", "", "", "", "", "", "", "", "Cycle 0"};
    std::array<bool, kGatewayCount> gateways_{};
    std::array<Wire, kWireCount> wires_{};
    std::array<bool, kControlCount> controls_{true, false, false, true, true};
    bool waitForContinue_ = false;
    int clockPicture_ = 1;
    bool stackShown_ = false;
    std::array<std::array<std::string, kGridColumns>, kGridRows> grid_{};
    int currentRow_ = 0;
    int topRow_ = 0;
    GridSelection selection_{};
    int column0Width_ = 0;
};

} // namespace zeb::machineview
