#include "mainwindow/views/FrmKeyB.h"

#include "ui/CentreForm.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QPushButton>

namespace zeb::views {

namespace {
// Keys in the rows of a typewriter; indices are those of the captions.
constexpr const char* kRows[] = {"1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};

int IndexOf(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    return 27 + (c - '0');
}
} // namespace

QString FrmKeyB::Caption(int index) {
    if (index >= 0 && index <= 25) return QString(QChar('A' + index));
    if (index == 26) return {};
    return QString(QChar('0' + index - 27));
}

FrmKeyB::FrmKeyB(Zeb& zeb, QWidget* parent) : QWidget(parent, Qt::Window), zeb_(zeb) {
    setObjectName(QStringLiteral("FrmKeyB"));
    setWindowTitle(QStringLiteral("Keyboard"));
    setAccessibleName(QStringLiteral("Interrupt keyboard"));
    auto* grid = new QGridLayout(this);
    grid->setSpacing(3);
    grid->setContentsMargins(8, 8, 8, 8);
    // Half-key columns: a key spans two of them.
    for (int c = 0; c < 21; ++c)
        grid->setColumnMinimumWidth(c, 17);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    auto key = [this](int index) {
        auto* b = new QPushButton(Caption(index), this);
        b->setObjectName(QStringLiteral("cmdKey_%1").arg(index));
        b->setAccessibleName(index == 26 ? QStringLiteral("Key space")
                                         : QStringLiteral("Key %1").arg(Caption(index)));
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedHeight(30);
        b->setMinimumWidth(1);
        b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        connect(b, &QPushButton::clicked, this, [this, index] { zeb_.stack.pressKey(index); });
        return b;
    };
    // Each row is half a key further right than the one above, as on a keyboard.
    int row = 0;
    for (const char* keys : kRows) {
        int column = row;
        for (const char* c = keys; *c; ++c, column += 2)
            grid->addWidget(key(IndexOf(*c)), row, column, 1, 2);
        ++row;
    }
    grid->addWidget(key(26), row, 5, 1, 10);
    zeb_.observers.add(this);
}

FrmKeyB::~FrmKeyB() {
    zeb_.observers.remove(this);
}

void FrmKeyB::displayChanged(DisplayItem item, int index) {
    if (item == DisplayItem::Flag && static_cast<Flag>(index) == Flag::KeyboardVisible) Follow();
}

void FrmKeyB::Follow() {
    const bool show = zeb_.display.get(Flag::KeyboardVisible);
    if (show && !placed_) {
        adjustSize();
        ui::CentreForm(this, 3, 8);
        placed_ = true;
    }
    setVisible(show);
}

void FrmKeyB::closeEvent(QCloseEvent* event) {
    // Closed by its close box: the interrupt device is switched off, as from
    // the Options menu.
    DisplayState& d = zeb_.display;
    if (d.get(Flag::KeyboardVisible)) {
        d.set(Flag::KeyboardVisible, false);
        d.set(Flag::InterruptShown, false);
        d.set(Flag::InterruptsChecked, false);
    }
    event->accept();
}

} // namespace zeb::views
