#include "platform/system/WindowSearch.h"

#include <QGuiApplication>
#include <QList>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace platform {
namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

// Null unless the program runs on X11; the offscreen plugin offers the interface too, without a connection.
xcb_connection_t* Connection() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t RootWindow(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The property's value, empty when the window lacks it or it has another type.
QByteArray Property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property, xcb_atom_t type) {
    constexpr uint32_t maxLength = 1 << 16; // in 32-bit units; far beyond any title or window list
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, maxLength), nullptr));
    if (!reply) return {};
    return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

// The managed top-level windows, as the window manager lists them.
QList<xcb_window_t> ClientList(xcb_connection_t* c) {
    const QByteArray value = Property(c, RootWindow(c), Atom(c, "_NET_CLIENT_LIST"), XCB_ATOM_WINDOW);
    QList<xcb_window_t> windows(value.size() / qsizetype(sizeof(xcb_window_t)));
    std::memcpy(windows.data(), value.constData(), windows.size() * sizeof(xcb_window_t));
    return windows;
}

QString Title(xcb_connection_t* c, xcb_window_t window, xcb_atom_t netWmName, xcb_atom_t utf8String) {
    const QByteArray utf8 = Property(c, window, netWmName, utf8String);
    if (!utf8.isEmpty()) return QString::fromUtf8(utf8);
    // WM_NAME of type STRING is Latin-1.
    return QString::fromLatin1(Property(c, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING));
}

} // namespace

quintptr FindWindowByTitlePart(quintptr startWindow, const QString& titlePart) {
    xcb_connection_t* c = Connection();
    if (!c) return 0;
    const xcb_atom_t netWmName = Atom(c, "_NET_WM_NAME");
    const xcb_atom_t utf8String = Atom(c, "UTF8_STRING");
    const QString part = titlePart.toUpper();
    for (const xcb_window_t window : ClientList(c)) {
        if (window == startWindow) continue;
        const QString title = Title(c, window, netWmName, utf8String);
        if (!title.isEmpty() && title.toUpper().contains(part)) return window;
    }
    return 0;
}

namespace {

// A request to the window manager about the window, in the words of the window manager conventions (EWMH).
void SendToWindowManager(xcb_connection_t* c, xcb_window_t window, const char* type, std::array<uint32_t, 3> data) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = Atom(c, type);
    std::copy(data.begin(), data.end(), event.data.data32);
    xcb_send_event(c, 0, RootWindow(c), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}

} // namespace

bool ActivateWindow(quintptr window) {
    xcb_connection_t* c = Connection();
    if (!c || !ClientList(c).contains(window)) return false;
    // Source "pager": a request on the user's behalf, which focus-stealing prevention lets through.
    SendToWindowManager(c, window, "_NET_ACTIVE_WINDOW", {2, XCB_CURRENT_TIME, 0});
    return true;
}

bool KeepWindowAbove(quintptr window) {
    xcb_connection_t* c = Connection();
    if (!c || !window) return false;
    // Add (1) the state "above"; no second state.
    SendToWindowManager(c, window, "_NET_WM_STATE", {1, Atom(c, "_NET_WM_STATE_ABOVE"), 0});
    return true;
}

QRect WindowFrameRect(quintptr window) {
    xcb_connection_t* c = Connection();
    if (!c || !window) return {};
    const auto w = xcb_window_t(window);
    const Reply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr));
    const Reply<xcb_translate_coordinates_reply_t> origin(
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, w, RootWindow(c), 0, 0), nullptr));
    if (!geometry || !origin) return {};
    QRect frame(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
    // Left, right, top and bottom, as the window manager announces them.
    const QByteArray extents = Property(c, w, Atom(c, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL);
    if (extents.size() == 4 * qsizetype(sizeof(uint32_t))) {
        uint32_t e[4];
        std::memcpy(e, extents.constData(), sizeof e);
        frame.adjust(-int(e[0]), -int(e[2]), int(e[1]), int(e[3]));
    }
    return frame;
}

} // namespace platform
