#include "mainwindow/views/InputWindow.h"

#include "mainwindow/views/Artwork.h"
#include "mainwindow/views/fields/FieldPanel.h"
#include "ui/CentreForm.h"
#include "ui/SmallWindow.h"

#include <QEventLoop>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace zeb::views {

namespace {

// The delete button is a picture of an arrow.
class ArrowButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPushButton::paintEvent(event);
        QPainter p(this);
        drawLeftArrow(p, QRectF(rect()).adjusted(4, 4, -4, -4));
    }
};

} // namespace

InputWindow::InputWindow(InputPad& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName(QStringLiteral("FrmInput"));
    setWindowTitle(QStringLiteral("Input"));
    setAccessibleName(QStringLiteral("Input"));
    // What a screen reader says as the window opens; the window shows no
    // prompt of its own.
    setAccessibleDescription(QStringLiteral("The program asks for a number: type its digits, "
                                            "then press Enter"));
    auto* grid = new QGridLayout(this);
    grid->setSpacing(4);
    display_ = new FieldPanel(this);
    display_->setObjectName(QStringLiteral("PnlInput"));
    display_->setAccessibleName(QStringLiteral("Number entered"));
    display_->setAlignment(Qt::AlignRight);
    display_->setBackground(Qt::white);
    QFont big = font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    display_->setFont(big);
    display_->setMinimumHeight(QFontMetrics(big).height() + 10);
    grid->addWidget(display_, 0, 0, 1, 3);

    auto digit = [this](int d) {
        auto* b = new QPushButton(QString::number(d), this);
        b->setObjectName(QStringLiteral("CmdNumber_%1").arg(d));
        b->setAccessibleName(QStringLiteral("Digit %1").arg(d));
        b->setAutoDefault(false);
        b->setMinimumSize(40, 32);
        connect(b, &QPushButton::clicked, this, [this, d] {
            model_.pressDigit(d);
            showEntry();
        });
        return b;
    };
    for (int d = 1; d <= 9; ++d)
        grid->addWidget(digit(d), 1 + (9 - d) / 3, (d - 1) % 3);
    grid->addWidget(digit(0), 4, 0);
    auto* erase = new ArrowButton(this);
    erase->setObjectName(QStringLiteral("Command3D1"));
    erase->setAccessibleName(QStringLiteral("Delete last digit"));
    erase->setAutoDefault(false);
    connect(erase, &QPushButton::clicked, this, [this] {
        model_.deleteLastDigit();
        showEntry();
    });
    grid->addWidget(erase, 4, 1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setAccessibleName(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        model_.accept();
        accept();
    });
    grid->addWidget(ok, 4, 2);
    // Above every other window of the program: it takes the student's typing.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    ui::makeSmallFixedWindow(this);
}

void InputWindow::placeOnce() {
    if (placed_) return;
    ui::centreForm(this, 7, 8);
    placed_ = true;
}

QRect InputWindow::displayArea(const QMargins& frame) {
    placeOnce();
    const QRect outer = isVisible() ? frameGeometry() : geometry().marginsAdded(frame);
    const QRect display(geometry().topLeft() + display_->geometry().topLeft(), display_->size());
    return QRect(outer.topLeft(), QPoint(outer.right(), display.bottom()));
}

QRect InputWindow::frameArea(const QMargins& frame) {
    placeOnce();
    return isVisible() ? frameGeometry() : geometry().marginsAdded(frame);
}

void InputWindow::showEntry() {
    display_->setText(QString::fromStdString(model_.display()));
}

std::string InputWindow::askNumber() {
    placeOnce();
    model_.startEntry();
    showEntry();
    // Waits in its own event loop rather than exec(): the caller blocks the
    // other windows itself, so that the main window's close box still ends
    // the program while a number is awaited.
    QEventLoop wait;
    const auto done = connect(this, &QDialog::finished, &wait, &QEventLoop::quit);
    show();
    raise();
    activateWindow();
    wait.exec();
    disconnect(done);
    // Typing goes on in the main window, not in a device window on top.
    if (QWidget* owner = parentWidget(); owner && owner->isVisible())
        owner->window()->activateWindow();
    return model_.enteredText();
}

void InputWindow::keyPressEvent(QKeyEvent* event) {
    // Typed digits work like the buttons.
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        model_.pressDigit(key - Qt::Key_0);
        showEntry();
    } else if (key == Qt::Key_Backspace) {
        model_.deleteLastDigit();
        showEntry();
    } else if (key == Qt::Key_Escape) {
        // Only OK leaves with a number; Escape closes like the close box.
        reject();
    } else {
        QDialog::keyPressEvent(event);
    }
}

} // namespace zeb::views
