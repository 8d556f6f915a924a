#include "frame/foreign_window.h"

#include <QGuiApplication>
#include <cstdlib>

#if defined(MOMENTART_HAS_XCB)
#include <xcb/xcb.h>
#endif

namespace momentart {

std::optional<QSize> foreignWindowSize(WId id) {
#if defined(MOMENTART_HAS_XCB)
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || id == 0 || id > 0xFFFFFFFFu) return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    xcb_generic_error_t* error = nullptr;
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, static_cast<xcb_window_t>(id)), &error);
    std::free(error);
    if (geometry == nullptr) return std::nullopt;
    const QSize size(geometry->width, geometry->height);
    std::free(geometry);
    // A pixmap has a geometry too, but it is not a window.
    const xcb_get_window_attributes_cookie_t asked =
        xcb_get_window_attributes(connection, static_cast<xcb_window_t>(id));
    xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(connection, asked, &error);
    std::free(error);
    if (attributes == nullptr) return std::nullopt;
    std::free(attributes);
    return size;
#else
    (void)id;
    return std::nullopt;
#endif
}

DisplayProbe::DisplayProbe() {
#if defined(MOMENTART_HAS_XCB)
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb")) return;
    if (platform.isEmpty() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    connection_ = connection;
    reachable_ = xcb_connection_has_error(connection) == 0;
#endif
}

DisplayProbe::~DisplayProbe() {
#if defined(MOMENTART_HAS_XCB)
    if (connection_ != nullptr) xcb_disconnect(static_cast<xcb_connection_t*>(connection_));
#endif
}

}  // namespace momentart
