#pragma once
#include "ui/DrawnText.h"

#include <QColor>
#include <QLabel>

namespace zeb::ui {

// A text shown as its drawing, made beforehand, so that showing it loads no
// font: painted in the label's text colour at the screen's ratio. Screen
// readers read it as its text.
class TextPicture : public QLabel {
    Q_OBJECT
  public:
    TextPicture(const QString& text, const DrawnText& drawing, QWidget* parent);

    const QString& shownText() const { return text_; }

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Unless it already is for this ratio and colour.
    void paintPicture();

    QString text_;
    const DrawnText& drawing_;
    qreal paintedRatio_ = 0;
    QColor paintedColour_;
};

} // namespace zeb::ui
