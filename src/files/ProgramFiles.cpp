#include "files/ProgramFiles.h"

#include "editing/Mnemonics.h"

namespace zeb {

namespace {
constexpr int kWrite = 1;
constexpr int kRead = 2;

// Integer value of the digits after optional blanks and sign; no digits, 0.
int Val(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') compact.push_back(c);
    std::size_t i = 0;
    bool negative = false;
    if (i < compact.size() && (compact[i] == '-' || compact[i] == '+')) {
        negative = compact[i] == '-';
        ++i;
    }
    long value = 0;
    for (; i < compact.size() && compact[i] >= '0' && compact[i] <= '9' && value < 100000; ++i)
        value = value * 10 + (compact[i] - '0');
    return static_cast<int>(negative ? -value : value);
}

// Shows the busy pointer for as long as it lives.
class BusyPointer {
  public:
    explicit BusyPointer(DisplayState& d) : d_(d) { d_.setBusy(true); }
    ~BusyPointer() { d_.setBusy(false); }

  private:
    DisplayState& d_;
};
} // namespace

// Fixed-count reads that remember running past the end of the file.
class ProgramFiles::Reader {
  public:
    explicit Reader(InputFile& file) : file_(file) {}
    std::string Input(int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            const int c = file_.Get();
            if (c < 0) {
                pastEnd_ = true;
                break;
            }
            text.push_back(static_cast<char>(c));
        }
        return text;
    }
    bool atEnd() { return file_.atEnd(); }
    bool PastEnd() const { return pastEnd_; }

  private:
    InputFile& file_;
    bool pastEnd_ = false;
};

std::string ProgramFiles::chooseFile(int action) {
    return m_.host().chooseFile(action, kFilter);
}

bool ProgramFiles::confirmFile(const std::string& name, int mode) {
    const bool exists = fs_.exists(name);
    std::string text;
    if (exists && mode == kWrite) {
        text = "The file " + name + " already exists on disk.\r\n" +
               "Saving ZEB contents to that file will\r\n" +
               "destroy the file's current contents, replacing\r\n" +
               "them with the current ZEB program.\r\n\r\n" +
               "Choose OK to overwrite the file, Cancel to stop.";
    } else if (!exists && mode == kRead) {
        text = "The file " + name + " does not exist.\r\n" +
               "Would you like to create it?\r\n\r\n" +
               "Choose OK to create the file, Cancel to stop.";
    } else {
        return true;
    }
    return m_.messageBox(Icon::Information, Buttons::OkCancel, "File Message", text) == Answer::Ok;
}

bool ProgramFiles::askAfterFileError(const FileError& error) {
    std::string text;
    if (error.number == kErrPathNotFound)
        text = "Non-existent drive or path";
    else if (error.number == kErrDiskNotReady)
        text = "Insert disk in drive and click OK";
    else
        text = "Error " + signedText(error.number) + " occurred\r\n" + error.description;
    return m_.messageBox(Icon::Exclamation, Buttons::OkCancel, "ZEB", text) == Answer::Ok;
}

template <class File>
std::unique_ptr<File> ProgramFiles::openFileForMode(const std::string& name, int mode) {
    for (;;) {
        FileError error;
        std::unique_ptr<File> file;
        if constexpr (std::is_same_v<File, InputFile>) {
            if (mode != kRead) return nullptr;
            file = fs_.openRead(name, error);
        } else {
            if (mode != kWrite) return nullptr;
            file = fs_.openWrite(name, error);
        }
        if (file) return file;
        if (!askAfterFileError(error)) return nullptr;
    }
}

template std::unique_ptr<InputFile> ProgramFiles::openFileForMode<InputFile>(const std::string&,
                                                                             int);
template std::unique_ptr<OutputFile> ProgramFiles::openFileForMode<OutputFile>(const std::string&,
                                                                               int);

bool ProgramFiles::writePadded(OutputFile& file, std::string_view text, std::size_t width,
                               int lineEnd) {
    std::string field = padLeft(text, width);
    if (lineEnd == 1) field += kLineEnd;
    return file.Write(field);
}

bool ProgramFiles::writeProgram(OutputFile& file) {
    BusyPointer busy(m_.display());
    if (m_.NumberBase == 16) {
        bases_.changeNumberBase(10);
        m_.NumberBase = 10;
    }
    bool ok = true;
    for (int a = 0; a < kMemorySize && ok; ++a) {
        const std::string& op = m_.operatorText(a);
        const std::string& opd = m_.operandText(a);
        if (op.empty() && opd.empty()) continue;
        ok = writePadded(file, plainText(a), 2, 0) && file.Write("|") &&
             writePadded(file, op, 3, 0) && file.Write("|") && writePadded(file, opd, 3, 0) &&
             file.Write("|") && file.Write(kLineEnd);
    }
    if (ok) ok = file.Write("# RUN LOG:") && file.Write(kLineEnd);
    for (int i = 1; ok && i < m_.RunLogCount; ++i)
        ok = file.Write(m_.RunLog[static_cast<std::size_t>(i)]) && file.Write(kLineEnd);
    if (!ok) m_.report("Failed to write to save file");
    return ok;
}

