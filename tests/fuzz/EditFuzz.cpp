// libFuzzer harness: any bytes as a session of editing, switching, running,
// saving and reloading. Saving and loading the program again in the same
// display mode must give back the same cells.
#include "../core/TestHost.h"
#include "../files/MemoryFileSystem.h"
#include "editing/CellClipboard.h"
#include "editing/MemoryEditor.h"
#include "files/ProgramFileCommands.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using zeb::NumberBase;

class Session {
  public:
    Session(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {
        r_.zeb.run().setAfterInstruction([this](zeb::Opcode) {
            if (++steps_ % 200 == 0) r_.m.runState().stopRun();
        });
    }

    void play() {
        while (pos_ < size_)
            act(next() % 19);
        saveAndReload();
    }

  private:
    std::uint8_t next() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::string bytes(std::size_t count) {
        std::string text;
        while (count-- > 0 && pos_ < size_)
            text.push_back(static_cast<char>(next()));
        return text;
    }
    // A clipboard line as copy writes it, from fuzzed fields.
    std::string wellFormedLines() {
        static constexpr std::array<const char*, 8> kOperators = {"LDA", "  1", " 12", "HLT",
                                                                  "J()", " 1F", "   ", "AC+"};
        std::string text;
        for (int n = next() % 6; n > 0; --n) {
            char operand[8];
            std::snprintf(operand, sizeof operand, "%3d", next());
            text += std::string(kOperators[next() % kOperators.size()]) + "|" + operand + "|\r\n";
        }
        return text;
    }

    void act(int action) {
        zeb::Machine& m = r_.m;
        // clang-format off
        switch (action) {
        case 0: editor_.selectOperator(next() % zeb::kMemorySize); break;
        case 1: editor_.selectOperand(next() % zeb::kMemorySize); break;
        case 2: editor_.pressPad(next() % 17); break;
        case 3: editor_.typeCharacter(static_cast<char>(next())); break;
        case 4: editor_.navigate(static_cast<zeb::NavKey>(next() % 6)); break;
        case 5: editor_.pressOperator(next() % zeb::kMemorySize, true, next() % 4 != 0); break;
        case 6: clipboard_.copy(); break;
        case 7: clipboard_.cut(); break;
        case 8: clipboard_.deleteMarked(); break;
        case 9: r_.host.clipboard = bytes(next()); clipboard_.paste(); break;
        case 10: r_.host.clipboard = wellFormedLines(); clipboard_.paste(); break;
        case 11: r_.bases.toggleHexadecimal(); break;
        case 12: r_.bases.toggleMnemonics(); break;
        case 13: r_.assembler.assembleAll(); break;
        case 14: saveAndReload(); break;
        case 15: r_.host.inputs.assign(3, std::to_string(next())); r_.zeb.run().step(); break;
        case 16: r_.host.inputs.assign(3, std::to_string(next() * 7)); r_.zeb.run().run(); break;
        case 17: clipboard_.clearAll(); break;
        default: m.changePC(next() % zeb::kMemorySize); break;
        }
        // clang-format on
    }

    void saveAndReload() {
        zeb::Machine& m = r_.m;
        const std::size_t reports = r_.host.messages.size();
        r_.host.dialogName = "F.ZEB";
        files_.save(zeb::SaveMode::SaveAs);
        // A program the assembler rejects is not saved, and says so.
        if (r_.host.messages.size() != reports) return;

        zeb::test::Rig again;
        if (m.view().base() != NumberBase::Decimal) again.bases.changeBase(m.view().base());
        // Loaded as numbers: a code without a mnemonic (typed as 100, say)
        // cannot be shown while mnemonics are.
        zeb::ProgramFileCommands reloader(again.m, again.assembler, again.bases, fs_);
        reloader.load("F.ZEB");
        // The same numbers: a loaded operator shows as a mnemonic whenever
        // mnemonics are shown, whatever it was typed as.
        const auto sameCell = [](zeb::Machine& x, zeb::Machine& y, int cell) {
            const bool empty = x.operatorText(cell).empty() && x.operandText(cell).empty();
            if (empty) return y.operatorText(cell).empty() && y.operandText(cell).empty();
            const auto value = [](zeb::Machine& m, int c) {
                const auto high = m.operatorText(c).empty() ? 0 : m.operatorValue(c);
                return std::pair(high, m.operandValue(c));
            };
            return value(x, cell) == value(y, cell);
        };
        for (int a = 0; a < zeb::kMemorySize; ++a) {
            if (!sameCell(m, again.m, a)) {
                std::fprintf(stderr, "cell %d: '%s|%s' came back as '%s|%s'\nfile:\n%s\n", a,
                             m.operatorText(a).c_str(), m.operandText(a).c_str(),
                             again.m.operatorText(a).c_str(), again.m.operandText(a).c_str(),
                             fs_.files["F.ZEB"].c_str());
                std::abort();
            }
        }
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    long steps_ = 0;
    zeb::test::Rig r_;
    zeb::test::MemoryFileSystem fs_;
    zeb::MemoryEditor editor_{r_.m, r_.assembler};
    zeb::CellClipboard clipboard_{r_.m, r_.assembler, editor_};
    zeb::ProgramFileCommands files_{r_.m, r_.assembler, r_.bases, fs_};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Session(data, size).play();
    return 0;
}
