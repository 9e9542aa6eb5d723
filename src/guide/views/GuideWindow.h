#pragma once
#include "guide/GuideTour.h"

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

  private:
    void showPage();
    void addShortcut(const QKeySequence& key, void (GuideTour::*move)());

    GuideTour tour_;
    QLabel* title_;
    QLabel* picture_;
    QLabel* caption_;
    QLabel* position_;
    QPushButton* backButton_;
    QPushButton* nextButton_;
};

} // namespace zeb::guide::views
