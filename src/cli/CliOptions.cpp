#include "cli/CliOptions.h"

#include <charconv>

namespace zeb {

const char* const kCliUsage =
    R"(Usage: zeb-run [options] PROGRAM.ZEB

Loads a ZEB program file as File > Open does, runs it as the Run button does
(assembling mnemonics first) and reports every event on standard output.

Options:
  --input N            a number typed on the input window for the next INP
                       (repeatable, up to 5 digits each); when none is left
                       the run ends with END input
  --status-register    show the Status register (an overflow is then no error)
  --keyboard           switch on Display Interrupts (Keyboard window visible,
                       Status register shown)
  --key STEP:KEY       press KEY (A-Z, 0-9 or space) on the Keyboard window
                       during the STEP-th executed instruction, after it has
                       executed and before the interrupt check (repeatable)
  --base 10|16         number base, changed before loading (default 10)
  --mnemonics          show operators as mnemonics, before loading
  --speed 1..10        pace the run as the speed slider would; unpaced without
  --max-steps N        stop after N executed instructions (default 1000000)
  --save FILE          after the run, write the program as File > Save As
                       would, replacing FILE without a question
  --listing FILE       after the run, write the text of the printed listing
                       (program and run log) to FILE
  --cycles             trace the run clock cycle by clock cycle as the Machine
                       view shows it: the view is opened as Views > Machine
                       opens it (base 10, cells assembled; the Keyboard window
                       keeps its state), without waiting for Continue and
                       with a wait interval of 0, and a CYCLE line is written
                       at every step
  --help               show this text

Output, one line per event, in order:
  OUT <text>           a line put on ZEB's printer
  MSG <title><TAB><text>
                       a message box; line breaks in the text are written \n
  CYCLE <clock><TAB><status><TAB><PC><TAB><decoder><TAB><instruction><TAB>
        <operand><TAB><general><TAB><accumulator><TAB><stack pointer><TAB>
        <gateways><TAB><wires><TAB><row>:<operator>:<operand><TAB><explanation>
                       with --cycles, just before each wait of the Machine
                       view: its fields as it shows them (leading blanks
                       kept; the stack pointer empty while hidden), the open
                       gateways by name and the lit wires by number, each
                       list joined by "," in the view's order, and the
                       memory table's current row with its two halves
  END <how> STEPS=<n> ACC=<acc> PC=<pc> SP=<sp> SR=<status> INT=<line>
                       last line; how is halt, error, limit, input or load;
                       n counts executed instructions (HLT included); the
                       values are the register fields with blanks trimmed

Exit status:
  0 halted, 1 stopped by a report or an illegal code, 2 unusable arguments or
  a load that reported an error, 3 step limit reached, 4 input exhausted.
)";

namespace {

bool ParseLong(const std::string& text, long& value) {
    if (text.empty()) return false;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size();
}

bool ParseKeyName(const std::string& name, int& index) {
    if (name == "space") {
        index = 26;
        return true;
    }
    if (name.size() != 1) return false;
    const char c = name[0];
    if (c >= 'A' && c <= 'Z')
        index = c - 'A';
    else if (c >= 'a' && c <= 'z')
        index = c - 'a';
    else if (c >= '0' && c <= '9')
        index = 27 + (c - '0');
    else
        return false;
    return true;
}

} // namespace

std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args,
                                          std::string& error) {
    CliOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        std::string v;
        long n = 0;
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--input") {
            if (!value(v)) return std::nullopt;
            if (v.empty() || v.size() > 5 ||
                v.find_first_not_of("0123456789") != std::string::npos) {
                error = "--input takes 1 to 5 digits, as the input window does: " + v;
                return std::nullopt;
            }
            o.inputs.push_back(v);
        } else if (a == "--status-register") {
            o.statusRegister = true;
        } else if (a == "--keyboard") {
            o.keyboard = true;
        } else if (a == "--key") {
            if (!value(v)) return std::nullopt;
            const auto colon = v.find(':');
            KeyPress k;
            if (colon == std::string::npos || !ParseLong(v.substr(0, colon), k.step) ||
                k.step < 1 || !ParseKeyName(v.substr(colon + 1), k.index)) {
                error = "--key takes STEP:KEY with KEY one of A-Z, 0-9 or space: " + v;
                return std::nullopt;
            }
            o.keys.push_back(k);
        } else if (a == "--base") {
            if (!value(v)) return std::nullopt;
            if (v != "10" && v != "16") {
                error = "--base takes 10 or 16: " + v;
                return std::nullopt;
            }
            o.base = v == "10" ? 10 : 16;
        } else if (a == "--mnemonics") {
            o.mnemonics = true;
        } else if (a == "--speed") {
            if (!value(v)) return std::nullopt;
            if (!ParseLong(v, n) || n < 1 || n > 10) {
                error = "--speed takes 1 to 10: " + v;
                return std::nullopt;
            }
            o.speed = static_cast<int>(n);
        } else if (a == "--max-steps") {
            if (!value(v)) return std::nullopt;
            if (!ParseLong(v, n) || n < 1) {
                error = "--max-steps takes a positive whole number: " + v;
                return std::nullopt;
            }
            o.maxSteps = n;
        } else if (a == "--save") {
            if (!value(o.save)) return std::nullopt;
        } else if (a == "--listing") {
            if (!value(o.listing)) return std::nullopt;
        } else if (a == "--cycles") {
            o.cycles = true;
        } else if (a.size() > 1 && a[0] == '-') {
            error = "unknown option " + a;
            return std::nullopt;
        } else if (o.program.empty()) {
            o.program = a;
        } else {
            error = "only one program file can be run: " + a;
            return std::nullopt;
        }
    }
    if (!o.help && o.program.empty()) {
        error = "no program file given";
        return std::nullopt;
    }
    return o;
}

} // namespace zeb
