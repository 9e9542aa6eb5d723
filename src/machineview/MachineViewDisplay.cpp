#include "machineview/MachineViewDisplay.h"

#include "core/Words.h"

#include <algorithm>

namespace zeb::machineview {

void MachineViewDisplay::removeObserver(MachineViewObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void MachineViewDisplay::setText(ViewField field, std::string text) {
    fields_[index(field)] = std::move(text);
    notify([field](MachineViewObserver& o) { o.fieldChanged(field); });
}

std::optional<std::int32_t> MachineViewDisplay::number(ViewField field) const {
    const Conversion c = parseDecimal(trimBlanks(text(field)));
    if (!c.ok()) return std::nullopt;
    return c.value;
}

void MachineViewDisplay::setOpen(Gateway gateway, bool open) {
    gateways_[index(gateway)] = open;
    notify([gateway](MachineViewObserver& o) { o.gatewayChanged(gateway); });
}

void MachineViewDisplay::setWireColour(int wire, Colour colour) {
    Wire& w = wires_[wireIndex(wire)];
    w.colour = colour;
    w.width = colour == preferences_.highlightColour ? kLitWidth : kDarkWidth;
    notify([wire](MachineViewObserver& o) { o.wireChanged(wire); });
}

void MachineViewDisplay::setWireVisible(int wire, bool visible) {
    wires_[wireIndex(wire)].visible = visible;
    notify([wire](MachineViewObserver& o) { o.wireChanged(wire); });
}

void MachineViewDisplay::setEnabled(ViewControl control, bool enabled) {
    controls_[index(control)] = enabled;
    notify([control](MachineViewObserver& o) { o.controlChanged(control); });
}

void MachineViewDisplay::setWaitForContinue(bool checked) {
    waitForContinue_ = checked;
    notify([](MachineViewObserver& o) { o.controlChanged(ViewControl::WaitCheckBox); });
}

void MachineViewDisplay::setClockPicture(int picture) {
    clockPicture_ = picture;
    notify([picture](MachineViewObserver& o) { o.clockChanged(picture); });
}

void MachineViewDisplay::setStackPartsShown(bool shown) {
    stackShown_ = shown;
    notify([shown](MachineViewObserver& o) { o.stackPartsChanged(shown); });
}

const std::string& MachineViewDisplay::gridText(int row, int column) const {
    return grid_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void MachineViewDisplay::setGridText(int row, int column, std::string text) {
    grid_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::move(text);
    notify([row, column](MachineViewObserver& o) { o.gridTextChanged(row, column); });
}

void MachineViewDisplay::selectRow(int row) {
    currentRow_ = row;
    topRow_ = row;
    selection_ = {row, row, 0, kGridColumns - 1};
    notify([](MachineViewObserver& o) { o.gridSelectionChanged(); });
}

} // namespace zeb::machineview
