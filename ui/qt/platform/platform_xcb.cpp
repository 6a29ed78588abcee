// SPDX-License-Identifier: MIT
// Linux and the BSDs: X11, directly or through XWayland.
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <string_view>

#include "ui/qt/platform/platform.h"

namespace ui::platform {
namespace {

xcb_atom_t Atom(xcb_connection_t* connection, std::string_view name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.data());
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

}  // namespace

// X11 has no desktop colour of its own to ask for; black is what desktops have always
// defaulted to.
QColor DesktopColour() {
    return Qt::black;
}

void HideTaskbarButton(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (QGuiApplication::platformName() != QLatin1String("xcb") || connection == nullptr) {
        return;  // not on X11 (offscreen, Wayland): there is no task bar to keep out of
    }
    // Qt keeps _NET_WM_STATE entries that are already on the window when it maps it, so the
    // hint set here, before the first show, survives.
    const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
    const xcb_atom_t skipTaskbar = Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skipTaskbar == XCB_ATOM_NONE) {
        return;
    }
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, static_cast<xcb_window_t>(window.winId()),
                        state, XCB_ATOM_ATOM, 32, 1, &skipTaskbar);
    xcb_flush(connection);
}

}  // namespace ui::platform
