#pragma once
#include <string>
#include <string_view>

namespace zeb {

// The two file dialogs.
enum class FileDialog { Open, Save };

// The platform's file dialog.
class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The chosen file's name; empty when cancelled.
    virtual std::string chooseFile(FileDialog dialog, std::string_view filter) = 0;
};

} // namespace zeb
