// libFuzzer harness: any bytes as a program file, loaded in every display
// mode and base, then run for a bounded number of steps.
#include "../core/TestHost.h"
#include "../files/MemoryFileSystem.h"
#include "files/ProgramFileCommands.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::uint8_t mode = data[0];
    zeb::test::Rig r;
    zeb::test::MemoryFileSystem fs;
    zeb::ProgramFileCommands files(r.m, r.assembler, r.bases, fs);
    if (mode & 1) r.assembler.disassembleAll();
    if (mode & 2) r.bases.changeBase(zeb::NumberBase::Hexadecimal);
    if (mode & 4) r.zeb.stack().toggleInterruptDisplay();
    fs.files["F.ZEB"] = std::string(reinterpret_cast<const char*>(data + 1), size - 1);
    files.load("F.ZEB");
    for (int i = 0; i < 8; ++i)
        r.host.inputs.push_back(std::to_string(i * 9999));
    long steps = 0;
    r.zeb.run().setAfterInstruction([&](zeb::Opcode) {
        if (++steps == 2000) r.m.runState().stopRun();
        if (steps % 7 == 0) r.zeb.stack().pressKey(static_cast<int>(steps % 37));
    });
    r.zeb.run().run();
    return 0;
}
