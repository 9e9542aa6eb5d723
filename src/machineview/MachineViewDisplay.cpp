#include "machineview/MachineViewState.h"

#include <algorithm>

namespace zeb::machineview {

void MachineViewState::removeObserver(MachineViewObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void MachineViewState::setText(Field field, std::string text) {
    fields_[index(field)] = std::move(text);
    notify([field](MachineViewObserver& o) { o.fieldChanged(field); });
}

void MachineViewState::setOpen(Gateway gateway, bool open) {
    gateways_[index(gateway)] = open;
    notify([gateway](MachineViewObserver& o) { o.gatewayChanged(gateway); });
}

void MachineViewState::SetWireState(int line, Colour colour) {
    Wire& w = wires_[wireIndex(line)];
    w.colour = colour;
    w.width = colour == preferences_.highlightColour ? 4 : 1;
    notify([line](MachineViewObserver& o) { o.wireChanged(line); });
}

void MachineViewState::setWireVisible(int line, bool visible) {
    wires_[wireIndex(line)].visible = visible;
    notify([line](MachineViewObserver& o) { o.wireChanged(line); });
}

void MachineViewState::setEnabled(Control control, bool enabled) {
    controls_[index(control)] = enabled;
    notify([control](MachineViewObserver& o) { o.controlChanged(control); });
}

void MachineViewState::setWaitForContinue(bool checked) {
    waitForContinue_ = checked;
    notify([](MachineViewObserver& o) { o.controlChanged(Control::ChkWait); });
}

void MachineViewState::setClockPicture(int picture) {
    clockPicture_ = picture;
    notify([picture](MachineViewObserver& o) { o.clockChanged(picture); });
}

void MachineViewState::setStackPartsShown(bool shown) {
    stackShown_ = shown;
    notify([shown](MachineViewObserver& o) { o.stackPartsChanged(shown); });
}

const std::string& MachineViewState::gridText(int row, int column) const {
    return grid_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void MachineViewState::setGridText(int row, int column, std::string text) {
    grid_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::move(text);
    notify([row, column](MachineViewObserver& o) { o.gridTextChanged(row, column); });
}

void MachineViewState::selectRow(int row) {
    currentRow_ = row;
    topRow_ = row;
    selection_ = {row, row, 0, kGridColumns - 1};
    notify([](MachineViewObserver& o) { o.gridSelectionChanged(); });
}

} // namespace zeb::machineview
