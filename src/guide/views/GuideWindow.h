#pragma once
#include "guide/GuideTour.h"

#include <QPixmap>
#include <QWidget>

class QLabel;
class QPushButton;

namespace zeb::guide::views {

// The illustrated guide: one picture of ZEB at a time with its title and
// caption, Back and Next, and the arrow, Page, Home and End keys.
class GuideWindow : public QWidget {
    Q_OBJECT
  public:
    explicit GuideWindow(QWidget* parent = nullptr);

    const GuideTour& tour() const { return tour_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void showPage();
    // The page's picture, made smaller where the window is smaller than it.
    void fitPicture();
    void addShortcut(const QKeySequence& key, void (GuideTour::*move)());

    GuideTour tour_;
    QLabel* title_;
    QLabel* picture_;
    QPixmap fullPicture_;
    QLabel* caption_;
    QLabel* position_;
    QPushButton* backButton_;
    QPushButton* nextButton_;
};

} // namespace zeb::guide::views
