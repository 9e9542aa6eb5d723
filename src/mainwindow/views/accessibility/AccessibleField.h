#pragma once
#include <QAccessibleWidget>

namespace zeb::views {

class FieldPanel;

// A memory cell or register as a screen reader meets it: its name and what
// it holds in one text ("Memory cell 12, operator, LDA"), the value on its
// own, and whether it is the editing cursor or the executing cell.
class AccessibleField : public QAccessibleWidget {
  public:
    explicit AccessibleField(FieldPanel* field);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QAccessible::Role role() const override;

  private:
    FieldPanel* field() const;
};

} // namespace zeb::views
