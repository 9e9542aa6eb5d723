#pragma once
#include <QAbstractButton>

namespace zeb::views {

// A keypad button: its instruction label above its number, or the delete
// arrow. The face is drawn, so it is sharp at any scale.
class KeypadButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit KeypadButton(QWidget* parent = nullptr);

    // The instruction label on the face of pad 0..15 ("AC\u00d7", "JU-").
    static QString instructionLabel(int pad);

    void setFace(const QString& label, const QString& number);
    void setArrowFace();
    QString label() const { return label_; }
    QString number() const { return number_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString label_;
    QString number_;
    bool arrow_ = false;
};

} // namespace zeb::views
