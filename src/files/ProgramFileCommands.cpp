#include "files/ProgramFileCommands.h"

#include "core/Mnemonics.h"

#include <filesystem>

namespace zeb {

namespace {

// What a student hears of a file: its name, without the folders.
std::string fileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// Shows the cells in decimal while it lives, as files hold them.
class DecimalWhileSaving {
  public:
    DecimalWhileSaving(const Machine& machine, BaseSwitch& bases)
        : bases_(bases), base_(machine.view().base()) {
        if (base_ != NumberBase::Decimal)
            bases_.changeNumberBase(NumberBase::Decimal, BaseSwitch::TypedText::ReadAsNumber);
    }
    ~DecimalWhileSaving() {
        if (base_ != NumberBase::Decimal)
            bases_.changeNumberBase(base_, BaseSwitch::TypedText::ReadAsNumber);
    }
    DecimalWhileSaving(const DecimalWhileSaving&) = delete;
    DecimalWhileSaving& operator=(const DecimalWhileSaving&) = delete;

  private:
    BaseSwitch& bases_;
    NumberBase base_;
};

} // namespace

bool ProgramFileCommands::confirmFile(const std::string& name, Access access) {
    const bool exists = fs_.exists(name);
    std::string text;
    if (exists && access == Access::Write) {
        text = "The file " + name + " already exists on disk.\r\n" +
               "Saving ZEB contents to that file will\r\n" +
               "destroy the file's current contents, replacing\r\n" +
               "them with the current ZEB program.\r\n\r\n" +
               "Choose OK to overwrite the file, Cancel to stop.";
    } else if (!exists && access == Access::Read) {
        text = "The file " + name + " does not exist.\r\n" +
               "Would you like to create it?\r\n\r\n" +
               "Choose OK to create the file, Cancel to stop.";
    } else {
        return true;
    }
    return machine_.messageBox(Icon::Information, Buttons::OkCancel, "File Message", text) ==
           Answer::Ok;
}

bool ProgramFileCommands::askAfterFileError(const FileError& error) {
    std::string text;
    if (error.number == kErrPathNotFound)
        text = "Non-existent drive or path";
    else if (error.number == kErrDiskNotReady)
        text = "Insert disk in drive and click OK";
    else
        text = "Error " + signedText(error.number) + " occurred\r\n" + error.description;
    // Trying a folder, device or pipe again cannot help: OK alone, and no retry.
    if (error.number == kErrNotRegularFile) {
        machine_.messageBox(Icon::Exclamation, Buttons::Ok, "ZEB", text);
        return false;
    }
    return machine_.messageBox(Icon::Exclamation, Buttons::OkCancel, "ZEB", text) == Answer::Ok;
}

std::unique_ptr<InputFile> ProgramFileCommands::openForReading(const std::string& name) {
    for (;;) {
        FileError error;
        if (auto file = fs_.openRead(name, error)) return file;
        if (!askAfterFileError(error)) return nullptr;
    }
}

std::unique_ptr<OutputFile> ProgramFileCommands::openForWriting(const std::string& name) {
    for (;;) {
        FileError error;
        if (auto file = fs_.openWrite(name, error)) return file;
        if (!askAfterFileError(error)) return nullptr;
    }
}

std::string ProgramFileCommands::programText() {
    DecimalWhileSaving decimal(machine_, bases_);
    std::vector<ProgramLine> cells;
    for (int a = 0; a < kMemorySize; ++a)
        cells.push_back({a, machine_.operatorText(a), machine_.operandText(a)});
    return ProgramFileFormat::write(cells, machine_.runState().runLog().lines());
}

bool ProgramFileCommands::writeProgram(OutputFile& file) {
    BusyPointer busy(machine_.display());
    const bool ok = file.write(programText());
    if (!ok) machine_.report("Failed to write to save file", file.failure());
    return ok;
}

void ProgramFileCommands::save(SaveMode mode) {
    if (!machine_.view().mnemonicsShown() || assembler_.canAssemble())
        saveToFile(mode);
    else
        machine_.report("Program not saved due to Assembler error");
}

void ProgramFileCommands::saveToFile(SaveMode mode) {
    BusyPointer busy(machine_.display());
    std::string name;
    if (mode == SaveMode::Save && !machine_.view().currentFileName().empty())
        name = machine_.view().currentFileName();
    else
        name = machine_.host().files().chooseFile(FileDialog::Save, kFilter);
    if (name.empty()) return;
    // Refused before any question about replacing it.
    if (const auto error = fs_.notRegularFile(name)) {
        askAfterFileError(*error);
        return;
    }
    if (!confirmFile(name, Access::Write)) return;
    auto file = openForWriting(name);
    if (!file) return;
    // A failed write has been reported; closing then keeps the old file.
    const bool written = writeProgram(*file);
    const bool closed = file->close();
    if (written && !closed) {
        machine_.report("Failed to save ZEB to file", file->failure());
        return;
    }
    machine_.view().setCurrentFileName(name);
    machine_.display().set(Flag::SaveEnabled, true);
    machine_.announcer().say("Saved " + fileNameOf(name));
}

std::optional<FileError> ProgramFileCommands::saveWithoutPrompts(const std::string& name) {
    FileError error;
    auto file = fs_.openWrite(name, error);
    if (!file) return error;
    const bool written = file->write(programText());
    if (file->close() && written) return std::nullopt;
    return FileError{0, file->failure().empty() ? "the file could not be written completely"
                                                : file->failure()};
}

void ProgramFileCommands::open() {
    const std::string name = machine_.host().files().chooseFile(FileDialog::Open, kFilter);
    if (name.empty()) return;
    load(name);
}

void ProgramFileCommands::load(const std::string& name) {
    if (!confirmFile(name, Access::Read)) return;
    auto file = openForReading(name);
    if (!file) return;
    machine_.clearMemory();
    ProgramReader reader(*file);
    if (reader.empty()) {
        machine_.report("Failed to read file");
        return;
    }
    const NumberBase base = machine_.view().base();
    const bool switched = base != NumberBase::Decimal;
    if (switched) bases_.changeBase(NumberBase::Decimal);
    BusyPointer busy(machine_.display());
    // Each line is applied as it is read: the first bad one ends the load.
    Step step = Step::Ok;
    while (step == Step::Ok) {
        const std::optional<ProgramLine> line = reader.next();
        if (!line) break;
        step = applyLine(*line);
    }
    file.reset();
    if (step == Step::Ok && reader.error() == ProgramReadError::AddressOutOfRange) {
        machine_.report("Out of range address in file, load abandoned");
        step = Step::Abandoned;
    }
    if (step == Step::Ok && reader.error() == ProgramReadError::ReadFailed) step = Step::ReadFailed;
    if (step == Step::ReadFailed) {
        // The cells read so far stay.
        machine_.report("Failed to read file");
    } else {
        if (step == Step::Ok) {
            machine_.view().setCurrentFileName(name);
            machine_.display().set(Flag::SaveEnabled, true);
        }
        machine_.resetPC();
        machine_.resetAcc();
        machine_.display().clearPrinterStrip();
        if (step == Step::Ok) machine_.announcer().say("Opened " + fileNameOf(name));
    }
    if (switched) bases_.changeBase(base);
}

ProgramFileCommands::Step ProgramFileCommands::applyLine(const ProgramLine& line) {
    const Step operatorStep = readOperator(line.operatorText, line.address);
    if (operatorStep != Step::Ok) return operatorStep;
    if (!line.operandRead) return Step::ReadFailed;
    return readOperand(line.operandText, line.address) ? Step::Ok : Step::Abandoned;
}

ProgramFileCommands::Step ProgramFileCommands::readOperator(const std::string& text, int address) {
    if (text.empty()) return Step::Ok;
    std::string code = text;
    if (machine_.mnemonics().isMnemonic(text))
        code = machine_.mnemonics().assemble(text, machine_.view().base());
    else if (!isDecimalNumber(text)) {
        machine_.report("Illegal operator: '" + text + "' in file, load abandoned");
        return Step::Abandoned;
    }
    const int number = ProgramFileFormat::fieldValue(code);
    if (machine_.view().mnemonicsShown()) {
        // A code without a mnemonic cannot be shown in this display.
        if (!legalInstruction(number)) return Step::ReadFailed;
        machine_.setOperatorText(address, machine_.mnemonics().name(number));
    } else {
        machine_.setOperator(address, number, machine_.view().base());
    }
    return Step::Ok;
}

bool ProgramFileCommands::readOperand(std::string text, int address) {
    if (text.empty()) return true;
    if (!isDecimalNumber(text)) {
        if (!isHexNumber(text)) {
            machine_.report("Illegal operand: '" + text + "' in file, load abandoned");
            return false;
        }
        // Files are decimal: a hexadecimal operand is reported and reads as 0.
        text = plainText(machine_.getNumber(text).value_or(0));
    }
    machine_.setOperand(address, ProgramFileFormat::fieldValue(text), machine_.view().base());
    return true;
}

} // namespace zeb
