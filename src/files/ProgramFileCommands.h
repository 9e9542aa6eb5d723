#pragma once
#include "core/Machine.h"
#include "editing/Assembler.h"
#include "editing/BaseSwitch.h"
#include "files/FileSystem.h"
#include "files/ProgramFileFormat.h"

#include <memory>
#include <string>

namespace zeb {

// File > Save keeps the current name; File > Save As always asks for one.
enum class SaveMode { Save, SaveAs };

// File > Open and Save with their dialogs, confirmations and disk-error
// retries, between the machine's cells and the program file format.
class ProgramFileCommands {
  public:
    static constexpr std::string_view kFilter = "ZEB files (*.ZEB)|*.ZEB|All Files (*.*)|*.*";

    ProgramFileCommands(Machine& machine, Assembler& assembler, BaseSwitch& bases,
                        FileSystem& files)
        : machine_(machine), assembler_(assembler), bases_(bases), fs_(files) {}

    void save(SaveMode mode);
    void open();
    // The load after the file has been chosen: confirm, open, read.
    void load(const std::string& name);

    // Writes the program to a file without any question (the batch runner's
    // --save). The error when it could not be written.
    std::optional<FileError> saveWithoutPrompts(const std::string& name);

  private:
    enum class Access { Read, Write };
    enum class Step { Ok, Abandoned, ReadFailed };

    void saveToFile(SaveMode mode);
    // The cells in decimal and the run log as the file holds them.
    std::string programText();
    bool writeProgram(OutputFile& file);
    bool confirmFile(const std::string& name, Access access);
    std::unique_ptr<InputFile> openForReading(const std::string& name);
    std::unique_ptr<OutputFile> openForWriting(const std::string& name);
    // The disk-error box; true to try again.
    bool askAfterFileError(const FileError& error);
    Step applyLine(const ProgramLine& line);
    Step readOperator(const std::string& text, int address);
    bool readOperand(std::string text, int address);

    Machine& machine_;
    Assembler& assembler_;
    BaseSwitch& bases_;
    FileSystem& fs_;
};

} // namespace zeb
