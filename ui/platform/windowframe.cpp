#include "ui/platform/windowframe.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#if defined(DESLIZADOR_XCB) && QT_CONFIG(xcb)
#include <QDeadlineTimer>
#include <QThread>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>
#endif

namespace ui {

#if defined(DESLIZADOR_XCB) && QT_CONFIG(xcb)
namespace {

template<class Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template<class Reply>
Owned<Reply> own(Reply *reply)
{
    return {reply, &std::free};
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const auto reply = own(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t {XCB_ATOM_NONE};
}

// Up to `count` 32-bit values of a property; fewer (none) when it is missing or shorter.
std::vector<uint32_t> property(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t name,
                               xcb_atom_t type, uint32_t count)
{
    const auto reply = own(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, type, 0, count), nullptr));
    if (!reply || reply->format != 32)
        return {};
    const auto *values = static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

QMargins askWindowManager(xcb_connection_t *connection, xcb_window_t window)
{
    // The root of the screen the window is on, which takes the request.
    const auto tree =
        own(xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
    if (!tree)
        return {};
    const xcb_window_t root = tree->root;
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    if (request == XCB_ATOM_NONE || extents == XCB_ATOM_NONE)
        return {};
    // Without the window manager's word that it answers, do not wait for an answer.
    const auto supported =
        property(connection, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 1024);
    if (std::find(supported.begin(), supported.end(), request) == supported.end())
        return {};

    xcb_client_message_event_t message {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);

    // The window manager sets the property on the unmapped window: openbox within a few
    // milliseconds. One that does not is given a tenth of a second, then the frame is unknown.
    const QDeadlineTimer deadline(100);
    for (;;) {
        const auto values = property(connection, window, extents, XCB_ATOM_CARDINAL, 4);
        if (values.size() == 4) // left, right, top, bottom
            return QMargins(static_cast<int>(values[0]), static_cast<int>(values[2]),
                            static_cast<int>(values[1]), static_cast<int>(values[3]));
        if (deadline.hasExpired())
            return {};
        QThread::msleep(1);
    }
}

} // namespace
#endif

QMargins expectedFrameMargins(QWidget *window)
{
    if (window->windowFlags() & Qt::FramelessWindowHint)
        return {};
    const WId id = window->winId();
    // Where the platform works the frame out itself (Windows), it knows it once the native
    // window exists.
    const QMargins known = window->windowHandle()->frameMargins();
    if (!known.isNull())
        return known;
#if defined(DESLIZADOR_XCB) && QT_CONFIG(xcb)
    if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        return askWindowManager(x11->connection(), static_cast<xcb_window_t>(id));
#else
    Q_UNUSED(id);
#endif
    return {};
}

} // namespace ui
