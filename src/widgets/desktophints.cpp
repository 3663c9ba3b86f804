#include "widgets/desktophints.h"

#include <QGuiApplication>
#include <QWidget>

#include <algorithm>
#include <vector>

#if QT_CONFIG(xcb)
#include <cstdlib>
#include <xcb/xcb.h>
#endif

namespace {

bool onX11()
{
    return QGuiApplication::platformName() == u"xcb";
}

#if QT_CONFIG(xcb)
xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie
        = xcb_intern_atom(connection, false, uint16_t(qstrlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// The window's _NET_WM_STATE atoms as they are now.
std::vector<xcb_atom_t> stateAtoms(xcb_connection_t *connection, xcb_window_t window,
                                   xcb_atom_t state)
{
    const xcb_get_property_cookie_t cookie
        = xcb_get_property(connection, false, window, state, XCB_ATOM_ATOM, 0, 1024);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr);
    std::vector<xcb_atom_t> atoms;
    if (reply && reply->type == XCB_ATOM_ATOM && reply->format == 32) {
        const auto *values = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
        atoms.assign(values, values + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return atoms;
}
#endif

} // namespace

Qt::WindowFlags unlistedWindowFlags()
{
    return (onX11() ? Qt::Dialog : Qt::Tool) | Qt::FramelessWindowHint;
}

void keepOutOfTaskBar(QWidget *window)
{
#if QT_CONFIG(xcb)
    if (!onX11())
        return;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const auto id = xcb_window_t(window->winId());
    const xcb_atom_t state = internAtom(connection, "_NET_WM_STATE");
    // A window that is not mapped yet states its own _NET_WM_STATE; Qt adds its states to
    // these when it maps the window.
    std::vector<xcb_atom_t> atoms = stateAtoms(connection, id, state);
    for (const char *name : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
        const xcb_atom_t skip = internAtom(connection, name);
        if (std::find(atoms.cbegin(), atoms.cend(), skip) == atoms.cend())
            atoms.push_back(skip);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        uint32_t(atoms.size()), atoms.data());
    xcb_flush(connection);
#else
    Q_UNUSED(window);
#endif
}
