#pragma once
#include <QColor>
#include <QWidget>

namespace zeb::ui {

// A small raised box whose caption is its value ("0" or "1"), or a labelled
// box of a diagram. Clicks and double-clicks are reported; Space and Enter
// click it from the keyboard.
class ValuePanel : public QWidget {
    Q_OBJECT
  public:
    explicit ValuePanel(QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    // Background in the given colour, text black.
    void setBackground(const QColor& colour);
    QColor background() const { return background_; }

    // What the box stands for; the accessible name is the role and the caption.
    void setRole(const QString& role);

  signals:
    void clicked();
    void doubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void updateAccessibleName();

    QString caption_;
    QString role_;
    QColor background_{192, 192, 192};
    bool pressed_ = false;
};

} // namespace zeb::ui
