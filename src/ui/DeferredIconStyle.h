#pragma once
#include <QProxyStyle>

namespace zeb::ui {

// The application's style, but the menu bar's extension icons are read from
// their image files only when one is drawn. Every menu bar asks for them when
// it is made; reading them then loads every image-format plugin of Qt to
// find out what the file is, memory a session that never shows the
// extension button has no use for.
class DeferredIconStyle : public QProxyStyle {
  public:
    // `key` names the style to wrap (QStyle::name()).
    explicit DeferredIconStyle(const QString& key);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace zeb::ui
