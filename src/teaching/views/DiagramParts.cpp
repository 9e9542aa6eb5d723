#include "teaching/views/DiagramParts.h"

#include "ui/ColourConversion.h"
#include "ui/DiagramFrame.h"
#include "ui/TruthGrid.h"
#include "ui/ValuePanel.h"

#include <QDialog>

namespace zeb::teaching::views {

QString indexedName(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QString lineName(int number) {
    return QStringLiteral("Line%1").arg(number);
}

QPushButton* addWindowButtons(QDialog* window, int top, int right) {
    const char* names[] = {"Command2", "Command1", "Command3"};
    const char* texts[] = {"Next", "Cancel", "Help"};
    QPushButton* buttons[3];
    for (int i = 0; i < 3; ++i) {
        buttons[i] = new QPushButton(QLatin1String(texts[i]), window);
        buttons[i]->setObjectName(QLatin1String(names[i]));
        buttons[i]->setGeometry(right - 75 - (2 - i) * 82, top, 75, 26);
        buttons[i]->setAutoDefault(false);
    }
    QObject::connect(buttons[1], &QPushButton::clicked, window, &QDialog::reject);
    buttons[2]->setEnabled(false);
    return buttons[0];
}

ui::ValuePanel* addBitPanel(QWidget* parent, const QString& name, QPoint topLeft,
                            const QString& role) {
    auto* panel = new ui::ValuePanel(parent);
    panel->setObjectName(name);
    panel->setGeometry(QRect(topLeft, QSize(kBitWidth, kBitHeight)));
    QFont f = panel->font();
    f.setBold(true);
    f.setPixelSize(15);
    panel->setFont(f);
    panel->setBackground(ui::toQColor(kGrey));
    panel->setRole(role);
    panel->setCaption(QStringLiteral("0"));
    return panel;
}

ui::ValuePanel* addBox(QWidget* parent, const QString& name, const QRect& rect,
                       const QString& caption, Colour colour, const QString& role) {
    auto* box = new ui::ValuePanel(parent);
    box->setObjectName(name);
    box->setGeometry(rect);
    box->setBackground(ui::toQColor(colour));
    box->setCaption(caption);
    box->setAccessibleName(role);
    box->setFocusPolicy(Qt::NoFocus);
    box->setCursor(Qt::ArrowCursor);
    return box;
}

QLabel* addText(QWidget* parent, const QString& text, const QRect& rect, Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(rect);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

ui::GateSymbol* addGate(QWidget* parent, const QString& name, ui::GateShape shape,
                        const QRect& rect) {
    auto* gate = new ui::GateSymbol(shape, parent);
    gate->setObjectName(name);
    gate->setGeometry(rect);
    return gate;
}

ui::TruthGrid* addGrid(QWidget* parent, const QString& name, const TruthTable& table,
                       QPoint topLeft, int columnWidth, int rowHeight) {
    auto* grid = new ui::TruthGrid(parent);
    grid->setObjectName(name);
    QList<QStringList> rows;
    for (const auto& row : table) {
        QStringList cells;
        for (const auto& cell : row)
            cells << QString::fromStdString(cell);
        rows << cells;
    }
    grid->setTable(rows, columnWidth, rowHeight);
    grid->move(topLeft);
    grid->setAccessibleName(QStringLiteral("Truth table"));
    return grid;
}

void addLine(ui::DiagramFrame* frame, const QString& name,
             std::initializer_list<std::initializer_list<QPoint>> paths,
             std::initializer_list<QPoint> dots) {
    ui::WireLine wire;
    wire.name = name;
    for (const auto& path : paths)
        wire.paths << QPolygon(QList<QPoint>(path));
    wire.dots = QList<QPoint>(dots);
    frame->addWire(std::move(wire));
}

void showBit(ui::ValuePanel* panel, bool bit) {
    panel->setCaption(QLatin1String(bitText(bit)));
}

void colourWire(ui::DiagramFrame* frame, const QString& name, Colour colour) {
    frame->setWirePen(name, ui::toQColor(colour), colour == kBlack ? 2 : 3);
}

QPoint leftOf(const QWidget* w) {
    return {w->x(), w->y() + w->height() / 2};
}
QPoint rightOf(const QWidget* w) {
    return {w->x() + w->width(), w->y() + w->height() / 2};
}
QPoint topOf(const QWidget* w) {
    return {w->x() + w->width() / 2, w->y()};
}
QPoint bottomOf(const QWidget* w) {
    return {w->x() + w->width() / 2, w->y() + w->height()};
}

} // namespace zeb::teaching::views
