#include "mainwindow/views/FrmPref.h"

#include "ui/ColourConversion.h"
#include "ui/Fonts.h"

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
QPushButton* NamedButton(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QLatin1String(name));
    return b;
}
} // namespace

QFont FrmPref::ToQFont(const FontChoice& f) {
    return ui::MakeFont(f.name, f.size, f.bold, f.italic, f.strikethru, f.underline, 8.25);
}

FrmPref::FrmPref(Preferences& preferences, std::function<void()> applied, QWidget* parent)
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

    lblHighlightColour_ = new QLabel(this);
    lblHighlightColour_->setObjectName(QStringLiteral("highlightSample"));
    lblHighlightColour_->setAccessibleName(QStringLiteral("Sample of the highlight colour"));
    lblHighlightColour_->setFrameShape(QFrame::Box);
    lblHighlightColour_->setAutoFillBackground(true);
    lblHighlightColour_->setMinimumSize(80, 24);
    lblFont_ = new QLabel(QStringLiteral("AaBb123"), this);
    lblFont_->setObjectName(QStringLiteral("fontSample"));
    lblFont_->setAccessibleName(QStringLiteral("Sample of the memory cell font"));
    lblFont_->setFrameShape(QFrame::Box);
    lblFont_->setAlignment(Qt::AlignCenter);
    lblFont_->setMinimumSize(80, 24);
    ChkSound_ = new QCheckBox(QStringLiteral("Sound on"), this);
    ChkSound_->setObjectName(QStringLiteral("ChkSound"));

    auto* colour = NamedButton(this, "Command3", "Action Highlight Colour");
    auto* font = NamedButton(this, "Command4", "Memory Cell Font");
    auto* ok = NamedButton(this, "Command2", "OK");
    auto* cancel = NamedButton(this, "Command1", "Cancel");
    ok->setDefault(true);
    connect(colour, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(font, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(ok, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(lblHighlightColour_, 0, 0);
    grid->addWidget(colour, 0, 1);
    grid->addWidget(lblFont_, 1, 0);
    grid->addWidget(font, 1, 1);
    grid->addWidget(ChkSound_, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void FrmPref::showEvent(QShowEvent* event) {
    model_.load();
    Show();
    QDialog::showEvent(event);
}

void FrmPref::Show() {
    QPalette palette = lblHighlightColour_->palette();
    palette.setColor(QPalette::Window, ui::toQColor(model_.highlightSample));
    lblHighlightColour_->setPalette(palette);
    lblFont_->setFont(ToQFont(model_.fontSample));
    ChkSound_->setChecked(model_.soundOn);
}

void FrmPref::Command3_Click() {
    model_.chooseHighlightColour(colourDialog(model_.highlightSample));
    Show();
}

void FrmPref::Command4_Click() {
    model_.soundOn = ChkSound_->isChecked();
    const FontChoice start = model_.fontChooserStart();
    Show();
    const std::optional<QFont> chosen = fontDialog(ToQFont(start));
    if (chosen)
        model_.chooseFont(FontChoice{chosen->family().toStdString(), chosen->pointSizeF(),
                                     chosen->bold(), chosen->italic(), chosen->strikeOut(),
                                     chosen->underline()});
    Show();
}

void FrmPref::Command2_Click() {
    model_.soundOn = ChkSound_->isChecked();
    model_.accept();
    hide();
    if (applied_) applied_();
}

} // namespace zeb::views
