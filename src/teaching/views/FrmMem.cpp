#include "teaching/views/FrmMem.h"

#include "teaching/views/AddressedMemoryFrame.h"
#include "teaching/views/DecoderFrame.h"
#include "teaching/views/DiagramParts.h"
#include "teaching/views/FourBitMemoryFrame.h"
#include "ui/ColourConversion.h"
#include "ui/Twips.h"

#include <QEvent>
#include <QPushButton>

namespace zeb::teaching::views {

namespace {

constexpr QRect kFrameArea{8, 4, 469, 410};

} // namespace

FrmMem::FrmMem(QWidget* parent, const zeb::Preferences& preferences)
    : QDialog(parent), model_(preferences) {
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

    fourBit_ = new FourBitMemoryFrame(model_.fourBit(), this);
    decoder_ = new DecoderFrame(model_.decoder(), this);
    addressed_ = new AddressedMemoryFrame(model_.addressed(), this);
    for (QWidget* frame : std::initializer_list<QWidget*>{fourBit_, decoder_, addressed_}) {
        frame->setGeometry(kFrameArea);
        frame->hide();
    }
    connect(fourBit_, &FourBitMemoryFrame::changed, this, &FrmMem::refresh);
    connect(decoder_, &DecoderFrame::changed, this, &FrmMem::refresh);
    connect(addressed_, &AddressedMemoryFrame::changed, this, &FrmMem::refresh);
    connect(addressed_, &AddressedMemoryFrame::decoderRequested, this, [this] {
        model_.openDecoder();
        refresh();
    });

    auto* next = addWindowButtons(this, 424, 477);
    connect(next, &QPushButton::clicked, this, [this] {
        model_.next();
        refresh();
    });
}

bool FrmMem::event(QEvent* event) {
    // Every time the window becomes active it starts again at the 4-bit memory.
    if (event->type() == QEvent::WindowActivate) {
        model_.activate();
        refresh();
    }
    return QDialog::event(event);
}

void FrmMem::refresh() {
    const auto visible = model_.visibleFrame();
    fourBit_->setVisible(visible == MemoryFrame::FourBitMemory);
    decoder_->setVisible(visible == MemoryFrame::Decoder);
    addressed_->setVisible(visible == MemoryFrame::AddressedMemory);
    fourBit_->refresh();
    decoder_->refresh();
    addressed_->refresh();
}

} // namespace zeb::teaching::views
