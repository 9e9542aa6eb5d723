#pragma once
#include <QMainWindow>
#include <QUrl>

class QAction;
class QHelpEngine;
class QLineEdit;
class QTabWidget;

namespace zeb::help::views {

class HelpBrowser;

// ZEB's help viewer: the pages of one help collection with its contents,
// its keyword index and a full-text search, and back and forward.
class HelpWindow : public QMainWindow {
    Q_OBJECT
  public:
    enum class Tab { Contents, Index, Search };

    // `engine` has been set up; the window does not own it.
    HelpWindow(QHelpEngine& engine, QWidget* parent = nullptr);

    // Opens a page of the collection on the Contents tab.
    void showPage(const QUrl& url);
    // The Index tab listing the keywords that contain `keyword`, the best one
    // selected; no page is opened.
    void showIndexAt(const QString& keyword);

    Tab currentTab() const;
    QUrl currentPage() const;
    HelpBrowser& browser() { return *browser_; }

  private:
    void showInContents(const QUrl& url);
    void applyIndexFilter();
    void search();
    // The full-text index is made on first need; searches asked for meanwhile wait.
    void indexForSearch();

    QHelpEngine& engine_;
    QTabWidget* tabs_;
    QLineEdit* indexFilter_;
    HelpBrowser* browser_;
    QAction* back_;
    QAction* forward_;
    QString pendingFilter_;
    bool indexReady_ = false;
    bool searchIndexed_ = false;
    bool indexing_ = false;
    bool indexingStarted_ = false;
    bool searchWaiting_ = false;
};

} // namespace zeb::help::views
