#pragma once
#include "core/Preferences.h"
#include "teaching/TruthTable.h"
#include "ui/GateSymbol.h"

#include <QLabel>
#include <QPolygon>
#include <QPushButton>

#include <initializer_list>

class QDialog;

namespace zeb::ui {
class DiagramFrame;
class TruthGrid;
class ValuePanel;
} // namespace zeb::ui

// Small builders shared by the demonstration frames. Positions are
// device-independent pixels inside the frame (or panel) given as parent.
namespace zeb::teaching::views {

inline constexpr int kBitWidth = 28;
inline constexpr int kBitHeight = 24;

// Control arrays are named name_index.
QString indexedName(const char* name, int index);
// Wires are named after their line number.
QString lineName(int number);

// "Next", "Cancel" and "Help" along the bottom right of a teaching window, with
// their right edge at `right`. Cancel hides the window; Help starts disabled
// and the program connects it to its help. Returns "Next" for the window to wire up.
QPushButton* addWindowButtons(QDialog* window, int top, int right);

ui::ValuePanel* addBitPanel(QWidget* parent, const QString& name, QPoint topLeft,
                            const QString& role);
ui::ValuePanel* addBox(QWidget* parent, const QString& name, const QRect& rect,
                       const QString& caption, Colour colour, const QString& role);
QLabel* addText(QWidget* parent, const QString& text, const QRect& rect,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
ui::GateSymbol* addGate(QWidget* parent, const QString& name, ui::GateShape shape,
                        const QRect& rect);
ui::TruthGrid* addGrid(QWidget* parent, const QString& name, const TruthTable& table,
                       QPoint topLeft, int columnWidth, int rowHeight = 20);

// A fixed black wire, or one the frame recolours later by its name.
void addLine(ui::DiagramFrame* frame, const QString& name,
             std::initializer_list<std::initializer_list<QPoint>> paths,
             std::initializer_list<QPoint> dots = {});

void showBit(ui::ValuePanel* panel, bool bit);
// Lit wires are drawn a little wider, so they still stand out in any colour.
void colourWire(ui::DiagramFrame* frame, const QString& name, Colour colour);

// Mid-points of a widget's edges, in its parent's coordinates.
QPoint leftOf(const QWidget* w);
QPoint rightOf(const QWidget* w);
QPoint topOf(const QWidget* w);
QPoint bottomOf(const QWidget* w);

} // namespace zeb::teaching::views
