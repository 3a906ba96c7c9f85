#include "empty_title.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#ifdef ZORIMEX_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif

namespace zorimex::ui {
namespace {

#ifdef ZORIMEX_HAVE_XCB
xcb_atom_t InternAtom(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

void ClearX11Title(QWidget* window) {
    // Other platforms (offscreen among them) may offer the X11 interface without an X11 window.
    if (QGuiApplication::platformName() != QLatin1String("xcb") ||
        !window->testAttribute(Qt::WA_WState_Created))
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (connection == nullptr)
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t netWmName = InternAtom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = InternAtom(connection, "UTF8_STRING");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        0, nullptr);
    if (netWmName != XCB_ATOM_NONE && utf8 != XCB_ATOM_NONE)
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, netWmName, utf8, 8, 0, nullptr);
    xcb_flush(connection);
}
#endif

class EmptyTitleKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The native window gets its name when it is made and again whenever the title
        // changes; both come before the window is mapped.
        const auto type = event->type();
        if (type == QEvent::WinIdChange || type == QEvent::Show ||
            type == QEvent::WindowTitleChange) {
            auto* window = static_cast<QWidget*>(watched);
#ifdef ZORIMEX_HAVE_XCB
            if (window->windowTitle().isEmpty())
                ClearX11Title(window);
#else
            Q_UNUSED(window);
#endif
        }
        return false;
    }
};

} // namespace

void KeepEmptyTitleEmpty(QWidget* window) {
    window->installEventFilter(new EmptyTitleKeeper(window));
}

} // namespace zorimex::ui
