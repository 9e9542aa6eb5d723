#pragma once
#include "machineview/MachineViewElements.h"
#include "machineview/MachineViewObserver.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zeb::machineview {

// Everything the Machine view window shows, as texts and switches. It lives as
// long as the window; only opening the view resets it.
class MachineViewDisplay {
  public:
    explicit MachineViewDisplay(const Preferences& preferences) : preferences_(preferences) {}

    void addObserver(MachineViewObserver* observer) { observers_.push_back(observer); }
    void removeObserver(MachineViewObserver* observer);
    template <typename Notice> void notify(Notice notice) {
        for (auto* o : observers_)
            notice(*o);
    }

    const std::string& text(ViewField field) const { return fields_[index(field)]; }
    void setText(ViewField field, std::string text);
    // The field's text read as a decimal number; nothing when it holds none.
    std::optional<std::int32_t> number(ViewField field) const;

    bool open(Gateway gateway) const { return gateways_[index(gateway)]; }
    void setOpen(Gateway gateway, bool open);

    const Wire& wire(int wire) const { return wires_[wireIndex(wire)]; }
    // Lit (wide) exactly when the colour is the action highlight colour.
    void setWireColour(int wire, Colour colour);
    void setWireVisible(int wire, bool visible);
    bool lit(int wire) const { return this->wire(wire).width == kLitWidth; }

    bool enabled(ViewControl control) const { return controls_[index(control)]; }
    void setEnabled(ViewControl control, bool enabled);
    // "Wait for Continue after each cycle".
    bool waitForContinue() const { return waitForContinue_; }
    void setWaitForContinue(bool checked);

    // 1 to 7 (picture p stands for cycle p - 1, picture 1 for cycle 7); 0
    // before the first cycle.
    int clockPicture() const { return clockPicture_; }
    void setClockPicture(int picture);

    bool stackPartsShown() const { return stackShown_; }
    void setStackPartsShown(bool shown);

    const std::string& gridText(int row, int column) const;
    void setGridText(int row, int column, std::string text);
    int currentRow() const { return currentRow_; }
    int topRow() const { return topRow_; }
    const GridSelection& selection() const { return selection_; }
    // Current and selected (all columns), scrolled to the top.
    void selectRow(int row);
    int addressColumnWidth() const { return addressColumnWidth_; }
    void setAddressColumnWidth(int twips) { addressColumnWidth_ = twips; }

  private:
    template <typename E> static std::size_t index(E e) { return static_cast<std::size_t>(e); }
    static std::size_t wireIndex(int wire) { return static_cast<std::size_t>(wire - 1); }

    const Preferences& preferences_;
    std::vector<MachineViewObserver*> observers_;
    std::array<std::string, kFieldCount> fields_{"", "", "", "", "", "", "", "", "", "Cycle 0"};
    std::array<bool, kGatewayCount> gateways_{};
    std::array<Wire, kWireCount> wires_{};
    std::array<bool, kControlCount> controls_{true, false, false, true, true, false};
    bool waitForContinue_ = false;
    int clockPicture_ = 0;
    bool stackShown_ = false;
    std::array<std::array<std::string, kGridColumns>, kGridRows> grid_{};
    int currentRow_ = 0;
    int topRow_ = 0;
    GridSelection selection_{};
    int addressColumnWidth_ = 0;
};

} // namespace zeb::machineview
