#pragma once
#include "core/Zeb.h"
#include "mainwindow/views/KeepClear.h"

#include <QList>
#include <QRect>
#include <QWidget>

#include <functional>

namespace zeb::views {

// The interrupt keyboard: 37 keys that raise the interrupt line.
class KeyboardWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kKeys = 37;

    // Where the window must not stand when it is first shown, in screen
    // coordinates.
    std::function<KeepClear()> keepClear;

    KeyboardWindow(Zeb& zeb, QWidget* parent);

    static QString caption(int index);
    // The key for a typed letter, digit or blank; -1 for any other character.
    static int keyIndexOf(QChar typed);
    // Shown or hidden as the Options menu's switch says.
    void follow();
    // Takes its place the first time, shown or not yet; then stays where
    // the student leaves it.
    void placeOnce();
    bool placed() const { return placed_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Typed letters, digits and the blank press their keys.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Presses the key of a typed letter, digit or blank; false for any other key.
    bool typed(QKeyEvent* event);

    Zeb& zeb_;
    bool placed_ = false;
};

} // namespace zeb::views
