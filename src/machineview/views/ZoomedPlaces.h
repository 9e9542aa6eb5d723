#pragma once

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <vector>

namespace zeb::machineview::views {

// Where the controls laid over the diagram stand at full size, and how each
// follows a smaller zoom, so the window can shrink to fit a screen.
class ZoomedPlaces {
  public:
    // A control follows by its whole rectangle, only by its centre (the
    // gateways' boxes), or by its corner with its text's natural size.
    enum class Follow { Rectangle, Centre, Corner };

    void remember(QWidget* widget, Follow follow);
    // Places and sizes every remembered control, texts no smaller than
    // `smallestTextPixels`.
    void apply(qreal zoom, int smallestTextPixels) const;

  private:
    struct Place {
        QPointer<QWidget> widget;
        QRect rect;
        QFont font;
        Follow follow;
    };
    std::vector<Place> places_;
};

} // namespace zeb::machineview::views
