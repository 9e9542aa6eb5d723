#pragma once
#include <memory>
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

class InputFile {
  public:
    virtual ~InputFile() = default;
    // The next character, or -1 at the end of the file.
    virtual int Get() = 0;
    virtual bool atEnd() = 0;
};

class OutputFile {
  public:
    virtual ~OutputFile() = default;
    virtual bool Write(std::string_view text) = 0;
    // Makes what was written the file's content; false when that failed.
    virtual bool Close() = 0;
};

// Program files reach the disk only through this.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual bool exists(const std::string& name) = 0;
    virtual std::unique_ptr<InputFile> openRead(const std::string& name, FileError& error) = 0;
    virtual std::unique_ptr<OutputFile> openWrite(const std::string& name, FileError& error) = 0;
};

} // namespace zeb
