#pragma once
#include "help/views/HelpOptions.h"
#include "help/views/HelpService.h"
#include "ui/ModuleLibrary.h"

#include <memory>

class QWidget;

namespace zeb::help::views {

// The help, loaded from its library at the first request. When the library
// is missing, each request says so and nothing else happens.
class LoadedHelp : public HelpService {
  public:
    LoadedHelp(QWidget* owner, HelpOptions options);
    ~LoadedHelp() override;

    void contents() override;
    void showTopic(std::string_view keyword) override;
    void searchKeyword(std::string_view keyword) override;
    void helpOnHelp() override;
    void startGuide() override;
    void attachHelpButton(QAbstractButton* button, std::string_view keyword) override;
    HelpWindow* window() const override;

  private:
    // Null, once reported, when the library could not be loaded.
    HelpService* help();

    QWidget* owner_;
    HelpOptions options_;
    ui::ModuleLibrary library_;
    std::unique_ptr<HelpService> help_;
};

} // namespace zeb::help::views
