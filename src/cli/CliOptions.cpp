#include "cli/CliOptions.h"

#include <charconv>

namespace zeb {

const char* const kCliUsage =
    R"(Usage: zeb-run [options] PROGRAM.ZEB
       zeb-run --check ASSIGNMENT [--csv FILE] PROGRAM...

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
  --max-steps N        stop after N executed instructions (default 1000000,
                       at most 10000000)
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
  --back-check N       run up to N instructions (as --max-steps N), then step
                       back over every one as the Back button does and write
                       BACK steps=<k> equal=yes|no after the END line: k
                       instructions were undone, and yes when every memory
                       cell, colour, register, printer line, the output
                       device and the pending key are as before the run; the
                       exit status is then 0 for yes and 1 for no
  --help               show this text
  --version            show the version number
  --                   what follows is a program file, even if it starts with -

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
  a load that reported an error (a missing file too), 3 step limit reached,
  4 input exhausted, 5 the output, --save or --listing could not be written
  (the reason is on standard error).

Marking a class's programs:
  --check ASSIGNMENT   run every PROGRAM through every case of the assignment
                       file and say for each whether it passed; a PROGRAM is a
                       .ZEB file or a folder, whose files ending in .ZEB or
                       .zeb are taken in name order (not its subfolders)
  --csv FILE           also write the results to FILE as CSV (program, case,
                       result, steps, reason) for a spreadsheet, replacing
                       FILE only once complete (never the assignment, a
                       program, a device or a pipe)
  The options of a run cannot be given with --check: the assignment sets them.

The assignment file is plain text, one directive a line; blank lines and lines
starting with # are ignored:
  title TEXT           the exercise's title, before the first case
  max-steps N, keyboard, status-register, base 10|16, mnemonics
                       as the options above; before the first case they hold
                       for every case, inside a case for that case only
  case NAME            starts a case
  input N              a number for the next INP, as --input (repeatable)
  key STEP:KEY         a key pressed as with --key (repeatable)
  expect TEXT          the next line the program must print on ZEB's printer,
                       compared with blanks at both ends trimmed
  end halt|error|limit|input
                       how the run must end (default halt)
  A case passes when the printed lines equal its expect lines, in order and in
  number, and the run ends as its end says. A case needs an expect or an end.
  A bad line is reported as FILE:LINE: message and nothing is run.

Marking output, one line per program and case, then a summary:
  PASS <program> <case> STEPS=<n>
  FAIL <program> <case> STEPS=<n> <reason>
                       the reason says what differed, for example
                       line 1: expected "7", printed "8"
  SUMMARY programs=<p> cases=<c> passed=<x> failed=<y>
                       c counts every case of every program
Control characters in names and reasons are written as in MSG lines. A
program that cannot be loaded fails each case with its load message.

Marking exit status:
  0 every case of every program passed, 1 any case failed, 2 unusable
  arguments or a bad assignment file.
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

RunSetting runSettingKind(std::string_view name) {
    if (name == "status-register" || name == "keyboard" || name == "mnemonics")
        return RunSetting::Flag;
    if (name == "input" || name == "key" || name == "base" || name == "max-steps")
        return RunSetting::WithValue;
    return RunSetting::Unknown;
}

bool applyRunSetting(CliOptions& o, std::string_view name, const std::string& v,
                     std::string& error) {
    long n = 0;
    if (name == "status-register") {
        o.statusRegister = true;
    } else if (name == "keyboard") {
        o.keyboard = true;
    } else if (name == "mnemonics") {
        o.mnemonics = true;
    } else if (name == "input") {
        if (v.empty() || v.size() > 5 || v.find_first_not_of("0123456789") != std::string::npos) {
            error = "takes 1 to 5 digits, as the input window does: " + v;
            return false;
        }
        o.inputs.push_back(v);
    } else if (name == "key") {
        const auto colon = v.find(':');
        KeyPress k;
        if (colon == std::string::npos || !ParseLong(v.substr(0, colon), k.step) || k.step < 1 ||
            !ParseKeyName(v.substr(colon + 1), k.index)) {
            error = "takes STEP:KEY with KEY one of A-Z, 0-9 or space: " + v;
            return false;
        }
        o.keys.push_back(k);
    } else if (name == "base") {
        if (v != "10" && v != "16") {
            error = "takes 10 or 16: " + v;
            return false;
        }
        o.base = v == "10" ? 10 : 16;
    } else if (name == "max-steps") {
        if (!ParseLong(v, n) || n < 1 || n > kMaxStepsCeiling) {
            error = "takes a whole number from 1 to " + std::to_string(kMaxStepsCeiling) + ": " + v;
            return false;
        }
        o.maxSteps = n;
    } else {
        error = "is not a setting of a run";
        return false;
    }
    return true;
}

std::optional<CliOptions> parseCliOptions(const std::vector<std::string>& args,
                                          std::string& error) {
    CliOptions o;
    std::string runOption; // the first option that marking takes from the assignment
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded) {
            files.push_back(a);
            continue;
        }
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        const RunSetting kind =
            a.rfind("--", 0) == 0 ? runSettingKind(a.substr(2)) : RunSetting::Unknown;
        if (kind != RunSetting::Unknown || a == "--speed" || a == "--save" || a == "--listing" ||
            a == "--back-check")
            if (runOption.empty()) runOption = a;
        std::string v;
        long n = 0;
        if (a == "--") {
            optionsEnded = true;
        } else if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--version") {
            o.version = true;
        } else if (kind != RunSetting::Unknown) {
            if (kind == RunSetting::WithValue && !value(v)) return std::nullopt;
            std::string why;
            if (!applyRunSetting(o, a.substr(2), v, why)) {
                error = a + " " + why;
                return std::nullopt;
            }
        } else if (a == "--speed") {
            if (!value(v)) return std::nullopt;
            if (!ParseLong(v, n) || n < 1 || n > 10) {
                error = "--speed takes 1 to 10: " + v;
                return std::nullopt;
            }
            o.speed = static_cast<int>(n);
        } else if (a == "--save" || a == "--listing") {
            if (!value(v)) return std::nullopt;
            if (v.empty()) {
                error = a + " needs a file name";
                return std::nullopt;
            }
            (a == "--save" ? o.save : o.listing) = v;
        } else if (a == "--check") {
            if (!value(o.assignment)) return std::nullopt;
            o.check = true;
        } else if (a == "--csv") {
            if (!value(o.csv)) return std::nullopt;
        } else if (a == "--back-check") {
            if (!value(v)) return std::nullopt;
            if (!ParseLong(v, n) || n < 1) {
                error = "--back-check takes a number of instructions from 1: " + v;
                return std::nullopt;
            }
            o.backCheck = n;
            o.maxSteps = n;
        } else if (a == "--cycles") {
            o.cycles = true;
        } else if (a.size() > 1 && a[0] == '-') {
            error = "unknown option " + a;
            return std::nullopt;
        } else {
            files.push_back(a);
        }
    }
    if (o.help || o.version) return o;
    if (o.check) {
        if (!runOption.empty()) {
            error = runOption + " cannot be used with --check: the assignment file sets the "
                                "options of every case";
            return std::nullopt;
        }
        if (files.empty()) {
            error = "no program file or folder given to check";
            return std::nullopt;
        }
        o.programs = files;
        return o;
    }
    if (!o.csv.empty()) {
        error = "--csv is for marking: use it with --check";
        return std::nullopt;
    }
    if (files.size() > 1) {
        error = "only one program file can be run: " + files[1];
        return std::nullopt;
    }
    if (files.empty()) {
        error = "no program file given";
        return std::nullopt;
    }
    o.program = files[0];
    return o;
}

} // namespace zeb
