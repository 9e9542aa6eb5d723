#pragma once
#include <QColor>
#include <QWidget>

namespace zeb::machineview::views {

// A flat coloured box of the diagram with its text in black: a register, the
// decoders, the ALU or the explanation. Clicks are reported; Space and Enter
// click it from the keyboard.
class DiagramPanel : public QWidget {
    Q_OBJECT
  public:
    DiagramPanel(const QString& role, const QColor& background, QWidget* parent);

    QString text() const { return text_; }
    void setText(const QString& text);
    // Long texts wrap and start at the top left (the explanation).
    void setWrapping(bool wrapping) { wrapping_ = wrapping; }

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QString role_;
    QString text_;
    QColor background_;
    bool wrapping_ = false;
};

} // namespace zeb::machineview::views
