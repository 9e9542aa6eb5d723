#pragma once
#include <QTextBrowser>

class QHelpEngineCore;

namespace zeb::help::views {

// Shows the pages of the help collection: qthelp: addresses, their pictures
// and style sheet are read from the collection; other addresses open in the
// desktop's own browser.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    HelpBrowser(QHelpEngineCore& engine, QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

  protected:
    // Every link and page change passes here: the help's own pages open in
    // this window, other addresses in the desktop's browser.
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

  private:
    QHelpEngineCore& engine_;
};

} // namespace zeb::help::views
