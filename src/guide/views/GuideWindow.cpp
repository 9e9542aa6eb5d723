#include "guide/views/GuideWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace zeb::guide::views {

namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The smallest the picture shrinks to: the window then fits every screen.
constexpr QSize kSmallestPicture(320, 200);

// Room for the largest picture, so the buttons stay put from page to page.
QSize pictureArea() {
    QSize area;
    for (const GuidePage& page : GuideTour::pages())
        area = area.expandedTo(QPixmap(QStringLiteral(":/tour/") + text(page.picture)).size());
    return area;
}

} // namespace

GuideWindow::GuideWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ZebGuide"));
    setWindowTitle(QStringLiteral("ZEB Guide"));

    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("GuideTitle"));
    QFont big = title_->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    title_->setFont(big);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("GuidePicture"));
    picture_->setAlignment(Qt::AlignCenter);
    // Its size comes from the window, not from the picture.
    picture_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    picture_->setMinimumSize(kSmallestPicture);

    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("GuideCaption"));
    caption_->setWordWrap(true);
    caption_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Three lines of caption on every page.
    caption_->setMinimumHeight(caption_->fontMetrics().lineSpacing() * 3 + 4);

    position_ = new QLabel(this);
    position_->setObjectName(QStringLiteral("GuidePosition"));
    backButton_ = new QPushButton(QStringLiteral("< &Back"), this);
    backButton_->setObjectName(QStringLiteral("GuideBack"));
    nextButton_ = new QPushButton(QStringLiteral("&Next >"), this);
    nextButton_->setObjectName(QStringLiteral("GuideNext"));
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("GuideClose"));
    connect(backButton_, &QPushButton::clicked, this, [this] {
        tour_.back();
        showPage();
    });
    connect(nextButton_, &QPushButton::clicked, this, [this] {
        tour_.next();
        showPage();
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(position_);
    buttons->addStretch(1);
    buttons->addWidget(backButton_);
    buttons->addWidget(nextButton_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(picture_, 1);
    layout->addWidget(caption_);
    layout->addLayout(buttons);

    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Right), QKeySequence(Qt::Key_PageDown), QKeySequence(Qt::Key_Down)})
        addShortcut(key, &GuideTour::next);
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_PageUp),
                                    QKeySequence(Qt::Key_Up), QKeySequence(Qt::Key_Backspace)})
        addShortcut(key, &GuideTour::back);
    addShortcut(QKeySequence(Qt::Key_Home), &GuideTour::first);
    addShortcut(QKeySequence(Qt::Key_End), &GuideTour::last);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    showPage();
    nextButton_->setFocus();
    // Room for the largest picture where the screen has it, so the buttons
    // stay put from page to page; on a small screen the pictures shrink.
    resize(sizeHint() + pictureArea() - kSmallestPicture);
    if (const QScreen* where = screen())
        resize(size().boundedTo(where->availableGeometry().size() * 9 / 10));
}

void GuideWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitPicture();
}

void GuideWindow::fitPicture() {
    const QSize room = picture_->contentsRect().size();
    const bool tooLarge =
        fullPicture_.width() > room.width() || fullPicture_.height() > room.height();
    picture_->setPixmap(tooLarge && !room.isEmpty() ? fullPicture_.scaled(room, Qt::KeepAspectRatio,
                                                                          Qt::SmoothTransformation)
                                                    : fullPicture_);
}

void GuideWindow::addShortcut(const QKeySequence& key, void (GuideTour::*move)()) {
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, this, [this, move] {
        (tour_.*move)();
        showPage();
    });
}

void GuideWindow::showPage() {
    const GuidePage& page = tour_.page();
    title_->setText(text(page.title));
    fullPicture_ = QPixmap(QStringLiteral(":/tour/") + text(page.picture));
    fitPicture();
    picture_->setAccessibleName(text(page.title));
    caption_->setText(text(page.caption));
    position_->setText(QStringLiteral("%1 of %2").arg(tour_.index() + 1).arg(tour_.size()));
    backButton_->setEnabled(tour_.canGoBack());
    nextButton_->setEnabled(tour_.canGoForward());
}

} // namespace zeb::guide::views
