#pragma once
#include "help/views/HelpOptions.h"
#include "help/views/HelpService.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>

class QHelpEngine;
class QWidget;

namespace zeb::help::views {

// ZEB's help in Qt's help viewer, opened as the Help menu, the
// demonstration and the teaching windows ask. The collection is opened on
// first use; when it cannot be found, each request says so.
class HelpAccess : public HelpService {
  public:
    explicit HelpAccess(QWidget* owner, HelpOptions options = {});
    ~HelpAccess() override;

    void contents() override;
    void showTopic(std::string_view keyword) override;
    void searchKeyword(std::string_view keyword) override;
    void helpOnHelp() override;
    void startGuide() override;

    void attachHelpButton(QAbstractButton* button, std::string_view keyword) override;

    // The page of a keyword, whatever its case; empty when it has none.
    QUrl topicOf(const QString& keyword);

    HelpWindow* window() const override;
    // The engine, once the collection is open.
    QHelpEngine* engine() const { return engine_.get(); }

  private:
    bool open();
    void showPageOrIndex(const QString& keyword);
    void present();

    QWidget* owner_;
    // The guides started, until each ends.
    QObject guides_;
    HelpOptions options_;
    std::unique_ptr<QHelpEngine> engine_;
    QPointer<HelpWindow> window_;
};

} // namespace zeb::help::views
