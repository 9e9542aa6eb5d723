#include "machineview/CycleTraceWriter.h"

#include <ostream>

namespace zeb::machineview {

CycleTraceWriter::CycleTraceWriter(MachineViewDisplay& display, std::ostream& out)
    : display_(display), out_(out) {
    display_.addObserver(this);
}

CycleTraceWriter::~CycleTraceWriter() {
    display_.removeObserver(this);
}

void CycleTraceWriter::stepWaiting() {
    out_ << traceLine(display_) << '\n';
}

std::string CycleTraceWriter::traceLine(const MachineViewDisplay& d) {
    std::string line = "CYCLE";
    const auto field = [&line](std::string_view text) {
        line += '\t';
        line += text;
    };
    for (ViewField f :
         {ViewField::ClockCaption, ViewField::Status, ViewField::ProgramCounter,
          ViewField::AddressDecoder, ViewField::InstructionRegister, ViewField::OperandRegister,
          ViewField::GeneralPurpose, ViewField::Accumulator})
        field(d.text(f));
    field(d.stackPartsShown() ? d.text(ViewField::StackPointer) : "");

    std::string list;
    const auto add = [&list](std::string_view item) {
        if (!list.empty()) list += ',';
        list += item;
    };
    for (int g = 0; g < kGatewayCount; ++g)
        if (d.open(static_cast<Gateway>(g))) add(objectName(static_cast<Gateway>(g)));
    field(list);
    list.clear();
    for (int wire = 1; wire <= kWireCount; ++wire)
        if (d.lit(wire)) add(std::to_string(wire));
    field(list);

    const int row = d.currentRow();
    field(std::to_string(row) + ':' + d.gridText(row, 1) + ':' + d.gridText(row, 2));
    field(d.text(ViewField::Explanation));
    return line;
}

} // namespace zeb::machineview
