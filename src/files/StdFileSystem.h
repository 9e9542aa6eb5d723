#pragma once
#include "files/FileSystem.h"

namespace zeb {

// The real disk. Writing goes to a temporary file beside the target that
// replaces it only once everything is written, so a failed save never
// destroys the file that was there.
class StdFileSystem : public FileSystem {
  public:
    bool exists(const std::string& name) override;
    std::optional<FileError> notRegularFile(const std::string& name) override;
    std::unique_ptr<InputFile> openRead(const std::string& name, FileError& error) override;
    std::unique_ptr<OutputFile> openWrite(const std::string& name, FileError& error) override;

    // The error number and text of an errno value for a given path.
    static FileError fromErrno(int err, const std::string& name);
};

} // namespace zeb
