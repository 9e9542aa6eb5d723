#pragma once
#include "files/FileSystem.h"

#include <map>
#include <optional>

namespace zeb::test {

// Files in memory, with failures on request.
class MemoryFileSystem : public FileSystem {
  public:
    std::map<std::string, std::string> files;
    std::optional<FileError> openError; // every open fails with this while set
    int openFailures = 0;               // ... this many times (0 = always)
    long writeLimit = -1;               // bytes a write may put before failing
    bool failClose = false;
    // A file system that loses a failed write's data without saying so again.
    bool closeSucceedsAfterFailedWrite = false;
    int opens = 0;
    std::optional<FileError> notRegular; // every name is a pipe or device while set

    bool exists(const std::string& name) override { return files.count(name) > 0; }
    std::optional<FileError> notRegularFile(const std::string&) override { return notRegular; }

    std::unique_ptr<InputFile> openRead(const std::string& name, FileError& error) override {
        if (Fail(error)) return nullptr;
        auto it = files.find(name);
        if (it == files.end()) {
            error = {53, "No such file or directory"};
            return nullptr;
        }
        return std::make_unique<Reader>(it->second);
    }

    std::unique_ptr<OutputFile> openWrite(const std::string& name, FileError& error) override {
        if (Fail(error)) return nullptr;
        return std::make_unique<Writer>(*this, name);
    }

  private:
    bool Fail(FileError& error) {
        ++opens;
        if (!openError) return false;
        error = *openError;
        if (openFailures > 0 && --openFailures == 0) openError.reset();
        return true;
    }

    class Reader : public InputFile {
      public:
        explicit Reader(std::string text) : text_(std::move(text)) {}
        int get() override {
            return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_++]) : -1;
        }
        bool atEnd() override { return pos_ >= text_.size(); }

      private:
        std::string text_;
        std::size_t pos_ = 0;
    };

    class Writer : public OutputFile {
      public:
        Writer(MemoryFileSystem& fs, std::string name) : fs_(fs), name_(std::move(name)) {}
        bool write(std::string_view text) override {
            if (fs_.writeLimit >= 0 &&
                static_cast<long>(buffer_.size() + text.size()) > fs_.writeLimit) {
                failure_ = "No space left on device";
                return failed_ = true, false;
            }
            buffer_ += text;
            return true;
        }
        bool close() override {
            if (fs_.failClose) {
                failure_ = "Input/output error";
                return false;
            }
            if (failed_) return fs_.closeSucceedsAfterFailedWrite;
            fs_.files[name_] = buffer_;
            return true;
        }

      private:
        MemoryFileSystem& fs_;
        std::string name_;
        std::string buffer_;
        bool failed_ = false;
    };
};

} // namespace zeb::test
