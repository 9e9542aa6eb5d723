#pragma once
#include "help/HelpViewer.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>

class QAbstractButton;
class QHelpEngine;
class QWidget;

namespace zeb::help::views {

class HelpWindow;

struct HelpOptions {
    // The folder of the program: zeb-guide lies there, and the help is looked
    // for relative to it. By default the executable's folder.
    QString programFolder;
    // The folders the help collection is looked for in; by default
    // HelpCollection::defaultFolders(programFolder).
    QStringList helpFolders;
    // A writable folder for the copy the viewer opens; by default "help" in
    // the application's data folder.
    QString workFolder;
    // Tells the user something went wrong; by default a message box.
    std::function<void(const QString& text)> report;
};

// ZEB's help in Qt's help viewer, opened as the Help menu, the
// demonstration and the teaching windows ask. The collection is opened on
// first use; when it cannot be found, each request says so.
class HelpAccess : public HelpViewer {
  public:
    explicit HelpAccess(QWidget* owner, HelpOptions options = {});
    ~HelpAccess() override;

    void contents() override;
    void showTopic(std::string_view keyword) override;
    void searchKeyword(std::string_view keyword) override;
    void helpOnHelp() override;
    void startGuide() override;

    // A teaching window's Help button: the keyword search positioned at `keyword`.
    void attachHelpButton(QAbstractButton* button, std::string_view keyword);

    // The page of a keyword, whatever its case; empty when it has none.
    QUrl topicOf(const QString& keyword);

    // The viewer, once a request has opened it.
    HelpWindow* window() const;
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
