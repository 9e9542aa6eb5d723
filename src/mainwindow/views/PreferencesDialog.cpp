#include "mainwindow/views/PreferencesDialog.h"

#include "core/views/FontConversion.h"
#include "ui/ColourConversion.h"
#include "ui/SmallWindow.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeb::views {

namespace {
QPushButton* namedButton(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QLatin1String(name));
    return b;
}
} // namespace

QFont PreferencesDialog::toQFont(const Font& font) {
    return core::views::toQFont(font, 8.25);
}

PreferencesDialog::PreferencesDialog(Preferences& preferences, std::function<void()> applied,
                                     QWidget* parent)
    : QDialog(parent), model_(preferences), applied_(std::move(applied)) {
    setObjectName(QStringLiteral("FrmPref"));
    setWindowTitle(QStringLiteral("Preferences"));
    setModal(true);

    colourDialog = [this](Colour initial) -> std::optional<Colour> {
        const QColor c = QColorDialog::getColor(ui::toQColor(initial), this,
                                                QStringLiteral("Action Highlight Colour"));
        if (!c.isValid()) return std::nullopt;
        return ui::fromQColor(c);
    };
    fontDialog = [this](const QFont& initial) -> std::optional<QFont> {
        bool ok = false;
        const QFont f =
            QFontDialog::getFont(&ok, initial, this, QStringLiteral("Memory Cell Font"));
        if (!ok) return std::nullopt;
        return f;
    };

    highlightSample_ = new QLabel(this);
    highlightSample_->setObjectName(QStringLiteral("highlightSample"));
    highlightSample_->setAccessibleName(QStringLiteral("Sample of the highlight colour"));
    highlightSample_->setFrameShape(QFrame::Box);
    highlightSample_->setAutoFillBackground(true);
    highlightSample_->setMinimumSize(80, 24);
    fontSample_ = new QLabel(QStringLiteral("AaBb123"), this);
    fontSample_->setObjectName(QStringLiteral("fontSample"));
    fontSample_->setAccessibleName(QStringLiteral("Sample of the memory cell font"));
    fontSample_->setFrameShape(QFrame::Box);
    fontSample_->setAlignment(Qt::AlignCenter);
    fontSample_->setMinimumSize(80, 24);
    soundOn_ = new QCheckBox(QStringLiteral("Sound on"), this);
    soundOn_->setObjectName(QStringLiteral("ChkSound"));

    auto* colour = namedButton(this, "Command3", "Action Highlight Colour");
    auto* font = namedButton(this, "Command4", "Memory Cell Font");
    auto* ok = namedButton(this, "Command2", "OK");
    auto* cancel = namedButton(this, "Command1", "Cancel");
    ok->setDefault(true);
    connect(colour, &QPushButton::clicked, this, [this] { chooseHighlightColour(); });
    connect(font, &QPushButton::clicked, this, [this] { chooseMemoryFont(); });
    connect(ok, &QPushButton::clicked, this, [this] { applyChoices(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(highlightSample_, 0, 0);
    grid->addWidget(colour, 0, 1);
    grid->addWidget(fontSample_, 1, 0);
    grid->addWidget(font, 1, 1);
    grid->addWidget(soundOn_, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    ui::makeSmallFixedWindow(this);
}

void PreferencesDialog::showEvent(QShowEvent* event) {
    model_.load();
    showChoices();
    QDialog::showEvent(event);
}

void PreferencesDialog::showChoices() {
    QPalette palette = highlightSample_->palette();
    palette.setColor(QPalette::Window, ui::toQColor(model_.highlightSample));
    highlightSample_->setPalette(palette);
    fontSample_->setFont(toQFont(model_.fontSample));
    soundOn_->setChecked(model_.soundOn);
}

void PreferencesDialog::chooseHighlightColour() {
    model_.chooseHighlightColour(colourDialog(model_.highlightSample));
    showChoices();
}

void PreferencesDialog::chooseMemoryFont() {
    model_.soundOn = soundOn_->isChecked();
    const Font start = model_.fontChooserStart();
    showChoices();
    const std::optional<QFont> chosen = fontDialog(toQFont(start));
    if (chosen) model_.chooseFont(core::views::fromQFont(*chosen));
    showChoices();
}

void PreferencesDialog::applyChoices() {
    model_.soundOn = soundOn_->isChecked();
    model_.accept();
    hide();
    if (applied_) applied_();
}

} // namespace zeb::views
