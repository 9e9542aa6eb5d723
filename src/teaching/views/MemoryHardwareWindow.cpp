#include "teaching/views/MemoryHardwareWindow.h"

#include "teaching/views/ActivationWatcher.h"
#include "teaching/views/AddressedMemoryFrame.h"
#include "teaching/views/DecoderFrame.h"
#include "teaching/views/DiagramParts.h"
#include "teaching/views/FourBitMemoryFrame.h"
#include "ui/CentreForm.h"
#include "ui/ColourConversion.h"
#include "ui/Twips.h"

#include <QEvent>
#include <QPushButton>
#include <QShowEvent>

namespace zeb::teaching::views {

namespace {

constexpr QRect kFrameArea{8, 4, 469, 410};

} // namespace

MemoryHardwareWindow::MemoryHardwareWindow(QWidget* parent, const zeb::Preferences& preferences)
    : QDialog(parent), model_(preferences), activation_(new ActivationWatcher(this)) {
    setObjectName(QStringLiteral("FrmMem"));
    setWindowTitle(QStringLiteral("Memory"));
    setFixedSize(ui::twipsToPixels(7275), ui::twipsToPixels(6885));
    QFont f = font();
    f.setPixelSize(12);
    setFont(f);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ui::toQColor(kGrey));
    setPalette(pal);

    fourBitMemoryFrame_ = new FourBitMemoryFrame(model_.fourBitMemory(), this);
    decoderFrame_ = new DecoderFrame(model_.decoder(), this);
    addressedMemoryFrame_ = new AddressedMemoryFrame(model_.addressedMemory(), this);
    for (QWidget* frame : std::initializer_list<QWidget*>{fourBitMemoryFrame_, decoderFrame_,
                                                          addressedMemoryFrame_}) {
        frame->setGeometry(kFrameArea);
        frame->hide();
    }
    connect(fourBitMemoryFrame_, &FourBitMemoryFrame::changed, this,
            &MemoryHardwareWindow::refresh);
    connect(decoderFrame_, &DecoderFrame::changed, this, &MemoryHardwareWindow::refresh);
    connect(addressedMemoryFrame_, &AddressedMemoryFrame::changed, this,
            &MemoryHardwareWindow::refresh);
    connect(addressedMemoryFrame_, &AddressedMemoryFrame::decoderRequested, this, [this] {
        model_.openDecoder();
        refresh();
    });

    auto* nextButton = addWindowButtons(this, 424, 477);
    connect(nextButton, &QPushButton::clicked, this, [this] {
        model_.next();
        refresh();
    });
}

bool MemoryHardwareWindow::event(QEvent* event) {
    // Coming back to the window from another window of this program starts
    // again at the 4-bit memory; coming back from another application changes nothing.
    if (event->type() == QEvent::WindowActivate && activation_->cameFromOwnWindow())
        showFirstDemonstration();
    return QDialog::event(event);
}

void MemoryHardwareWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    // Every opening centres the window on the screen, wherever the main window is.
    ui::centreForm(this, 5, 5);
    showFirstDemonstration();
}

void MemoryHardwareWindow::showFirstDemonstration() {
    model_.showFirst();
    refresh();
}

void MemoryHardwareWindow::refresh() {
    const auto visible = model_.visibleFrame();
    fourBitMemoryFrame_->setVisible(visible == MemoryFrame::FourBitMemory);
    decoderFrame_->setVisible(visible == MemoryFrame::Decoder);
    addressedMemoryFrame_->setVisible(visible == MemoryFrame::AddressedMemory);
    fourBitMemoryFrame_->refresh();
    decoderFrame_->refresh();
    addressedMemoryFrame_->refresh();
}

} // namespace zeb::teaching::views
