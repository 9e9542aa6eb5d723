#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zeb {

// A failed open: the error's number (as the file-error box knows them) and
// the system's description of it.
struct FileError {
    int number = 0;
    std::string description;
};

// Error numbers the file-error box treats specially.
inline constexpr int kErrPathNotFound = 68;
inline constexpr int kErrDiskNotReady = 71;
// A device, pipe or socket stands at the name.
inline constexpr int kErrNotRegularFile = 75;

// An open file is the only handle to it: never copied.
class InputFile {
  public:
    InputFile() = default;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    virtual ~InputFile() = default;
    // The next character, or -1 at the end of the file.
    virtual int get() = 0;
    virtual bool atEnd() = 0;
};

class OutputFile {
  public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    virtual ~OutputFile() = default;
    virtual bool write(std::string_view text) = 0;
    // Makes what was written the file's content; false when that failed.
    virtual bool close() = 0;
    // Why a write or the close failed, in the system's words ("No space left
    // on device"); empty when nothing failed or no reason is known.
    const std::string& failure() const { return failure_; }

  protected:
    std::string failure_;
};

// Program files reach the disk only through this.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual bool exists(const std::string& name) = 0;
    // The error of a name where something other than a regular file stands
    // (a folder, a device, a pipe), links followed; nothing otherwise.
    virtual std::optional<FileError> notRegularFile(const std::string& name) = 0;
    virtual std::unique_ptr<InputFile> openRead(const std::string& name, FileError& error) = 0;
    virtual std::unique_ptr<OutputFile> openWrite(const std::string& name, FileError& error) = 0;
};

} // namespace zeb
