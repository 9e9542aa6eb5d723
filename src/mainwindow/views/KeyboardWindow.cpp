#include "mainwindow/views/KeyboardWindow.h"

#include "ui/CentreForm.h"
#include "ui/SmallWindow.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>

namespace zeb::views {

namespace {
// Keys in the rows of a typewriter; indices are those of the captions.
constexpr const char* kRows[] = {"1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};

} // namespace

int KeyboardWindow::keyIndexOf(QChar typed) {
    const char16_t c = typed.toUpper().unicode();
    if (c >= u'A' && c <= u'Z') return c - u'A';
    if (c == u' ') return 26;
    if (c >= u'0' && c <= u'9') return 27 + (c - u'0');
    return -1;
}

QString KeyboardWindow::caption(int index) {
    if (index >= 0 && index <= 25) return QString(QChar('A' + index));
    if (index == 26) return {};
    return QString(QChar('0' + index - 27));
}

KeyboardWindow::KeyboardWindow(Zeb& zeb, QWidget* parent) : QWidget(parent, Qt::Window), zeb_(zeb) {
    setObjectName(QStringLiteral("FrmKeyB"));
    setWindowTitle(QStringLiteral("Keyboard"));
    setAccessibleName(QStringLiteral("Interrupt keyboard"));
    setFocusPolicy(Qt::StrongFocus);
    auto* grid = new QGridLayout(this);
    grid->setSpacing(3);
    grid->setContentsMargins(8, 8, 8, 8);
    // Half-key columns: a key spans two of them.
    for (int c = 0; c < 21; ++c)
        grid->setColumnMinimumWidth(c, 17);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    auto key = [this](int index) {
        auto* b = new QPushButton(caption(index), this);
        b->setObjectName(QStringLiteral("cmdKey_%1").arg(index));
        b->setAccessibleName(index == 26 ? QStringLiteral("Key space")
                                         : QStringLiteral("Key %1").arg(caption(index)));
        // Reached with Tab; a click leaves the keyboard where it was.
        b->setFocusPolicy(Qt::TabFocus);
        b->setAutoDefault(false);
        b->setFixedHeight(30);
        b->setMinimumWidth(1);
        b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        connect(b, &QPushButton::clicked, this, [this, index] { zeb_.stack().pressKey(index); });
        // A key with the focus would take the space bar as a click on itself.
        b->installEventFilter(this);
        return b;
    };
    // Each row is half a key further right than the one above, as on a keyboard.
    int row = 0;
    for (const char* keys : kRows) {
        int column = row;
        for (const char* c = keys; *c; ++c, column += 2)
            grid->addWidget(key(keyIndexOf(QLatin1Char(*c))), row, column, 1, 2);
        ++row;
    }
    grid->addWidget(key(26), row, 5, 1, 10);
    ui::makeSmallFixedWindow(this);
    // Shown from the menu, it leaves the keyboard with the main window.
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void KeyboardWindow::placeOnce() {
    if (placed_) return;
    const KeepClear keep = keepClear ? keepClear() : KeepClear{};
    ui::centreFormClearOf(this, 3, 8, keep.inOrder());
    placed_ = true;
}

void KeyboardWindow::follow() {
    const bool show = zeb_.display().get(Flag::KeyboardVisible);
    if (show) placeOnce();
    setVisible(show);
}

void KeyboardWindow::closeEvent(QCloseEvent* event) {
    // Closed by its close box: the interrupt device is switched off, as from
    // the Options menu.
    DisplayState& d = zeb_.display();
    if (d.get(Flag::KeyboardVisible)) {
        d.set(Flag::KeyboardVisible, false);
        d.set(Flag::InterruptShown, false);
        d.set(Flag::InterruptsChecked, false);
    }
    event->accept();
}

bool KeyboardWindow::typed(QKeyEvent* event) {
    const QString text = event->text();
    const int index = text.size() == 1 ? keyIndexOf(text.front()) : -1;
    if (index < 0 || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
    if (auto* key = findChild<QPushButton*>(QStringLiteral("cmdKey_%1").arg(index))) key->click();
    return true;
}

void KeyboardWindow::keyPressEvent(QKeyEvent* event) {
    if (!typed(event)) QWidget::keyPressEvent(event);
}

bool KeyboardWindow::eventFilter(QObject* watched, QEvent* event) {
    // Every typed character is its own key, whichever key has the focus;
    // Enter, which has no key, presses none. The release of the space bar
    // would otherwise click the focused key.
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return true;
        if (typed(key)) return true;
        break;
    }
    case QEvent::KeyRelease: {
        const int k = static_cast<QKeyEvent*>(event)->key();
        if (k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter) return true;
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace zeb::views
