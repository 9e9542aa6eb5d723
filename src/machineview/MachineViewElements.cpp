#include "machineview/MachineViewElements.h"

#include <array>

namespace zeb::machineview {

namespace {

// In the order of the enums.
constexpr std::array<std::string_view, kFieldCount> kFieldNames{
    "PnlPC",  "PnlIns", "PnlOperand", "PnlDecoder", "PnlGen",
    "PnlACC", "PnlSP",  "PnlStatus",  "TxtExplain", "lblClock",
};
constexpr std::array<std::string_view, kGatewayCount> kGatewayNames{
    "ChkAddDecoder", "ChkSP", "ChkIns", "ChkPC", "ChkAcc", "ChkGen", "ChkLDA", "ChkJMP",
};
constexpr std::array<std::string_view, kControlCount> kControlNames{
    "CmdRun", "CmdStop", "CmdContinue", "CmdCancel", "ChkWait", "CmdBack",
};

template <typename Names, typename E> std::string_view nameIn(const Names& names, E e) {
    return names[static_cast<std::size_t>(e)];
}

} // namespace

std::string_view objectName(ViewField field) {
    return nameIn(kFieldNames, field);
}

std::string_view objectName(Gateway gateway) {
    return nameIn(kGatewayNames, gateway);
}

std::string_view objectName(ViewControl control) {
    return nameIn(kControlNames, control);
}

} // namespace zeb::machineview
