#pragma once
#include "core/Machine.h"
#include "editing/Assembler.h"
#include "editing/BaseSwitch.h"
#include "files/FileSystem.h"

#include <memory>
#include <string>

namespace zeb {

// Loading and saving .ZEB program files: fixed-width cell lines, then the
// run log.
class ProgramFiles {
  public:
    static constexpr std::string_view kFilter = "ZEB files (*.ZEB)|*.ZEB|All Files (*.*)|*.*";
    static constexpr std::string_view kLineEnd = "\r\n";

    ProgramFiles(Machine& machine, Assembler& assembler, BaseSwitch& bases, FileSystem& files)
        : m_(machine), asm_(assembler), bases_(bases), fs_(files) {}

    // File > Save ("Save") and File > Save As ("Save As").
    void save(std::string_view mode);
    void saveToFile(std::string_view mode);
    bool writeProgram(OutputFile& file);
    static bool writePadded(OutputFile& file, std::string_view text, std::size_t width,
                            int lineEnd);

    // File > Open.
    void open();
    // The load after the file has been chosen: confirm, open, read.
    void load(const std::string& name);

    // Writes the program to a file without any question (the batch runner's
    // --save). False when it could not be written.
    bool saveWithoutPrompts(const std::string& name);

    void clearMemory() { m_.clearMemory(); }
    bool confirmFile(const std::string& name, int mode);
    template <class File> std::unique_ptr<File> openFileForMode(const std::string& name, int mode);
    // The disk-error box; true to try again.
    bool askAfterFileError(const FileError& error);

  private:
    class Reader;
    enum class Step { Ok, Abandoned, ReadFailed };
    Step readLine(Reader& in, std::string& c);
    Step readOperator(const std::string& text, int address);
    bool readOperand(std::string text, int address);
    std::string chooseFile(int action);

    Machine& m_;
    Assembler& asm_;
    BaseSwitch& bases_;
    FileSystem& fs_;
};

} // namespace zeb
