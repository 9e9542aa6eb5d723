#include "help/views/LoadedHelp.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace zeb::help::views {

namespace {
using CreateHelp = HelpService* (*)(QWidget*, const HelpOptions*);
} // namespace

LoadedHelp::LoadedHelp(QWidget* owner, HelpOptions options)
    : owner_(owner), options_(std::move(options)), library_(QStringLiteral("zeb_help_module")) {}

LoadedHelp::~LoadedHelp() = default;

HelpService* LoadedHelp::help() {
    if (help_) return help_.get();
    const auto create = reinterpret_cast<CreateHelp>(library_.resolve("zebCreateHelp"));
    if (!create) {
        const QString text =
            QStringLiteral("ZEB's help could not be loaded: %1").arg(library_.error());
        if (options_.report)
            options_.report(text);
        else
            QMessageBox::warning(owner_, QStringLiteral("ZEB"), text);
        return nullptr;
    }
    help_.reset(create(owner_, &options_));
    return help_.get();
}

void LoadedHelp::contents() {
    if (HelpService* h = help()) h->contents();
}

void LoadedHelp::showTopic(std::string_view keyword) {
    if (HelpService* h = help()) h->showTopic(keyword);
}

void LoadedHelp::searchKeyword(std::string_view keyword) {
    if (HelpService* h = help()) h->searchKeyword(keyword);
}

void LoadedHelp::helpOnHelp() {
    if (HelpService* h = help()) h->helpOnHelp();
}

void LoadedHelp::startGuide() {
    if (HelpService* h = help()) h->startGuide();
}

void LoadedHelp::attachHelpButton(QAbstractButton* button, std::string_view keyword) {
    // Connected here, so that a window with a Help button loads no help
    // until the button is pressed.
    if (!button) return;
    button->setEnabled(true);
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [this, keyword = std::string(keyword)] { searchKeyword(keyword); });
}

HelpWindow* LoadedHelp::window() const {
    return help_ ? help_->window() : nullptr;
}

} // namespace zeb::help::views
