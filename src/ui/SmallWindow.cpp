#include "ui/SmallWindow.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#ifdef ZEB_HAVE_XCB
#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif

namespace zeb::ui {

namespace {

#ifdef ZEB_HAVE_XCB
// The X window as it is now: after a change of always-on-top level the
// window gets a new one, and the widget's own id stays the old one.
xcb_window_t xWindow(QWidget* window) {
    return static_cast<xcb_window_t>(window->windowHandle()->winId());
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return found;
}
#endif

// Some X11 window managers give every dialog and utility window a minimise
// and a maximise button, whatever the window asks for; minimising one hides
// its owner, the main window, with it. They give a tool bar neither: a small
// window says it is one before it is mapped, and again whenever Qt has told
// the window manager its type afresh.
void tellToolBarType(QWidget* window) {
#ifdef ZEB_HAVE_XCB
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !window->windowHandle()) return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return;
    const xcb_atom_t toolBar = atom(c, "_NET_WM_WINDOW_TYPE_TOOLBAR");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, xWindow(window), atom(c, "_NET_WM_WINDOW_TYPE"),
                        XCB_ATOM_ATOM, 32, 1, &toolBar);
    xcb_flush(c);
#else
    Q_UNUSED(window);
#endif
}

#ifdef ZEB_HAVE_XCB
// Whether the window's type, as the window manager reads it, is a tool bar.
bool isToolBarType(QWidget* window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return true;
    const xcb_get_property_cookie_t cookie = xcb_get_property(
        c, 0, xWindow(window), atom(c, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 0, 1);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    const bool toolBar = reply && xcb_get_property_value_length(reply) >= 4 &&
                         *static_cast<xcb_atom_t*>(xcb_get_property_value(reply)) ==
                             atom(c, "_NET_WM_WINDOW_TYPE_TOOLBAR");
    std::free(reply);
    return toolBar;
}
#endif

#ifdef ZEB_HAVE_XCB
// Asks the window manager to put a mapped window on or off the always-on-top
// level, as a pager would, without Qt writing the window's type afresh.
void askForLevel(QWidget* window, bool onTop) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xWindow(window);
    message.type = atom(c, "_NET_WM_STATE");
    message.data.data32[0] = onTop ? 1 : 0; // _NET_WM_STATE_ADD or _REMOVE
    message.data.data32[1] = atom(c, "_NET_WM_STATE_ABOVE");
    message.data.data32[3] = 1; // from an application
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
}
#endif

// Says "tool bar" before the window is mapped and again whenever the type is
// written afresh: Qt writes its own type whenever the flags of the platform
// window change, at a moment of its choosing.
class ToolBarType : public QObject
#ifdef ZEB_HAVE_XCB
    ,
                    public QAbstractNativeEventFilter
#endif
{
  public:
    explicit ToolBarType(QWidget* window) : QObject(window), window_(window) {
#ifdef ZEB_HAVE_XCB
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            qApp->installNativeEventFilter(this);
#endif
    }
    ~ToolBarType() override {
#ifdef ZEB_HAVE_XCB
        if (qApp) qApp->removeNativeEventFilter(this);
#endif
    }

#ifdef ZEB_HAVE_XCB
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t" || !window_->windowHandle()) return false;
        auto* event = static_cast<xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) return false;
        auto* change = reinterpret_cast<xcb_property_notify_event_t*>(event);
        if (change->window != xWindow(window_)) return false;
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11 || change->atom != atom(x11->connection(), "_NET_WM_WINDOW_TYPE")) return false;
        if (!isToolBarType(window_)) tellToolBarType(window_);
        return false;
    }
#endif

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            // A level changed while mapped reaches the platform window now,
            // before it is mapped again.
            auto* window = static_cast<QWidget*>(watched);
            QWindow* native = window->windowHandle();
            if (native && native->flags() != window->windowFlags())
                native->setFlags(window->windowFlags());
            tellToolBarType(window);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget* window_;
};

void giveSmallWindowFlags(QWidget* window) {
    Qt::WindowFlags flags =
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    flags.setFlag(Qt::WindowStaysOnTopHint,
                  window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    window->setWindowFlags(flags);
    window->installEventFilter(new ToolBarType(window));
}

QSize contentsSize(QWidget* window) {
    window->adjustSize();
    return window->sizeHint().expandedTo(window->minimumSizeHint());
}

} // namespace

void makeSmallFixedWindow(QWidget* window) {
    giveSmallWindowFlags(window);
    fitSmallFixedWindow(window);
}

void makeSmallWindowOfContents(QWidget* window) {
    giveSmallWindowFlags(window);
    window->setFixedSize(contentsSize(window));
}

void fitSmallFixedWindow(QWidget* window) {
    // Title bars use a bold font and put an icon and their buttons beside the
    // caption; some window managers show minimise and maximise all the same.
    // Room for them is about twelve lines' height.
    QFont title = QApplication::font("QMdiSubWindowTitleBar");
    title.setBold(true);
    const QFontMetrics metrics(title);
    const int captionWidth =
        metrics.horizontalAdvance(window->windowTitle()) + 12 * metrics.height();
    const QSize hint = contentsSize(window);
    window->setFixedSize(std::max(hint.width(), captionWidth), hint.height());
}

bool changeLevelInPlace(QWidget* window, bool onTop) {
#ifdef ZEB_HAVE_XCB
    // Qt writes the type afresh with every change of the platform window's
    // flags, and a window manager may read it before the tool bar type is
    // said again: it then offers minimise for as long as the window is up.
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !window->isVisible() ||
        !window->findChild<ToolBarType*>(QString(), Qt::FindDirectChildrenOnly))
        return false;
    askForLevel(window, onTop);
    return true;
#else
    Q_UNUSED(window);
    Q_UNUSED(onTop);
    return false;
#endif
}

} // namespace zeb::ui