void ProgramFiles::save(std::string_view mode) {
    if (m_.AssembledDisplay || asm_.canAssemble())
        saveToFile(mode);
    else
        m_.report("Program not saved due to Assembler error");
}

void ProgramFiles::saveToFile(std::string_view mode) {
    BusyPointer busy(m_.display());
    const int base = m_.NumberBase;
    std::string name;
    if (mode != "Save As" && !m_.CurrentFileName.empty())
        name = m_.CurrentFileName;
    else
        name = chooseFile(2);
    if (name.empty()) return;
    if (!confirmFile(name, kWrite)) return;
    auto file = openFileForMode<OutputFile>(name, kWrite);
    if (!file) return;
    // A failed write has been reported; closing then keeps the old file.
    const bool written = writeProgram(*file);
    const bool closed = file->Close();
    if (base == 16) {
        bases_.changeNumberBase(16);
        m_.NumberBase = 16;
    }
    if (written && !closed) {
        m_.report("Failed to save ZEB to file");
        return;
    }
    m_.CurrentFileName = name;
    m_.display().set(Flag::SaveEnabled, true);
}

bool ProgramFiles::saveWithoutPrompts(const std::string& name) {
    const int base = m_.NumberBase;
    FileError error;
    auto file = fs_.openWrite(name, error);
    if (!file) return false;
    const bool written = writeProgram(*file);
    const bool closed = file->Close();
    if (base == 16) {
        bases_.changeNumberBase(16);
        m_.NumberBase = 16;
    }
    return written && closed;
}

void ProgramFiles::open() {
    const std::string name = chooseFile(1);
    if (name.empty()) return;
    load(name);
}

void ProgramFiles::load(const std::string& name) {
    if (!confirmFile(name, kRead)) return;
    auto file = openFileForMode<InputFile>(name, kRead);
    if (!file) return;
    clearMemory();
    Reader in(*file);
    std::string c = in.Input(1);
    if (in.PastEnd()) {
        m_.report("Failed to read file");
        return;
    }
    const int base = m_.NumberBase;
    const bool switched = base != 10;
    if (switched) bases_.changeBase(10);
    BusyPointer busy(m_.display());
    Step step = Step::Ok;
    while (c != "#" && !in.atEnd() && step == Step::Ok)
        step = readLine(in, c);
    file.reset();
    if (step == Step::ReadFailed) {
        // The cells read so far stay.
        m_.report("Failed to read file");
    } else {
        if (step == Step::Ok) {
            m_.CurrentFileName = name;
            m_.display().set(Flag::SaveEnabled, true);
        }
        m_.resetPC();
        m_.resetAcc();
        m_.display().clearPrinterStrip();
    }
    if (switched) bases_.changeBase(base);
}

ProgramFiles::Step ProgramFiles::readLine(Reader& in, std::string& c) {
    // ReadAddress: two characters, then the bar.
    const int address = Val(c + in.Input(1));
    in.Input(1);
    if (in.PastEnd()) return Step::ReadFailed;
    if (!legalAddress(address)) {
        m_.report("Out of range address in file, load abandoned");
        return Step::Abandoned;
    }
    // ReadOperator: three characters, then the bar.
    const std::string op = stripLeadingBlanks(in.Input(3));
    in.Input(1);
    if (in.PastEnd()) return Step::ReadFailed;
    const Step operatorStep = readOperator(op, address);
    if (operatorStep != Step::Ok) return operatorStep;
    // ReadOperand: three characters, then the closing bar and the line end.
    const std::string opd = stripLeadingBlanks(in.Input(3));
    in.Input(3);
    if (in.PastEnd()) return Step::ReadFailed;
    if (!readOperand(opd, address)) return Step::Abandoned;
    c = in.Input(1);
    return in.PastEnd() ? Step::ReadFailed : Step::Ok;
}

ProgramFiles::Step ProgramFiles::readOperator(const std::string& text, int address) {
    if (text.empty()) return Step::Ok;
    std::string code = text;
    if (m_.mnemonics().isMnemonic(text))
        code = m_.mnemonics().assemble(text, m_.NumberBase);
    else if (!isDecimalNumber(text)) {
        m_.report("Illegal operator: '" + text + "' in file, load abandoned");
        return Step::Abandoned;
    }
    const int number = Val(code);
    if (!m_.AssembledDisplay) {
        // A code without a mnemonic cannot be shown in this display.
        if (!legalInstruction(number)) return Step::ReadFailed;
        m_.setOperatorText(address, m_.mnemonics().name(number));
    } else {
        m_.setOperator(address, number, m_.NumberBase);
    }
    return Step::Ok;
}

bool ProgramFiles::readOperand(std::string text, int address) {
    if (text.empty()) return true;
    if (!isDecimalNumber(text)) {
        if (!isHexNumber(text)) {
            m_.report("Illegal operand: '" + text + "' in file, load abandoned");
            return false;
        }
        text = plainText(m_.getNumber(text));
    }
    m_.setOperand(address, Val(text), m_.NumberBase);
    return true;
}

} // namespace zeb
