#include "help/views/HelpBrowser.h"

#include <QDesktopServices>
#include <QHelpEngineCore>

namespace zeb::help::views {

HelpBrowser::HelpBrowser(QHelpEngineCore& engine, QWidget* parent)
    : QTextBrowser(parent), engine_(engine) {
    // A caret the arrow keys move line by line, which a screen reader
    // follows and reads: without it the keys only scroll the page.
    setTextInteractionFlags(textInteractionFlags() | Qt::TextSelectableByKeyboard);
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    if (!name.isRelative() && name.scheme() != QLatin1String("qthelp")) {
        QDesktopServices::openUrl(name);
        return;
    }
    QTextBrowser::doSetSource(name, type);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == QLatin1String("qthelp")) return engine_.fileData(name);
    return QTextBrowser::loadResource(type, name);
}

} // namespace zeb::help::views
